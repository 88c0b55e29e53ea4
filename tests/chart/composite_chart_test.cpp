#include "chart/composite_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/chart_state.h"

namespace {
ChartState TwoCharts() {
    ChartState cs;
    for (int i = 1; i <= 15; ++i) {
        cs.NatalLongitudes[i] = 20.0 * i;
        cs.SecondLongitudes[i] = 20.0 * i + 10.0;
    }
    for (int k = 1; k <= 12; ++k) {
        cs.NatalCusps[k] = 30.0 * (k - 1);
        cs.SecondCusps[k] = 30.0 * (k - 1) + 10.0;
    }
    return cs;
}
}  // namespace

TEST(CompositeChart, MidpointsAndFarApartMarks) {
    ChartState cs = TwoCharts();
    struct Case { double a, b, mid; char mark; };
    const Case cases[] = {
        {350, 10, 0, ' '},    // far midpoint 180 turned to 360, then 0
        {10, 190, 100, 'A'},  // exactly opposite: not turned, marked
        {0, 160, 80, 'A'},
        {0, 150, 75, ' '},    // 150 apart is not more than 150
        {200, 20, 110, 'A'},
        {300, 100, 20, 'A'},  // 200 apart: near midpoint 20, folded 160
        {100, 300, 20, 'A'},
        {359, 181, 270, 'A'},
        {5, 6, 5.5, ' '},
    };
    int i = 1;
    for (const Case& c : cases) {
        cs.NatalLongitudes[i] = c.a;
        cs.SecondLongitudes[i] = c.b;
        cs.NatalDeclinations[i] = 20.0;
        cs.SecondDeclinations[i] = -10.0 * i;
        ++i;
    }
    cs.RetrogradeFlags = "RRRRRRRRRRRRRRR";
    cs.CompositeLatText = "45.30";
    ComputeCompositeChart(cs);
    ASSERT_EQ(cs.RetrogradeFlags.size(), 15u);
    i = 1;
    for (const Case& c : cases) {
        EXPECT_NEAR(cs.WorkLongitudes[i], c.mid, 1e-12) << c.a << " / " << c.b;
        EXPECT_EQ(cs.RetrogradeFlags[i - 1], c.mark) << c.a << " / " << c.b;
        EXPECT_DOUBLE_EQ(cs.WorkDeclinations[i], (20.0 - 10.0 * i) / 2.0);
        ++i;
    }
    for (; i <= 15; ++i) EXPECT_EQ(cs.RetrogradeFlags[i - 1], ' ');  // no "R" survives
    EXPECT_EQ(cs.CompositeLatText, "99");
    for (int k = 1; k <= 15; ++k) {
        EXPECT_GE(cs.WorkLongitudes[k], 0.0);
        EXPECT_LT(cs.WorkLongitudes[k], 360.0);
    }
}

TEST(CompositeChart, CuspSequenceTurnsStrayCusps) {
    ChartState cs = TwoCharts();
    // Slot 1: 10 and 200 -> 105, 95 from both, so turned to 285.
    // Slot 2: 40 and 190 -> 115, within 90 of both; 170 from 285, so turned
    // to 295 to stay in sequence.
    cs.NatalCusps[1] = 10;
    cs.SecondCusps[1] = 200;
    cs.NatalCusps[2] = 40;
    cs.SecondCusps[2] = 190;
    // Slot 3 steps across 0 Aries from slot 2 (295 to 5): left alone.
    cs.NatalCusps[3] = 0;
    cs.SecondCusps[3] = 10;
    ComputeCompositeChart(cs);
    EXPECT_DOUBLE_EQ(cs.WorkCusps[1], 285.0);
    EXPECT_DOUBLE_EQ(cs.WorkCusps[2], 295.0);
    EXPECT_DOUBLE_EQ(cs.WorkCusps[3], 5.0);
    for (int k = 4; k <= 12; ++k) EXPECT_DOUBLE_EQ(cs.WorkCusps[k], 30.0 * (k - 1) + 5.0) << k;
}

TEST(CompositeChart, HousesPlaceTheCompositeBodies) {
    ChartState cs = TwoCharts();
    // Equal midpoint cusps from 5 (the 10th cusp), 35, 65, 95 (1st) ...
    cs.NatalLongitudes[1] = 90;
    cs.SecondLongitudes[1] = 110;  // composite 100: 1st house
    cs.NatalLongitudes[15] = 0;
    cs.SecondLongitudes[15] = 6;   // composite MC 3: still the 9th house
    ComputeCompositeChart(cs);
    EXPECT_DOUBLE_EQ(cs.WorkCusps[1], 5.0);
    EXPECT_EQ(cs.HouseString.substr(0, 10), " 1-- HOUSE");
    EXPECT_EQ(cs.HouseString.substr(140, 2), " 9");
    EXPECT_EQ(cs.CompositeHouseString, cs.HouseString);
    EXPECT_EQ(cs.WheelHouseString, cs.HouseString);
}
