#include "chart/chart_driver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/house_placement.h"
#include "chart/planet_theory.h"
#include "program_state.h"

namespace {

// A couple typed as the input windows hand it over: 9.30 P.M. at 75 W 10,
// 40 N 43 (zone 5), and 6.05 A.M. at 2 E 20, 48 N 52 (zone -1).
void FillCouple(ProgramState& ps) {
    ChartState& cs = ps.chart;
    cs.NatalDay = 14, cs.NatalMonth = 3, cs.NatalYear = 1962;
    cs.NatalTime = 9.30f, cs.NatalAmPm = "P.M.", cs.NatalZone = 5;
    cs.NatalLongitude = 75.10f, cs.NatalLatitude = 40.43f;
    cs.WorkEastWest = "WEST", cs.WorkNorthSouth = "NORTH";
    cs.DiurnalDay = 2, cs.DiurnalMonth = 11, cs.DiurnalYear = 1965;
    cs.DiurnalTime = 6.05f, cs.SecondAmPm = "A.M.", cs.DiurnalZone = -1;
    cs.DiurnalLongitude = -2.20f, cs.DiurnalLatitude = 48.52f;
    cs.SecondEastWest = "EAST", cs.SecondNorthSouth = "NORTH";
    cs.HouseSystemCode = "P";
    InitOrbitalElements(cs);
}

int HouseAmong(ChartState& cs, const std::array<double, 14>& cusps, double longitude) {
    for (int i = 1; i <= 12; ++i) cs.WorkCusps[i] = cusps[i];
    for (int i = 1; i <= 15; ++i) cs.WorkLongitudes[i] = 0;
    cs.WorkLongitudes[1] = longitude;
    AssignHouses(cs);
    return std::stoi(cs.HouseString.substr(0, 2));
}

}  // namespace

TEST(ChartDriver, HouseCodeTakesFirstCheckedItem) {
    EXPECT_EQ(HouseCodeFromChecks({}), "P");
    std::array<bool, 8> checks{};
    checks[0] = true;  // Regiomontanus
    checks[7] = true;  // Morinus
    EXPECT_EQ(HouseCodeFromChecks(checks), "R");
    checks = {};
    checks[5] = true;
    EXPECT_EQ(HouseCodeFromChecks(checks), "EM");
}

TEST(ChartDriver, JulianDatesAndCalendarRule) {
    EXPECT_DOUBLE_EQ(DriverJulianDate(12.00, 0, "P.M.", 1, 1, 2000), 2451545.0);
    EXPECT_DOUBLE_EQ(DriverJulianDate(12.00, 0, "A.M.", 1, 1, 2000), 2451544.5);
    // Zone West positive: 7.30 P.M. at zone 5 is half past midnight UT.
    EXPECT_NEAR(DriverJulianDate(7.30, 5, "P.M.", 1, 1, 2000), 2451545.5 + 0.5 / 24, 1e-9);
    // The Gregorian correction applies before 1582 too: ten days below the
    // Julian-calendar day number of 15 October 1582.
    EXPECT_DOUBLE_EQ(DriverJulianDate(12.00, 0, "P.M.", 15, 10, 1582), 2299161.0);
    ProgramState ps;
    ps.chart.DiurnalDay = 1, ps.chart.DiurnalMonth = 1, ps.chart.DiurnalYear = 2000;
    ps.chart.DiurnalTime = 12.00f, ps.chart.SecondAmPm = "P.M.";
    ComputeJulianDates(ps);
    EXPECT_DOUBLE_EQ(ps.chart.SecondT1900, 1.0);
}

