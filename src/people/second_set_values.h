#pragma once
// The values that setting a data set to the present moment at the default
// place writes into an input window, in the order the window writes them.
#include <string>

#include "platform/dates.h"

struct Settings;

struct MomentFill {
    bool PM = false;  // the present time is after noon by the regional clock
    // Month, day, four-digit year, hour on the 24-hour clock and minute,
    // without leading zeros.
    std::string Month, Day, Year, Hour, Minute;
    // The default place of options 18 to 24.
    std::string Zone, LongDeg, LongMin, LatDeg, LatMin;
    bool East = false;
    bool South = false;
};

// After noon: with a 24-hour clock (timeFormat 1) the hour is 12 or more;
// otherwise the regional time text ends in "PM" (any case).
bool AfterNoon(const DateTime& now, int timeFormat);

MomentFill MomentAtDefaultPlace(const Settings& settings, const DateTime& now);
