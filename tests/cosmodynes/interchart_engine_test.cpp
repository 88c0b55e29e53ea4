// The pair loop of the interchart engine: orb windows, the aspect ladder,
// body counts, skip rules, and the harmony and discord rules of each pair.
#include <gtest/gtest.h>

#include <cmath>

#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/interchart_pairs.h"
#include "interchart_test_charts.h"
#include "program_state.h"

namespace {

struct LadderCase {
    const char* what;
    int bodyA, houseA, bodyB, houseB;
    double separation;
    int code;
    double deviation, value;  // value = base - |deviation|
};

TEST(InterchartLadder, WindowsBasesAndEdges) {
    const LadderCase cases[] = {
        // Sun and Mars both angular: windows 4, 6, 8, 12, 15.
        {"sextile at its lower edge", 1, 1, 4, 4, 52, 3, -8, 0},
        {"sextile at its upper edge", 1, 1, 4, 4, 68, 3, 8, 0},
        {"just past the sextile", 1, 1, 4, 4, 68.01, 1, 0, 0},
        {"conjunction at its edge", 1, 1, 4, 4, 15, 2, 15, 0},
        {"just past the conjunction", 1, 1, 4, 4, 15.01, 1, 0, 0},
        {"trine below the split", 1, 1, 4, 4, 129.5, 5, 9.5, 2.5},
        {"sesquiquadrate past the split", 1, 1, 4, 4, 130.5, 10, -4.5, 1.5},
        {"exact opposition", 1, 1, 4, 4, 180, 6, 0, 15},
        // Others succedent: class-2 window 4, so 130.5 is no aspect.
        {"no sesquiquadrate with window 4", 4, 2, 6, 5, 130.5, 1, 0, 0},
        // Mercury cadent both sides: windows 1, 3, 5, 6, 8, bases 2, 4, 6, 8, 11.
        {"Mercury semi-sextile exact", 2, 3, 2, 6, 30, 8, 0, 2},
        {"Mercury window stays 1", 2, 3, 2, 6, 31.5, 1, 0, 0},
        {"Mercury opposition base 11", 2, 3, 2, 6, 176, 6, -4, 7},
        // Sun cadent with Saturn angular: Saturn's 3, 5, 7, 10, 12 in every class.
        {"Sun cadent, Saturn angular, semi-sextile", 1, 3, 6, 10, 33, 8, 3, 0},
        {"Sun cadent, Saturn angular, conjunction", 1, 3, 6, 10, 12, 2, 12, 0},
        // The angles take the angle row whatever the house says.
        {"Ascendant square", 14, 3, 14, 3, 100, 4, 10, 0},
        // A house out of range counts as cadent.
        {"house 0 is cadent", 3, 0, 4, 0, 6, 2, 6, 2},
    };
    for (const LadderCase& c : cases) {
        const OrbRow a = BodyOrbs(c.bodyA, c.houseA), b = BodyOrbs(c.bodyB, c.houseB);
        double w[6], base[6];
        for (int k = 1; k <= 5; ++k) {
            w[k] = std::max(a.window[k], b.window[k]);
            base[k] = std::max(a.base[k], b.base[k]);
        }
        double deviation = 0, classBase = 0;
        const int code = AspectLadder(c.separation, w, base, deviation, classBase);
        EXPECT_EQ(code, c.code) << c.what;
        if (code == 1) continue;
        EXPECT_NEAR(deviation, c.deviation, 1e-9) << c.what;
        EXPECT_NEAR(classBase - std::fabs(deviation), c.value, 1e-9) << c.what;
    }
}

TEST(InterchartLadder, HousesFromTheStrings) {
    const std::string houses = ictest::Houses({1, 12, 5, 10, 3, 4, 7, 8, 9, 11, 2, 6, 3, 1, 1});
    EXPECT_EQ(BodyHouse(houses, 1), 1);
    EXPECT_EQ(BodyHouse(houses, 2), 12);
    EXPECT_EQ(BodyHouse(houses, 13), 3);
    EXPECT_EQ(BodyHouse(houses, 14), 10);  // the angles stand in house 10
    EXPECT_EQ(BodyHouse(houses, 15), 10);
    EXPECT_EQ(BodyHouse("", 3), 0);
    EXPECT_EQ(BodyHouse(" 4", 1), 4);
}

TEST(InterchartPairs, FoldedSeparationAndChart21Houses) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.chart.NatalLongitudes[1] = 350;
    ps.chart.SecondLongitudes[10] = 10;
    ScoreInterchartPair(ps, 1, 10);
    EXPECT_DOUBLE_EQ(ps.interchart.Separation, 20);
    EXPECT_EQ(ps.interchart.AspectCode, 1);