TEST(ChartDriver, FullRunFillsBothChartsAndRelationshipData) {
    ProgramState ps;
    FillCouple(ps);
    ComputeChartsCore(ps);
    ChartState& cs = ps.chart;
    EXPECT_EQ(cs.NatalEastWest, "WEST");
    EXPECT_EQ(cs.ChartKind, 3);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_GE(cs.NatalLongitudes[i], 0);
        EXPECT_LT(cs.NatalLongitudes[i], 360);
        EXPECT_GE(cs.SecondLongitudes[i], 0);
        EXPECT_LT(cs.SecondLongitudes[i], 360);
    }
    EXPECT_NE(cs.TrueNorthNode, -100.0);
    EXPECT_NEAR(cs.NatalCusps[4], cs.NatalLongitudes[14], 1e-9);  // first cusp = Ascendant
    // Relationship order.
    EXPECT_EQ(cs.RelLongitudesA[0], cs.NatalLongitudes[14]);
    EXPECT_EQ(cs.RelLongitudesA[1], cs.NatalLongitudes[1]);
    EXPECT_EQ(cs.RelLongitudesA[2], cs.NatalLongitudes[10]);
    EXPECT_EQ(cs.RelLongitudesA[3], cs.NatalLongitudes[2]);
    EXPECT_EQ(cs.RelLongitudesB[10], cs.SecondLongitudes[9]);
    EXPECT_EQ(ps.wheels.WheelSecondLongitudes[5], cs.SecondLongitudes[5]);
    // Each chart's own Ascendant is placed among the other chart's cusps.
    ProgramState scratch = ps;
    EXPECT_EQ(cs.RelHouseA[0], HouseAmong(scratch.chart, cs.SecondCusps, cs.NatalLongitudes[14]));
    EXPECT_EQ(cs.RelHouseB[0], HouseAmong(scratch.chart, cs.NatalCusps, cs.SecondLongitudes[14]));
    EXPECT_EQ(cs.RelHouseA[4], HouseAmong(scratch.chart, cs.SecondCusps, cs.NatalLongitudes[3]));
    for (int h = 1; h <= 12; ++h) {
        EXPECT_GE(cs.HouseRulerA[h], 1);
        EXPECT_LE(cs.HouseRulerA[h], 7);
    }
}

TEST(ChartDriver, SameChartTwicePlacesAscendantInFirstHouse) {
    ProgramState ps;
    FillCouple(ps);
    ChartState& cs = ps.chart;
    cs.DiurnalDay = cs.NatalDay, cs.DiurnalMonth = cs.NatalMonth, cs.DiurnalYear = cs.NatalYear;
    cs.DiurnalTime = cs.NatalTime, cs.SecondAmPm = cs.NatalAmPm, cs.DiurnalZone = cs.NatalZone;
    cs.DiurnalLongitude = cs.NatalLongitude, cs.DiurnalLatitude = cs.NatalLatitude;
    ComputeChartsCore(ps);
    EXPECT_EQ(cs.RelHouseA[0], 1);
    EXPECT_EQ(cs.RelHouseB[0], 1);
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(cs.RelHouseA[k], cs.RelHouseB[k]) << k;
}

TEST(ChartDriver, ZodiacShiftAndPartOfFortune) {
    ProgramState tropical;
    FillCouple(tropical);
    ComputeChartsCore(tropical);

    ProgramState sidereal;
    FillCouple(sidereal);
    sidereal.settings.OptionValues[198] = 1;
    ComputeChartsCore(sidereal);
    const ChartState& t = tropical.chart;
    const ChartState& s = sidereal.chart;
    ASSERT_GT(s.NatalSvp, 300);
    for (int i = 1; i <= 15; ++i) {
        double expected = t.NatalLongitudes[i] + s.NatalSvp;
        if (expected >= 360) expected -= 360;
        EXPECT_NEAR(s.NatalLongitudes[i], expected, 1e-6) << i;
        EXPECT_DOUBLE_EQ(s.NatalDeclinations[i], t.NatalDeclinations[i]);
    }
    EXPECT_DOUBLE_EQ(s.TrueNodeDeclination, t.TrueNodeDeclination);

    // Ayanamsa mode subtracts.
    ProgramState ayanamsa;
    FillCouple(ayanamsa);
    ayanamsa.settings.OptionValues[198] = 2;
    ComputeChartsCore(ayanamsa);
    double expected = t.SecondCusps[1] - ayanamsa.chart.SecondAyanamsa;
    if (expected < 0) expected += 360;
    EXPECT_NEAR(ayanamsa.chart.SecondCusps[1], expected, 1e-6);

    // Part of Fortune shows in slot 13 when Chiron's look-up skips its work.
    for (int rule : {0, 1}) {
        ProgramState ps;
        FillCouple(ps);
        ps.chart.QuietMode = 1;
        ps.chart.UseChiron = false;
        ps.settings.OptionValues[218] = static_cast<float>(rule);
        ComputeChartsCore(ps);
        const ChartState& c = ps.chart;
        double f = rule == 0 ? c.NatalLongitudes[10] + c.NatalLongitudes[14] - c.NatalLongitudes[1]
                             : c.NatalLongitudes[1] + c.NatalLongitudes[14] - c.NatalLongitudes[10];
        f -= 360.0 * std::floor(f / 360.0);
        EXPECT_NEAR(c.NatalLongitudes[13], f, 1e-9) << rule;
    }
}

