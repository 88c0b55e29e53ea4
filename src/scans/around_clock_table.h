#pragma once
// The around-the-clock table, computing side: for 12 natal times (chart A)
// against 24 transit or second-person times (chart B) on fixed dates, chart
// A's net harmony (or its power times its net harmony, with "P * H"
// ticked), written to "out_1.csv" with one row per transit time.
#include <functional>

#include "people/input_fields.h"
#include "scans/around_clock_times.h"

struct ProgramState;

struct AroundClockHooks {
    // The transit settings as they stand now; read at the start of every
    // natal column.
    std::function<ClockSeries()> TransitSettings;
    // Lets pending window events run; called once per cell.
    std::function<void()> Yield;
    // Told of each natal and transit time set into the fields.
    std::function<void(const DataSetFields& natal, const DataSetFields& diurnal)> TimesSet;
};

// The message of settings whose times would reach midnight.
const char* AroundClockMidnightMessage();

// Runs the table. The fields keep the last natal and transit times. False
// (the table and the file as they were) when a time would reach 24:00 once
// rounded, when the input checks refuse the natal data (their message
// shown), or when the file cannot be written.
bool ComputeAroundTheClock(ProgramState& ps, DataSetFields& natal, DataSetFields& diurnal,
                           const ClockSeries& natalSeries, const AroundClockHooks& hooks);