    // "Cosmodynes put in natal chart?": chart B's house comes from chart A's string.
    ps.chart.HouseStringB = ictest::AllIn(3);
    ScoreInterchartPair(ps, 1, 10);
    EXPECT_EQ(ps.interchart.HouseB, 3);
    ps.scans.Check21 = 1;
    ScoreInterchartPair(ps, 1, 10);
    EXPECT_EQ(ps.interchart.HouseB, 1);
}

TEST(InterchartRun, BodyCountsNoonRuleAndAllBodies) {
    ProgramState ps;
    ictest::Blank(ps);
    int a = 0, b = 0;
    ps.chart.AnglesSetting = 2;
    InterchartBodyCounts(ps, a, b);
    EXPECT_EQ(a, 15);
    EXPECT_EQ(b, 15);
    ps.chart.NatalTime = 12.00f;
    ps.chart.NatalAmPm = "P.M.";
    InterchartBodyCounts(ps, a, b);
    EXPECT_EQ(a, 13);
    EXPECT_EQ(b, 15);
    ps.chart.AnglesSetting = 0;
    ps.scans.UseAllBodies = -1;
    InterchartBodyCounts(ps, a, b);
    EXPECT_EQ(a, 15);
    EXPECT_EQ(b, 13);
    ps.chart.AnglesSetting = 9;  // held to 15
    ps.scans.UseAllBodies = 0;
    ps.chart.NatalTime = 9.30f;
    InterchartBodyCounts(ps, a, b);
    EXPECT_EQ(a, 15);
}

// Every pair conjunct: the pairs that get power are the pairs the loop visits.
TEST(InterchartRun, SkipRules) {
    ProgramState ps;
    ictest::Blank(ps);
    for (int b = 1; b <= 15; ++b) ps.chart.SecondLongitudes[b] = 0;
    ps.chart.AnglesSetting = 2;
    ps.chart.UseChiron = false;
    ps.people.OuterPlanetsChecked = 0;
    InterchartCosmodynes(ps);
    const auto& m = ps.interchart.PairPowerMatrix;
    for (int k = 1; k <= 15; ++k) {
        for (int node : {11, 12, 13}) {
            EXPECT_EQ(m[node][k], 0) << node << " " << k;
            EXPECT_EQ(m[k][node], 0) << k << " " << node;
        }
    }
    EXPECT_EQ(m[7][9], 0);   // Uranus with Pluto: both outer
    EXPECT_GT(m[7][6], 0);   // Uranus with Saturn is scored
    EXPECT_GT(m[1][1], 0);   // the same body in both charts counts
    EXPECT_GT(m[15][15], 0);

    ps.chart.UseChiron = true;
    ps.people.OuterPlanetsChecked = 1;
    InterchartCosmodynes(ps);
    EXPECT_GT(ps.interchart.PairPowerMatrix[13][1], 0);
    EXPECT_GT(ps.interchart.PairPowerMatrix[7][9], 0);
    EXPECT_EQ(ps.interchart.PairPowerMatrix[11][1], 0);
    // A fresh run starts from zero.
    EXPECT_EQ(ps.interchart.PairPowerMatrix[12][12], 0);
}

// One aspect of (i, j), every body in house 1: v = 10 for the other bodies'
// conjunctions 2 degrees wide, oppositions 2 degrees short and exact squares
// and trines; 12 for the Sun and Moon conjunct 3 degrees wide.
struct RuleCase {
    const char* what;
    int i, j;
    double separation;
    float option238;
    int bestDays, benefics;
    double harmonyA, discordA;  // chart A's body i; chart B's body j gets the same
};

