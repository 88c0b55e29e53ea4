#include "chart/chart_positions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"
#include "chart/time_scale.h"
#include "program_state.h"

namespace {

// A program state with the orbital elements loaded and chart A's time set
// for 14 March 1985, 3.25 P.M., zone 5, 71.04 West, 42.21 North.
std::unique_ptr<ProgramState> ChartMoment() {
    auto ps = std::make_unique<ProgramState>();
    ChartState& cs = ps->chart;
    InitOrbitalElements(cs);
    cs.NatalYear = 1985;
    cs.NatalMonth = 3;
    cs.NatalDay = 14;
    cs.NatalTime = 3.25f;
    cs.NatalAmPm = "P.M.";
    cs.NatalZone = 5;
    cs.NatalLongitude = 71.04f;
    cs.NatalLatitude = 42.21f;
    cs.NatalNorthSouth = "NORTH";
    cs.ChartKind = 0;
    ComputeChartTime(cs);
    return ps;
}

void FillChironTables(ChartState& cs, std::size_t i, float l0, float l1, float d0 = 0, float d1 = 0) {
    cs.ChironLongitudeTable[i] = l0;
    cs.ChironLongitudeTable[i + 1] = l1;
    cs.ChironDeclinationTable[i] = d0;
    cs.ChironDeclinationTable[i + 1] = d1;
}

double CircleDiff(double a, double b) {
    double d = std::fabs(Normalize360(a) - Normalize360(b));
    return d > 180 ? 360 - d : d;
}

}  // namespace

TEST(ChartPositions, SlotsOfAFullMoment) {
    auto ps = ChartMoment();
    ChartState& cs = ps->chart;
    const double t1900 = cs.TimeCenturies;
    cs.TrueNorthNode = -100;
    cs.RetrogradeFlags = "RRRRRRRRRRRRRRR";
    CalcChartPositions(*ps);
    EXPECT_EQ(cs.WorkLongitudes[12], Normalize360(cs.WorkLongitudes[11] + 180));
    EXPECT_EQ(cs.WorkLongitudes[14], cs.Ascendant);
    EXPECT_EQ(cs.WorkLongitudes[15], cs.Midheaven);
    EXPECT_EQ(cs.WorkLongitudes[13], Normalize360(cs.WorkLongitudes[10] + cs.Ascendant - cs.WorkLongitudes[1]));
    EXPECT_EQ(cs.WorkLatitudes[1], 0);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_GE(cs.WorkLongitudes[i], 0) << i;
        EXPECT_LT(cs.WorkLongitudes[i], 360) << i;
        EXPECT_LE(std::fabs(cs.WorkDeclinations[i]), 30) << i;
    }
    // The Sun's right ascension and declination from its longitude alone.
    const double eps = -cs.ObliquityRad, lon = DegToRad(cs.WorkLongitudes[1]);
    EXPECT_NEAR(cs.WorkDeclinations[1], RadToDeg(std::asin(std::sin(eps) * std::sin(lon))), 1e-9);
    EXPECT_NEAR(cs.WorkRightAscensions[1],
                Normalize360(RadToDeg(std::atan2(std::cos(eps) * std::sin(lon), std::cos(lon)))), 1e-9);
    // The true node was recorded once, reduced; a second chart leaves it.
    EXPECT_EQ(cs.TrueNorthNode, cs.MoonTrueNode);
    EXPECT_GE(cs.TrueNorthNode, 0);
    EXPECT_LT(cs.TrueNorthNode, 360);
    const double chartANode = cs.TrueNorthNode;
    // Flags were reset; in mid-March 1985 Venus, Saturn and Pluto were
    // retrograde, Mercury a few days before its station.
    EXPECT_EQ(cs.RetrogradeFlags, "  R  R  R      ");
    EXPECT_DOUBLE_EQ(cs.TimeCenturies, t1900 + 1.0 / 36525.0);

    cs.NatalYear = 1995;
    ComputeChartTime(cs);
    CalcChartPositions(*ps);
    EXPECT_EQ(cs.TrueNorthNode, chartANode);
    EXPECT_NE(cs.MoonTrueNode, chartANode);

    // Declinations of the points on the ecliptic.
    ComputeDeclinations(cs);
    const double eps1995 = -cs.ObliquityRad;
    for (int slot : {11, 12, 14, 15}) {
        const double l = DegToRad(cs.WorkLongitudes[slot]);
        EXPECT_NEAR(cs.WorkDeclinations[slot], RadToDeg(std::asin(std::sin(eps1995) * std::sin(l))), 1e-9) << slot;
    }
    EXPECT_NEAR(cs.WorkDeclinations[11], -cs.WorkDeclinations[12], 1e-8);
}

