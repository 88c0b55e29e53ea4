#pragma once
// A fixture person's data set as the input windows hold it.
#include <cmath>
#include <string>

#include "couple_fixtures.h"
#include "people/input_fields.h"
#include "platform/numbers.h"

inline DataSetFields FieldsOf(const fixtures::Person& p) {
    DataSetFields f;
    f.Month = std::to_string(p.month);
    f.Day = std::to_string(p.day);
    f.Year = std::to_string(p.year);
    const int hour = static_cast<int>(p.time);
    f.Hour = std::to_string(hour);
    f.Minute = std::to_string(CInt((p.time - static_cast<float>(hour)) * 100));
    std::string zone = Str(p.zone);
    if (!zone.empty() && zone[0] == ' ') zone.erase(0, 1);
    f.Zone = zone;
    f.AM = p.amPm == "A.M.";
    const float lon = std::fabs(p.longitude), lat = std::fabs(p.latitude);
    f.LongDeg = std::to_string(static_cast<int>(lon));
    f.LongMin = std::to_string(CInt((lon - static_cast<float>(static_cast<int>(lon))) * 100));
    f.LatDeg = std::to_string(static_cast<int>(lat));
    f.LatMin = std::to_string(CInt((lat - static_cast<float>(static_cast<int>(lat))) * 100));
    f.East = p.longitude < 0;
    f.West = !f.East;
    f.South = p.latitude < 0;
    return f;
}