TEST(InterchartPairs, PairRules) {
    // Sun/Moon angular conj window 15 base 15; others angular base 12 (class 5).
    const RuleCase cases[] = {
        {"Moon conjunct Sun: full harmony", 10, 1, 3, 2, 0, 0, 12, 0},
        {"Sun conjunct Venus", 1, 3, 3, 2, 0, 0, 12, 0},
        {"Sun conjunct Jupiter: half", 1, 5, 3, 2, 0, 0, 6, 0},
        {"Mars conjunct Saturn: half discord", 4, 6, 2, 2, 0, 0, 0, 5},
        {"Pluto conjunct Ascendant", 9, 14, 2, 2, 0, 0, 0, 5},
        {"Sun conjunct Mercury: power only", 1, 2, 3, 2, 0, 0, 0, 0},
        {"opposition, option 0", 4, 6, 178, 0, 0, 0, 0, 0},
        {"opposition, option 1, Sun-Mercury (v = 13)", 1, 2, 178, 1, 0, 0, 0, 13},
        {"opposition, option 2 in best days", 1, 2, 178, 2, 1, 0, 0, 13},
        {"opposition, option 2, Saturn-Saturn", 6, 6, 178, 2, 0, 0, 0, 0},
        {"opposition, option 2, Mars-Saturn: one row", 4, 6, 178, 2, 0, 0, 0, 10},
        {"opposition, option 2, Venus-Jupiter", 3, 5, 178, 2, 0, 0, 10, 0},
        {"opposition, option 2, Mercury-Venus (base 15)", 2, 3, 178, 2, 0, 0, 3.25, 0},
        {"opposition, option 2, Sun-Moon", 1, 10, 176, 2, 0, 0, 5.5, 0},
        {"opposition, option 2, Venus-Mars", 3, 4, 178, 2, 0, 0, 0, 0},
        {"Venus conjunct Pluto, benefics, option 2", 3, 9, 2, 2, 0, 1, 0, 0},
        {"Venus conjunct Pluto, benefics, option 1", 3, 9, 2, 1, 0, 1, 2.5, 0},
        {"Venus trine Pluto, benefics", 3, 9, 120, 2, 0, 1, 10 + 2.5, 0},
        {"Jupiter conjunct Jupiter, benefics", 5, 5, 2, 2, 0, 1, 0, 0},
        {"Jupiter conjunct Jupiter, best days", 5, 5, 2, 2, 1, 1, 5, 0},
        {"Jupiter square Jupiter, benefics", 5, 5, 90, 2, 0, 1, 5, 10},
        {"Jupiter square Saturn, benefics", 5, 6, 90, 2, 0, 1, 5, 10 + 5},
        {"Venus sextile Jupiter, benefics (v = 7)", 3, 5, 60, 2, 0, 1, 7 + 3.5 + 1.75, 0},
        {"Saturn conjunct Saturn, benefics", 6, 6, 2, 2, 0, 1, 0, 0},
        {"Mars square Mars, benefics: the Mars row once", 4, 4, 90, 2, 0, 1, 0, 10 + 2.5},
    };
    for (const RuleCase& c : cases) {
        ProgramState ps;
        ictest::Blank(ps);
        ps.settings.OptionValues[238] = c.option238;
        ps.scans.BestDaysMode = c.bestDays;
        ps.people.BeneficsMaleficsChecked = c.benefics;
        ps.chart.SecondLongitudes[c.j] = c.separation;
        ScoreInterchartPair(ps, c.i, c.j);
        const InterchartState& ic = ps.interchart;
        EXPECT_DOUBLE_EQ(ps.cosmodynes.Harmony[c.i], c.harmonyA) << c.what;
        EXPECT_DOUBLE_EQ(ps.cosmodynes.Discord[c.i], c.discordA) << c.what;
        EXPECT_DOUBLE_EQ(ic.HarmonyB[c.j], c.harmonyA) << c.what;
        EXPECT_DOUBLE_EQ(ic.DiscordB[c.j], c.discordA) << c.what;
        EXPECT_FLOAT_EQ(ic.PairHarmonyMatrix[c.i][c.j], static_cast<float>(c.harmonyA - c.discordA)) << c.what;
        EXPECT_DOUBLE_EQ(ic.PairNetHarmony, c.harmonyA - c.discordA) << c.what;
        EXPECT_GT(ps.cosmodynes.AspectPower[c.i], 0) << c.what;
        EXPECT_DOUBLE_EQ(ic.PowerB[c.j], ps.cosmodynes.AspectPower[c.i]) << c.what;
    }
}

