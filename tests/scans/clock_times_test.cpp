// The around-the-clock times and the clamps of its settings window.
#include <gtest/gtest.h>

#include "scans/around_clock_times.h"

TEST(ClockTimes, StoredStartValuesAndTwelveHourEdges) {
    ClockWalk natal(ReadClockSeries("1", "00", "2"));
    for (int i = 1; i <= 12; ++i) {
        const ClockTime t = natal.Next();
        EXPECT_EQ(t.Hour24, 2 * i - 1);
        EXPECT_EQ(t.Minute, 0);
    }
    ClockWalk transit(ReadClockSeries("0", "30", "1"));
    for (int j = 0; j < 24; ++j) {
        const ClockTime t = transit.Next();
        EXPECT_EQ(t.Hour24, j);
        EXPECT_EQ(t.Minute, 30);
        EXPECT_EQ(t.PM, j >= 12);
    }
    ClockWalk midnight(ReadClockSeries("0", "0", "12"));
    ClockTime t = midnight.Next();
    EXPECT_EQ(t.Hour12, "12");
    EXPECT_FALSE(t.PM);
    t = midnight.Next();
    EXPECT_EQ(t.Hour12, "12");
    EXPECT_TRUE(t.PM);
    ClockWalk afternoon(ReadClockSeries("13", "5", "1"));
    t = afternoon.Next();
    EXPECT_EQ(t.Hour12, "1");
    EXPECT_EQ(t.Minute, 5);
    EXPECT_TRUE(t.PM);
    // A minute that rounds to 60 carries into the hour.
    ClockWalk third(ReadClockSeries("0", "0", "0.333"));
    bool sawCarry = false;
    for (int i = 0; i < 24; ++i) {
        const ClockTime c = third.Next();
        EXPECT_LT(c.Minute, 60);
        if (c.Minute == 0 && i > 0) sawCarry = true;
    }
    EXPECT_TRUE(sawCarry);
    // Reaching 24:00 once rounded.
    EXPECT_TRUE(ClockSeriesStaysInDay(ReadClockSeries("0", "30", "1"), 24));
    EXPECT_FALSE(ClockSeriesStaysInDay(ReadClockSeries("1", "0", "1"), 24));
    EXPECT_FALSE(ClockSeriesStaysInDay(ReadClockSeries("23", "59", "0.01"), 12));
    EXPECT_TRUE(ClockSeriesStaysInDay(ReadClockSeries("1", "00", "2"), 12));
}

TEST(ClockTimes, Clamps) {
    struct Case {
        AroundClockBoxes in, out;
    };
    auto boxes = [](const char* h, const char* m, const char* i, const char* th, const char* tm, const char* ti) {
        return AroundClockBoxes{h, m, i, th, tm, ti};
    };
    const Case cases[] = {
        {boxes("-3", "00", "2", "-3", "30", "1"), boxes("1", "00", "2", "0", "30", "1")},
        {boxes("30", "60", "2", "30", "60", "1"), boxes("23", "59", "2", "23", "59", "1")},
        {boxes("5", "10", "2.5", "5", "10", "1.5"), boxes("1", "00", "2", "0", "30", "1")},
        {boxes("5", "10", "0", "5", "10", ""), boxes("1", "00", "2", "0", "30", "1")},
        {boxes("5", "5.", "2", "4", "7", "1"), boxes("5", "5.", "2", "4", "7", "1")},
        {boxes("0", "-1", "0.5", "0", "-2", "0.25"), boxes("0", "00", "0.5", "0", "00", "0.25")},
    };
    for (const Case& c : cases) {
        AroundClockBoxes b = c.in;
        ClampAroundClockBoxes(b);
        EXPECT_EQ(b.StartHour, c.out.StartHour);
        EXPECT_EQ(b.StartMinute, c.out.StartMinute);
        EXPECT_EQ(b.Interval, c.out.Interval);
        EXPECT_EQ(b.StartHourTransit, c.out.StartHourTransit);
        EXPECT_EQ(b.StartMinuteTransit, c.out.StartMinuteTransit);
        EXPECT_EQ(b.IntervalTransit, c.out.IntervalTransit);
    }
    const std::string help = AroundClockHelpText();
    EXPECT_NE(help.find("7. Enter TRANSIT interval in hours (0 - 1) - interval may be a fraction.\r\n\r\n8."),
              std::string::npos);
}