TEST(ChartPositions, DailyVariantMatchesFullMoment) {
    auto ps = ChartMoment();
    ChartState& cs = ps->chart;
    CalcChartPositions(*ps);
    const ChartState full = cs;

    ChartState day;
    InitOrbitalElements(day);
    day.GraphT1900 = (full.JulianDayNumber - 2415020.0 + full.DayFraction - 0.5) / 36525.0;
    day.TimeCenturies2000 = full.TimeCenturies2000;
    day.JulianDayNumber = full.JulianDayNumber;
    day.ObliquityRad = full.ObliquityRad;
    day.WorkLongitudes[13] = 123.0;
    day.RetrogradeFlags = "RRRRRRRRRRRRRRR";
    CalcPositionsAtTime(day);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_DOUBLE_EQ(day.WorkLongitudes[i], full.WorkLongitudes[i]) << i;
        if (i <= 10) {
            EXPECT_DOUBLE_EQ(day.WorkDeclinations[i], full.WorkDeclinations[i]) << i;
            EXPECT_EQ(day.WorkRightAscensions[i], 0.0) << i;
        }
    }
    EXPECT_EQ(day.WorkLongitudes[13], 123.0);
    EXPECT_EQ(day.WorkLongitudes[14], 0.0);
    EXPECT_EQ(day.RetrogradeFlags, "RRRRRRRRRRRRRRR");
    EXPECT_EQ(day.TimeCenturies, day.GraphT1900);
}

TEST(ChartPositions, RetrogradeAcrossAries) {
    ChartState cs;
    cs.RetrogradeFlags.assign(15, ' ');
    cs.WorkLongitudes[2] = 359.8;  // direct across 0 Aries
    cs.NextDayLongitudes[2] = 0.1;
    cs.WorkLongitudes[3] = 0.1;  // retrograde across 0 Aries
    cs.NextDayLongitudes[3] = 359.8;
    cs.WorkLongitudes[4] = 100.0;  // plainly retrograde
    cs.NextDayLongitudes[4] = 99.9;
    cs.WorkLongitudes[5] = 100.0;  // stationary: not marked
    cs.NextDayLongitudes[5] = 100.0;
    cs.WorkLongitudes[6] = 190.0;  // a step of exactly 180 is unwrapped
    cs.NextDayLongitudes[6] = 10.0;
    cs.WorkLongitudes[1] = 50;  // the Sun and Moon are never marked
    cs.NextDayLongitudes[1] = 40;
    cs.WorkLongitudes[10] = 50;
    cs.NextDayLongitudes[10] = 40;
    MarkRetrogrades(cs);
    EXPECT_EQ(cs.RetrogradeFlags, "  RR           ");
}

