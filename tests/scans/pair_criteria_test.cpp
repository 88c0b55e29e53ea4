// The composite and synastry criteria: windows, edges, the "A" mark, the
// orbs' single precision, the day's heading and the verdict.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_run_setup.h"
#include "program_state.h"
#include "scans/pair_criteria.h"
#include "test_support.h"

namespace {

struct CriteriaTest : ::testing::Test {
    ProgramState ps;
    void SetUp() override {
        testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
        ps.chart.DateText = "12/06/2026";
        ps.settings.DateOrder = 0;
    }
    const PairCriterion& Composite(int n) { return CompositeCriteria()[n - 1]; }
    const PairCriterion& Synastry(int row) { return SynastryCriteria()[row - 1]; }
};

TEST_F(CriteriaTest, CompositeSunMoonWindowsIncludeTheirEdges) {
    ps.settings.OptionValues[53] = 6;
    const struct { double sep; int code; } cases[] = {
        {54, 3}, {66, 3}, {53.99, 1}, {66.01, 1}, {114, 5}, {126, 5}, {113.9, 1}, {174, 6}, {180, 6},
        {173.9, 1}, {6, 2}, {0, 2}, {6.01, 1}, {90, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PairAspectCode(ps, Composite(1), 100 + c.sep, 100, false), c.code) << c.sep;
        // Either direction, and across 0 Aries: a separation above 180 folds.
        EXPECT_EQ(PairAspectCode(ps, Composite(1), 100, 100 + c.sep, false), c.code) << c.sep;
        EXPECT_EQ(PairAspectCode(ps, Composite(1), 350, std::fmod(350 + c.sep, 360.0), false), c.code) << c.sep;
    }
    EXPECT_DOUBLE_EQ(ps.scans.Separation, 90);
    EXPECT_EQ(ps.scans.SignOrCode, 1);
}

TEST_F(CriteriaTest, WideOrbsLetTheLaterTestWin) {
    ps.settings.OptionValues[53] = 35;
    EXPECT_EQ(PairAspectCode(ps, Composite(1), 30, 0, false), 2);  // sextile, then conjunction
    EXPECT_EQ(PairAspectCode(ps, Composite(1), 90, 0, false), 5);  // sextile, then trine
    ps.settings.OptionValues[53] = 0;
    EXPECT_EQ(PairAspectCode(ps, Composite(1), 60, 0, false), 3);
    EXPECT_EQ(PairAspectCode(ps, Composite(1), 60.0001, 0, false), 1);
    ps.settings.OptionValues[53] = -1;  // a negative orb empties every window
    for (double sep : {0.0, 60.0, 120.0, 180.0}) EXPECT_EQ(PairAspectCode(ps, Composite(1), sep, 0, false), 1);
}

TEST_F(CriteriaTest, MarkRuleTurnsOppositionIntoConjunction) {
    ps.settings.OptionValues[53] = 6;
    // Natal Moon 0, day Moon 170: marked "A". Natal Sun 10, day Sun 10.
    std::array<double, 16> natal{};
    std::array<double, 14> day{};
    natal[1] = 10, day[1] = 10, natal[10] = 0, day[10] = 170;
    DayComposite dc = ComputeDayComposite(natal, day);
    EXPECT_EQ(dc.MidpointMarks[9], 'A');
    EXPECT_EQ(dc.MidpointMarks[0], ' ');
    EXPECT_DOUBLE_EQ(dc.Longitudes[10], 85);
    ps.scans.ParamsChecks = {};
    ps.scans.ParamsChecks[1] = 1;
    ps.scans.BatchMode = 1;
    // Composite Sun 10 + 180 apart from composite Moon 190: opposition, marked.
    EXPECT_TRUE(TestPairCriterion(ps, Composite(1), 10, 190, true));
    EXPECT_EQ(ps.output.CurrentLine, "     Composite Sun conjunct composite Moon.\r\n");
    ps.scans.FirstHitDone = 0;
    EXPECT_TRUE(TestPairCriterion(ps, Composite(1), 10, 190, false));
    EXPECT_EQ(ps.output.CurrentLine, "     Composite Sun opposite composite Moon.\r\n");
}

TEST_F(CriteriaTest, DayCompositeMidpointsAndMarks) {
    std::array<double, 16> natal{};
    std::array<double, 14> day{};
    natal[1] = 10, day[1] = 350;  // d 340: c moved by 180 to 360, normalised to 0; folds to 20
    natal[2] = 0, day[2] = 160;   // c 80, d 160: marked without a move
    natal[3] = 100, day[3] = 280; // d exactly 180: c 190, |c-a| 90 not above 90: no move; marked
    DayComposite dc = ComputeDayComposite(natal, day);
    EXPECT_DOUBLE_EQ(dc.Longitudes[1], 0);
    EXPECT_EQ(dc.MidpointMarks[0], ' ');
    EXPECT_DOUBLE_EQ(dc.Longitudes[2], 80);
    EXPECT_EQ(dc.MidpointMarks[1], 'A');
    EXPECT_DOUBLE_EQ(dc.Longitudes[3], 190);
    EXPECT_EQ(dc.MidpointMarks[2], 'A');
}

TEST_F(CriteriaTest, VenusMarsConjunctionCountsNearOppositionWithItsFixedText) {
    ps.settings.OptionValues[51] = 3;
    ps.scans.ParamsChecks[6] = 1;
    ps.scans.BatchMode = 1;
    EXPECT_TRUE(TestPairCriterion(ps, Composite(6), 0, 178, false));
    EXPECT_EQ(ps.output.CurrentLine, "     Composite Venus conjunct composite Mars.\r\n");
    EXPECT_EQ(ps.scans.DayHitCount, 1);
    ps.scans.ParamsChecks[6] = 2;  // greyed: not ticked
    EXPECT_FALSE(TestPairCriterion(ps, Composite(6), 0, 178, false));
}

TEST_F(CriteriaTest, SynastrySextileBoundIsSinglePrecision) {
    ps.settings.OptionValues[50] = 4;
    ps.settings.OptionValues[57] = 8;
    // 56 - 1e-9 rounds to 56.0f: inside the sextile window in single precision.
    EXPECT_EQ(PairAspectCode(ps, Synastry(1), 56 - 1e-9, 0, false), 3);
    EXPECT_EQ(PairAspectCode(ps, Synastry(1), 55.999, 0, false), 1);
    // The composite sextile compares the double separation with the bound.
    ps.settings.OptionValues[53] = 4;
    EXPECT_EQ(PairAspectCode(ps, Composite(1), 56 - 1e-9, 0, false), 1);
    // Option 57 moves the trine of rows gated by Check9..Check14 only.
    EXPECT_EQ(PairAspectCode(ps, Synastry(1), 127.5, 0, false), 5);
    EXPECT_EQ(PairAspectCode(ps, Synastry(7), 127.5, 0, false), 1);
}

TEST_F(CriteriaTest, SynastryTableShapeAndTexts) {
    const auto& rows = SynastryCriteria();
    EXPECT_EQ(rows[0].Gate, 9);
    EXPECT_EQ(rows[22].BodyX, 10);  // row 23: your Moon, other's Sun
    EXPECT_EQ(rows[22].BodyY, 1);
    int opposition = 0;
    for (const auto& r : rows) {
        if (r.Aspects & kOpposition) ++opposition;
        EXPECT_EQ(r.SextileOrbOption, 50);
        EXPECT_EQ(r.OrbOption, (r.Gate >= 9 && r.Gate <= 14) ? 57 : 55);
        EXPECT_FALSE(r.MarkRule);
    }
    EXPECT_EQ(opposition, 4);
    EXPECT_STREQ(rows[27].FixedText, "     Your Mars conjunct other's Venus.");
}

TEST_F(CriteriaTest, DayEntryHeadingCountAndVerdict) {
    // Everything at 0: all bodies conjunct, so each ticked criterion with a
    // conjunction holds.
    ps.settings.OptionValues[51] = 5, ps.settings.OptionValues[53] = 6;
    ps.settings.OptionValues[55] = 6, ps.settings.OptionValues[57] = 8, ps.settings.OptionValues[50] = 4;
    ps.chart.NatalLongitudes = {};
    std::array<double, 14> day{};
    ps.scans.ParamsChecks = {};
    ps.scans.ParamsChecks[1] = ps.scans.ParamsChecks[9] = 1;  // composite Sun-Moon; Sun-Moon both ways
    ps.scans.DaySummary = "Ann and Bob  P = 1.00";
    ps.scans.ParamsText1 = "3";
    ps.output.CurrentLine = "left over";
    RunDayCriteria(ps, day);
    EXPECT_EQ(ps.scans.DayHitCount, 3);
    const std::string expected =
        "  06 Dec 2026: Ann and Bob  P = 1.00\r\n"
        "     Composite Sun conjunct composite Moon.\r\n"
        "     Your Sun conjunct other's Moon.\r\n"
        "     Your Moon conjunct other's Sun.\r\n";
    EXPECT_EQ(ps.output.CurrentLine, expected);
    ASSERT_EQ(ps.output.OutputLineCount, 1);
    EXPECT_EQ(ps.output.OutputBuffer[0], expected);

    // Batch mode: the first criterion follows the summary on its line; a
    // threshold of 3.5 drops the day.
    ps.scans.FirstHitDone = 0;
    ps.scans.BatchMode = 1;
    ps.scans.ParamsText1 = "3.5";
    RunDayCriteria(ps, day);
    EXPECT_EQ(ps.output.CurrentLine.substr(0, 30), "Ann and Bob  P = 1.00     Comp");
    EXPECT_EQ(ps.output.OutputLineCount, 1);

    // A threshold that is no number appends a day without hits as it stands.
    ps.scans.ParamsChecks = {};
    ps.scans.ParamsText1 = "x";
    ps.output.CurrentLine = "pair line";
    RunDayCriteria(ps, day);
    ASSERT_EQ(ps.output.OutputLineCount, 2);
    EXPECT_EQ(ps.output.OutputBuffer[1], "pair line");
}

TEST_F(CriteriaTest, DefaultsOfTheCriteriaBoxes) {
    const ScanState fresh;
    std::string ticked;
    for (int n = 1; n <= 33; ++n)
        if (fresh.ParamsChecks[n] == 1) ticked += std::to_string(n) + " ";
    EXPECT_EQ(ticked, "1 2 3 4 5 7 8 9 10 11 12 13 14 15 17 18 22 23 24 32 33 ");
    EXPECT_EQ(fresh.ParamsText1, "5");
    EXPECT_EQ(fresh.Check20, 1);
    EXPECT_EQ(fresh.Check21, 0);
}

}  // namespace
