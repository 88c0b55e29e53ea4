#pragma once
// The settings and the times of the around-the-clock table: the six boxes
// of its settings window and their clamps, the help text, and the stepping
// of a series of times through the day.
#include <array>
#include <string>

// The six boxes' texts, as the settings window holds them.
struct AroundClockBoxes {
    std::string StartHour = "1", StartMinute = "00", Interval = "2";                  // natal
    std::string StartHourTransit = "0", StartMinuteTransit = "30", IntervalTransit = "1";  // transit
};

// The Draw graph clamps, in order; a correction rewrites the box's text.
void ClampAroundClockBoxes(AroundClockBoxes& boxes);

// The help message: eight numbered lines, each followed by two line breaks.
std::string AroundClockHelpText();

// One series of times: its start and interval read from three box texts.
struct ClockSeries {
    int Hour = 0, Minute = 0;
    float Interval = 0;
};
ClockSeries ReadClockSeries(const std::string& hour, const std::string& minute, const std::string& interval);

// A time of the series: the 24-hour hour and minute, and the 12-hour form
// the input boxes take ("12" with A.M. for midnight, "12" with P.M. for noon).
struct ClockTime {
    int Hour24 = 0, Minute = 0;
    std::string Hour12;
    bool PM = false;
};

// Walks a series: the running time starts one interval before the start.
class ClockWalk {
public:
    explicit ClockWalk(const ClockSeries& series);
    // Adds the interval, then gives the time; a minute rounded to 60 is
    // carried into the hour.
    ClockTime Next();

private:
    float t_;
    float interval_;
};

// Whether `count` times of the series all stay before 24:00 once rounded.
bool ClockSeriesStaysInDay(const ClockSeries& series, int count);
