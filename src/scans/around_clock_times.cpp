#include "scans/around_clock_times.h"

#include <cmath>

#include "platform/numbers.h"

void ClampAroundClockBoxes(AroundClockBoxes& b) {
    if (Val(b.StartHour) < 0) b.StartHour = "1";
    if (Val(b.StartHour) > 23) b.StartHour = "23";
    if (Val(b.StartMinute) < 0) b.StartMinute = "00";
    if (Val(b.StartMinute) > 59) b.StartMinute = "59";
    if (Val(b.Interval) <= 0 || Val(b.Interval) > 2) {
        b.StartHour = "1";
        b.StartMinute = "00";
        b.Interval = "2";
    }
    if (Val(b.StartHourTransit) < 0) b.StartHourTransit = "0";
    if (Val(b.StartHourTransit) > 23) b.StartHourTransit = "23";
    if (Val(b.StartMinuteTransit) < 0) b.StartMinuteTransit = "00";
    if (Val(b.StartMinuteTransit) > 59) b.StartMinuteTransit = "59";
    if (Val(b.IntervalTransit) <= 0 || Val(b.IntervalTransit) > 1) {
        b.StartHourTransit = "0";
        b.StartMinuteTransit = "30";
        b.IntervalTransit = "1";
    }
}

std::string AroundClockHelpText() {
    static const char* const kLines[] = {
        "1. Natal times are entered on the left and transit or 2nd person times are entered on the right.",
        "2. Enter starting hour in 24-hour format (0 - 23) - 0 = midnight, 12 = noon.",
        "3. Enter starting minute from 0 to 59.",
        "4. There are always exactly 12 different NATAL times displayed on the graph, so set your interval "
        "accordingly.",
        "5. Enter NATAL interval in hours (0 - 2) - interval may be a fraction.",
        "6. There are always exactly 24 different TRANSIT times displayed on the graph, so set your interval "
        "accordingly.",
        "7. Enter TRANSIT interval in hours (0 - 1) - interval may be a fraction.",
        "8. The graph drawn never goes beyond the natal and transit birth dates used, so watch your entries for "
        "crossing past midnight of the birth dates."};
    std::string text;
    for (const char* line : kLines) text += std::string(line) + "\r\n\r\n";
    return text;
}

ClockSeries ReadClockSeries(const std::string& hour, const std::string& minute, const std::string& interval) {
    return {CInt(Val(hour)), CInt(Val(minute)), static_cast<float>(Val(interval))};
}

ClockWalk::ClockWalk(const ClockSeries& s)
    : t_(static_cast<float>(s.Hour) + static_cast<float>(s.Minute) / 60.0f - s.Interval), interval_(s.Interval) {}

ClockTime ClockWalk::Next() {
    t_ += interval_;
    ClockTime c;
    c.Hour24 = static_cast<int>(std::floor(t_));
    c.Minute = CInt((t_ - static_cast<float>(c.Hour24)) * 60.0f);
    if (c.Minute >= 60) {
        c.Minute -= 60;
        ++c.Hour24;
    }
    if (c.Hour24 == 0) {
        c.Hour12 = "12";
    } else if (c.Hour24 < 12) {
        c.Hour12 = std::to_string(c.Hour24);
    } else if (c.Hour24 == 12) {
        c.Hour12 = "12";
        c.PM = true;
    } else {
        c.Hour12 = std::to_string(c.Hour24 - 12);
        c.PM = true;
    }
    return c;
}

bool ClockSeriesStaysInDay(const ClockSeries& series, int count) {
    ClockWalk walk(series);
    for (int i = 0; i < count; ++i)
        if (walk.Next().Hour24 >= 24) return false;
    return true;
}
