#pragma once
// The texts and option buttons of one data set as an input window holds
// them: what the input checks and the readers look at. The windows gather
// their controls into this; tests fill it directly.
#include <string>
#include <string_view>

struct DataSetFields {
    std::string Month, Day, Year;
    std::string Hour, Minute;
    std::string Zone;
    std::string LongDeg, LongMin;
    std::string LatDeg, LatMin;
    bool AM = true;
    bool East = false;
    bool West = true;
    bool South = false;
    std::string Email;
};

// The whole text read as a number: an optional leading minus, digits and at
// most one decimal point, with at least one digit. False for anything else
// ("", "-", ".", "1.2.3", "5-", " 5").
bool StrictNumber(std::string_view text, double& value);
// The strict value, 0 when the text is not a number as a whole.
double StrictValue(std::string_view text);

// PlainNumberText (a value as the input boxes show it) is in city_record.h.
