#pragma once
// Couples whose charts the tests of every subsystem use: the chart input as the input
// windows hand it over, computed with the shipped options and data tables.
#include <string>

#include "program_state.h"

namespace fixtures {

struct Person {
    std::string name;
    std::string dateText;  // month/day/year, the regional order of the tests
    int day, month, year;
    float time;  // h.mm on the 12-hour clock
    std::string amPm;
    float zone;       // hours, West positive
    float longitude;  // deg.mm, West positive
    float latitude;   // deg.mm, North positive
};

struct Couple {
    Person a, b;
    std::string houseSystemCode;
    bool secondPerson;  // the "2nd Person" box
    float zodiacMode;   // option 198
    float quintiles;    // option 16
};

// Two people born in the northern hemisphere; Placidus houses.
Couple NorthCouple();
// Two people born in the southern hemisphere; Koch houses.
Couple SouthCouple();
// A couple in the sidereal zodiac by the ayanamsa, with the quintile family
// shown; Equal houses from the Ascendant.
Couple SiderealCouple();
// The northern natal chart against a transit moment (no second person).
Couple NorthTransits();

// A program state with the shipped options, the data tables, the name tables
// and both charts computed; AppPath is a fresh folder holding "REPORTS".
// The chart headers are installed and the decimal separator is '.'.
void ComputeCouple(ProgramState& ps, const Couple& couple);

}  // namespace fixtures
