#include "chart/house_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/chart_state.h"
#include "program_state.h"

namespace {
// Cusps tenth house first, from the 10th cusp on, each 30 degrees on.
void SetEqualCusps(ChartState& cs, double tenth) {
    for (int j = 1; j <= 12; ++j) cs.WorkCusps[j] = std::fmod(tenth + 30.0 * (j - 1), 360.0);
}

std::string House(const ChartState& cs, int body) {
    return cs.HouseString.substr(static_cast<std::size_t>(body - 1) * 10, 2);
}
}  // namespace

TEST(HousePlacement, BodiesOnAndJustBeforeACusp) {
    ChartState cs;
    SetEqualCusps(cs, 100.0);  // 10th 100, 11th 130, 12th 160, 1st 190, ...
    for (int i = 1; i <= 15; ++i) cs.WorkLongitudes[i] = 115.0;
    cs.WorkLongitudes[1] = 190.0;                  // on the 1st cusp
    cs.WorkLongitudes[2] = 190.0 - 1.0 / 50000.0;  // inside the allowance
    cs.WorkLongitudes[3] = 190.0 - 1.0 / 20000.0;  // before it
    cs.WorkLongitudes[4] = 99.99;                  // end of the 9th house
    cs.WorkLongitudes[5] = 359.0;
    AssignHouses(cs);
    EXPECT_EQ(House(cs, 1), " 1");
    EXPECT_EQ(House(cs, 2), " 1");
    EXPECT_EQ(House(cs, 3), "12");
    EXPECT_EQ(House(cs, 4), " 9");
    EXPECT_EQ(House(cs, 5), " 6");  // the 6th house runs from 340 across 0 Aries to 10
    EXPECT_EQ(House(cs, 6), "10");
}

TEST(HousePlacement, SpansAcrossZeroAries) {
    ChartState cs;
    SetEqualCusps(cs, 350.0);  // 10th house from 350 to 20
    cs.WorkLongitudes[1] = 355.0;
    cs.WorkLongitudes[2] = 5.0;
    cs.WorkLongitudes[3] = 0.0;
    cs.WorkLongitudes[4] = 20.0;
    // Less than the allowance below 360: its place reaches past 0 Aries and
    // must still land in the house that spans it.
    cs.WorkLongitudes[5] = 360.0 - 1.0 / 72000.0;
    AssignHouses(cs);
    EXPECT_EQ(House(cs, 1), "10");
    EXPECT_EQ(House(cs, 2), "10");
    EXPECT_EQ(House(cs, 3), "10");
    EXPECT_EQ(House(cs, 4), "11");
    EXPECT_EQ(House(cs, 5), "10");

    // A cusp exactly at 0 Aries: the same body belongs to the house it opens,
    // not the one before (nor a stale house from an earlier placement).
    SetEqualCusps(cs, 0.0);
    cs.HouseString.replace(40, 2, "77");
    AssignHouses(cs);
    EXPECT_EQ(House(cs, 5), "10");
}

TEST(HousePlacement, FieldLayoutKeepsTheStartDashes) {
    ChartState cs;
    SetEqualCusps(cs, 270.0);
    for (int i = 1; i <= 15; ++i) cs.WorkLongitudes[i] = 275.0;
    cs.WorkLongitudes[3] = 5.0;
    AssignHouses(cs);
    ASSERT_EQ(cs.HouseString.size(), 150u);
    EXPECT_EQ(cs.HouseString.substr(0, 10), "10-- HOUSE");
    EXPECT_EQ(cs.HouseString.substr(10, 10), "10-- HOUSE");
    EXPECT_EQ(cs.HouseString.substr(20, 10), " 1   HOUSE");
    EXPECT_EQ(cs.HouseString.substr(140, 10), "10   HOUSE");
}

TEST(HousePlacement, SolsticePoints) {
    ProgramState ps;
    struct Case { double lon; float option; double expected; };
    const Case cases[] = {
        {10, 0, 170}, {10, 1, 350}, {95, 0, 85}, {95, 2, 265},
        {0, 0, 180},   // 0 Aries mirrors onto 0 Libra's far side: 180
        {0, 1, 0},     // contra-antiscion of 0 Aries is 0 Aries, not 360
        {180, 0, 0},   // antiscion of 0 Libra likewise
        {359.5, 1, 0.5}, {200.25, 0, 339.75}, {200.25, 1, 159.75},
    };
    for (const Case& c : cases) {
        ps.chart.LoopK = c.lon;
        ps.settings.OptionValues[167] = c.option;
        SolsticePoint(ps);
        EXPECT_NEAR(ps.chart.SolsticeResult, c.expected, 1e-9) << c.lon << " option " << c.option;
        EXPECT_LT(ps.chart.SolsticeResult, 360.0);
    }
}