TEST(ChartPositions, ChironInterpolationAndMarks) {
    ChartState cs;
    const double base = 2415000.0;
    FillChironTables(cs, 100, 10.0f, 11.0f, -5.0f, -4.0f);
    cs.RetrogradeFlags.assign(15, ' ');
    CalcChironFromTable(cs, base + 100.25, true, false);
    EXPECT_NEAR(cs.WorkLongitudes[13], 10.25, 1e-6);
    EXPECT_NEAR(cs.WorkDeclinations[13], -4.75, 1e-6);
    EXPECT_EQ(cs.RetrogradeFlags[12], ' ');

    // Across 0 Aries both ways: 0 at half a day; only the backward jump (raw
    // step 359.9, above 350) marks it.
    FillChironTables(cs, 200, 359.95f, 0.05f);
    CalcChironFromTable(cs, base + 200.5, true, false);
    EXPECT_LT(CircleDiff(cs.WorkLongitudes[13], 0.0), 1e-4);
    EXPECT_EQ(cs.RetrogradeFlags[12], ' ');
    FillChironTables(cs, 300, 0.05f, 359.95f);
    CalcChironFromTable(cs, base + 300.5, true, false);
    EXPECT_LT(CircleDiff(cs.WorkLongitudes[13], 0.0), 1e-4);
    EXPECT_EQ(cs.RetrogradeFlags[12], 'R');

    // Raw steps of exactly 350 and -10 set no mark; a small fall does, and
    // the mark is never cleared.
    for (auto [l0, l1, mark] : {std::tuple{0.0f, 350.0f, ' '}, std::tuple{20.0f, 10.0f, ' '},
                                std::tuple{20.0f, 19.9f, 'R'}}) {
        cs.RetrogradeFlags.assign(15, ' ');
        FillChironTables(cs, 400, l0, l1);
        CalcChironFromTable(cs, base + 400.0, true, false);
        EXPECT_EQ(cs.RetrogradeFlags[12], mark) << l0 << " " << l1;
    }
    FillChironTables(cs, 500, 10.0f, 11.0f);
    CalcChironFromTable(cs, base + 500.0, true, false);
    EXPECT_EQ(cs.RetrogradeFlags[12], 'R');
}

TEST(ChartPositions, ChironTableEndsAndQuietRuns) {
    ChartState cs;
    const std::size_t last = cs.ChironLongitudeTable.size() - 1;
    FillChironTables(cs, last - 1, 100.0f, 102.0f, 1.0f, 3.0f);
    CalcChironFromTable(cs, 2474998.5, true, false);  // between the last two records
    EXPECT_NEAR(cs.WorkLongitudes[13], 101.0, 1e-6);
    EXPECT_NEAR(cs.WorkDeclinations[13], 2.0, 1e-6);
    for (double jd : {2474999.0, 2474999.9, 2414999.9, 2400000.0}) {
        cs.WorkLongitudes[13] = 55;
        cs.WorkDeclinations[13] = 5;
        cs.RetrogradeFlags.assign(15, ' ');
        CalcChironFromTable(cs, jd, true, false);
        EXPECT_EQ(cs.WorkLongitudes[13], 0.0) << jd;
        EXPECT_EQ(cs.WorkDeclinations[13], 0.0) << jd;
        EXPECT_EQ(cs.RetrogradeFlags[12], ' ');
    }
    FillChironTables(cs, 0, 200.0f, 201.0f);
    CalcChironFromTable(cs, 2415000.0, true, false);
    EXPECT_NEAR(cs.WorkLongitudes[13], 200.0, 1e-6);

    // A quiet run without Chiron leaves slot 13 as it stands; a run that
    // prints, or one that wants Chiron, looks it up.
    cs.WorkLongitudes[13] = 77;
    cs.WorkDeclinations[13] = 7;
    CalcChironFromTable(cs, 2415000.5, false, true);
    EXPECT_EQ(cs.WorkLongitudes[13], 77);
    EXPECT_EQ(cs.WorkDeclinations[13], 7);
    CalcChironFromTable(cs, 2415000.5, false, false);
    EXPECT_NEAR(cs.WorkLongitudes[13], 200.5, 1e-6);
    cs.WorkLongitudes[13] = 77;
    CalcChironFromTable(cs, 2415000.5, true, true);
    EXPECT_NEAR(cs.WorkLongitudes[13], 200.5, 1e-6);
}