TEST(ChartDriver, AroundClockModeStopsAfterBothCharts) {
    ProgramState ps;
    FillCouple(ps);
    ps.chart.AroundClockMode = 1;
    ComputeChartsCore(ps);
    EXPECT_NE(ps.chart.SecondLongitudes[1], 0);
    EXPECT_EQ(ps.chart.RelLongitudesA[1], 0);
}

TEST(ChartDriver, RulersFollowTheSignOnEachCusp) {
    ProgramState ps;
    ChartState& cs = ps.chart;
    // Tenth-house-first slots: slot 4 is the first house, slot 10 the seventh.
    for (int i = 1; i <= 12; ++i) cs.NatalCusps[i] = cs.SecondCusps[i] = 15.0 + 30.0 * (i - 1);
    cs.NatalCusps[4] = 300.0;   // 0 Aquarius: Saturn
    cs.NatalCusps[10] = 359.99;  // late Pisces: Jupiter
    cs.SecondCusps[4] = 125.0;  // Leo: Sun
    cs.NatalLongitudes[14] = 100.0;
    cs.NatalLongitudes[2] = 200.0;
    ComputeRelationshipData(ps);
    EXPECT_EQ(cs.HouseRulerA[1], 7);
    EXPECT_EQ(cs.Ruler1A, 7);
    EXPECT_EQ(cs.HouseRulerA[7], 6);
    EXPECT_EQ(cs.Ruler7A, 6);
    EXPECT_EQ(cs.Ruler1B, 1);
    // Slot 1 (the tenth house) at 15 Aries: Mars rules the tenth.
    EXPECT_EQ(cs.HouseRulerB[10], 5);
    EXPECT_EQ(cs.RelLongitudesA[0], 100.0);
    EXPECT_EQ(cs.RelLongitudesA[3], 200.0);
}

TEST(ChartDriver, OnlyTheListedOptionValuesPickAFormula) {
    ProgramState tropical;
    FillCouple(tropical);
    ComputeChartsCore(tropical);

    // A zodiac mode other than exactly 1 or 2 leaves the tropical zodiac.
    ProgramState odd;
    FillCouple(odd);
    odd.settings.OptionValues[198] = 1.5f;
    ComputeChartsCore(odd);
    for (int i = 1; i <= 15; ++i) EXPECT_DOUBLE_EQ(odd.chart.NatalLongitudes[i], tropical.chart.NatalLongitudes[i]);

    // Any Part of Fortune rule but exactly 0 or 1 chooses by day or night:
    // Sun + Ascendant - Moon when the Sun stands below the horizon (house 1..6).
    for (float rule : {2.0f, 0.5f}) {
        ProgramState ps;
        FillCouple(ps);
        ps.chart.QuietMode = 1;
        ps.chart.UseChiron = false;
        ps.settings.OptionValues[218] = rule;
        ComputeChartsCore(ps);
        const ChartState& c = ps.chart;
        const bool night = std::stoi(c.HouseStringA.substr(0, 2)) < 7;
        double f = night ? c.NatalLongitudes[1] + c.NatalLongitudes[14] - c.NatalLongitudes[10]
                         : c.NatalLongitudes[10] + c.NatalLongitudes[14] - c.NatalLongitudes[1];
        f -= 360.0 * std::floor(f / 360.0);
        EXPECT_NEAR(c.NatalLongitudes[13], f, 1e-9) << rule;
    }
}