TEST(InterchartPairs, Parallels) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.people.BeneficsMaleficsChecked = 0;
    // +20.5 against -20.0: d = 0.5; Sun in house 1 (15) against Saturn in house 3 (8).
    ps.chart.NatalDeclinations[1] = 20.5;
    ps.chart.SecondDeclinations[6] = -20.0;
    ps.chart.HouseStringB = ictest::AllIn(3);
    ScoreInterchartPair(ps, 1, 6);
    EXPECT_EQ(ps.interchart.AspectCode, 1);
    EXPECT_DOUBLE_EQ(ps.interchart.ParallelBase, 15);
    EXPECT_DOUBLE_EQ(ps.interchart.AspectValue, 7.5);
    EXPECT_DOUBLE_EQ(ps.cosmodynes.AspectPower[1], 7.5);
    EXPECT_DOUBLE_EQ(ps.interchart.PowerB[6], 7.5);
    EXPECT_FLOAT_EQ(ps.interchart.PairPowerMatrix[1][6], 7.5f);

    // d = 1.0 exactly: no parallel.
    ProgramState q;
    ictest::Blank(q);
    q.chart.NatalDeclinations[1] = 21.0;
    q.chart.SecondDeclinations[6] = 20.0;
    ScoreInterchartPair(q, 1, 6);
    EXPECT_EQ(q.interchart.AspectValue, 0);

    // Benefics ticked, Jupiter with Saturn in parallel (both angular, base 12,
    // d = 0): harmony p/2, discord p/2.
    ProgramState r;
    ictest::Blank(r);
    r.chart.SecondDeclinations[6] = 0;
    ScoreInterchartPair(r, 5, 6);
    EXPECT_DOUBLE_EQ(r.interchart.AspectValue, 12);
    EXPECT_DOUBLE_EQ(r.cosmodynes.Harmony[5], 6);
    EXPECT_DOUBLE_EQ(r.cosmodynes.Discord[5], 6);
}

TEST(InterchartPairs, ListingShowsTheParallelsWholeNetCredit) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.chart.QuietMode = 0;
    ps.interchart.ListEachAspect = 1;
    // Venus (A) trine Jupiter (B) and in parallel: two lines.
    ps.chart.SecondLongitudes[5] = 120;
    ps.chart.SecondDeclinations[5] = 0;
    ScoreInterchartPair(ps, 3, 5);
    ASSERT_EQ(ps.output.OutputLineCount, 2);
    // Trine: v = 10, harmony 10 + 5 + 2.5.
    EXPECT_EQ(ps.output.OutputBuffer[0], "  VENUS     trine       JUPITER     10.00      17.50");
    // Parallel: p = 12, Jupiter 6 and Venus 3: net 9 (not only the last credit).
    EXPECT_EQ(ps.output.OutputBuffer[1], "  VENUS     PARALLEL    JUPITER     12.00       9.00");
    EXPECT_DOUBLE_EQ(ps.interchart.PairNetHarmony, 26.5);
}

// A discord too small to show still prints in the harmony column's width.
TEST(InterchartPairs, ListingLinesKeepTheirColumnsForSmallDiscords) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.chart.QuietMode = 0;
    ps.interchart.ListEachAspect = 1;
    // Mars square Mars 9.997 degrees wide (window and base 10): v = 0.003,
    // net -(v + v/4).
    ps.chart.SecondLongitudes[4] = 99.997;
    ScoreInterchartPair(ps, 4, 4);
    ASSERT_EQ(ps.output.OutputLineCount, 1);
    EXPECT_EQ(ps.output.OutputBuffer[0], "  MARS      square      MARS         0.00      -0.00");
}

}  // namespace
