#pragma once
// A hand-built chart A for the engine tests: equal houses from a given
// Ascendant, bodies placed where a test puts them, declinations far apart
// so no parallel forms unless a test asks for one.
#include <string>

#include "app/constant_tables.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace enginetest {

// House of a longitude among equal houses from the Ascendant.
inline int EqualHouse(double ascendant, double longitude) {
    double past = longitude - ascendant;
    while (past < 0) past += 360;
    while (past >= 360) past -= 360;
    return static_cast<int>(past / 30) + 1;
}

inline void WriteHouse(ChartState& cs, int body, int house) {
    std::string field = house < 10 ? " " + std::to_string(house) : std::to_string(house);
    field += "TH HOUSE";
    cs.HouseStringA.replace(static_cast<size_t>(10 * body - 10), 10, field.substr(0, 10));
}

// Equal houses from the Ascendant; every body at `start` + 7 * body degrees
// off the others is replaced by the caller as needed.
inline void EqualHouseChart(ProgramState& ps, double ascendant) {
    SetDecimalSeparator('.');
    FillConstantTables(ps);
    ChartState& cs = ps.chart;
    cs.HouseStringA = std::string(150, ' ');
    for (int house = 1; house <= 12; ++house) {
        double cusp = ascendant + 30 * (house - 1);
        if (cusp >= 360) cusp -= 360;
        // Tenth house first: element 1 is cusp 10, 4 is cusp 1.
        const int element = house >= 10 ? house - 9 : house + 3;
        cs.NatalCusps[static_cast<size_t>(element)] = cusp;
    }
    for (int b = 1; b <= 15; ++b) cs.NatalDeclinations[static_cast<size_t>(b)] = 1 + 2.5 * b;
}

// Puts a body at a longitude and writes its equal house.
inline void Place(ProgramState& ps, double ascendant, int body, double longitude) {
    ps.chart.NatalLongitudes[static_cast<size_t>(body)] = longitude;
    if (body <= 13) WriteHouse(ps.chart, body, EqualHouse(ascendant, longitude));
}

}  // namespace enginetest
