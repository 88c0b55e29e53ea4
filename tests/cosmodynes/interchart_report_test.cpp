// The report stage: ranks and totals, the heading's name cuts, and the quiet
// runs' summary, batch and dated lines and sums.
#include <gtest/gtest.h>

#include <string>

#include "couple_fixtures.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/interchart_report.h"
#include "interchart_test_charts.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

std::string Row(const ProgramState& ps, const std::string& name) {
    for (int k = 0; k < ps.output.OutputLineCount; ++k)
        if (ps.output.OutputBuffer[k].rfind("  " + name, 0) == 0) return ps.output.OutputBuffer[k];
    return "";
}

TEST(InterchartReport, RanksShareAndSkipAndChironEntersOnlyTheProducts) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.chart.QuietMode = 0;
    ps.chart.UseChiron = false;
    auto& a = ps.cosmodynes;
    a.AspectPower[1] = 5, a.AspectPower[2] = 5, a.AspectPower[3] = 3;
    a.AspectPower[13] = 2, a.Harmony[13] = 3;
    InterchartReport(ps, 13);
    EXPECT_EQ(Row(ps, "SUN").substr(12, 12), "   5.00 ( 1)");
    EXPECT_EQ(Row(ps, "MERCURY").substr(12, 12), "   5.00 ( 1)");
    EXPECT_EQ(Row(ps, "VENUS").substr(12, 12), "   3.00 ( 3)");
    EXPECT_EQ(Row(ps, "MARS").substr(12, 12), "   0.00 ( 4)");
    EXPECT_EQ(Row(ps, "SUN").size(), 73u);
    EXPECT_EQ(Row(ps, "CHIRON"), "");
    EXPECT_DOUBLE_EQ(ps.interchart.LastDualTotalA, 13);
    EXPECT_EQ(ps.scans.DayLines[0][2], "P*H = 6.00 and 0.00");
    EXPECT_EQ(ps.scans.DayLines[0][1], "Power = 13.00   Harmony = 0.00");
    EXPECT_EQ(ps.scans.DayLines[0][0], "02 Nov 1965");
    EXPECT_EQ(ps.scans.DayValues[0][0][1], 0.0f);
    EXPECT_EQ(ps.scans.DayValues[0][1][1], 1.0f);
    // The totals stand under the value columns.
    EXPECT_EQ(Row(ps, "TOTALS"), "  TOTALS      13.00            0.00             0.00            0.00");
}

TEST(InterchartReport, HeadingNameCuts) {
    struct Case {
        int collect, venus, pass;
        std::string a, b, expected;
    };
    const std::string n31(31, 'a'), n32(32, 'b'), n40(40, 'c'), n16(16, 'd');
    const Case cases[] = {
        {0, 0, 1, n40, "Ben", "              " + n40.substr(0, 32) + " Ben"},
        {1, 0, 1, n31, "Ben", "              " + n31 + "  Composite chart"},
        {1, 0, 1, n32, "Ben", "              " + n32.substr(0, 16) + std::string(17, ' ') + "Composite chart"},
        {1, 0, 2, "Ann", n40, "              " + n40 + std::string(17, ' ') + "Composite chart"},
        {1, 1, 1, n16 + "x", "Ben", "              " + n16 + "'s Venus Zodiac " + " Ben"},
        {1, 1, 2, "Ann", n40, "              " + n40 + "'s Venus Zodiac " + " Ann"},
        {1, 1, 1, "Ann", "Ben", "              Ann's Venus Zodiac               Ben"},
    };
    for (const Case& c : cases) {
        ProgramState ps;
        ictest::Blank(ps);
        ps.interchart.CollectWhoLoves = c.collect;
        ps.interchart.VenusAspectsMode = c.venus;
        ps.interchart.DualPass = c.pass;
        ps.chart.ChartName = c.a;
        ps.people.SecondPersonCaption = c.b;
        EXPECT_EQ(ReportHeadingLine(ps), c.expected) << c.a << " / " << c.b;
    }
}

class QuietRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixtures::ComputeCouple(ps, fixtures::NorthCouple());
        ps.chart.QuietMode = 1;
        ps.people.NatalEmailText = "alice@example.org";
        ps.people.SecondEmailText = "bruno@example.org";
        ps.scans.BatchLines.assign(1, "");
    }
    std::string Figures() const {
        const double p = ps.interchart.LastDualTotalA, h = ps.interchart.LastDualTotalB;
        return Format(p, "0.00") + "," + Format(h, "0.00") + "," + Format(p * h, "0.00");
    }
    ProgramState ps;
};

TEST_F(QuietRunTest, DatedBatchLineAndCommaLine) {
    ps.scans.DatedLines = 1;
    InterchartCosmodynes(ps);
    ASSERT_EQ(ps.scans.BatchLineCount, 1);
    ASSERT_GE(ps.scans.BatchLines.size(), 2u);
    const std::string& line = ps.scans.BatchLines[0];
    const std::string names = "  Alice (14 Mar 1962, alice@example.org) and Bruno (02 Nov 1965, bruno@example.org)";
    EXPECT_EQ(line.substr(0, names.size()), names);
    EXPECT_EQ(line.substr(names.size(), 125 - names.size()), std::string(125 - names.size(), ' '));
    EXPECT_EQ(line.substr(125, 3), "P =");
    EXPECT_NEAR(Val(line.substr(line.size() - 7)), ps.interchart.LastDualTotalB, 0.005);
    ASSERT_EQ(ps.output.OutputLineCount, 1);
    EXPECT_EQ(ps.output.OutputBuffer[0],
              "  Alice (14 Mar 1962),alice@example.org,Bruno (02 Nov 1965)," + Figures());
    EXPECT_EQ(ps.scans.BatchPairCount, 1);
}

TEST_F(QuietRunTest, UndatedRunRewritesTheSummaryWithTheSecondPersonsDate) {
    InterchartCosmodynes(ps);
    const std::string& line = ps.scans.BatchLines[0];
    EXPECT_EQ(line.substr(0, 58), "  Alice and Bruno (02 Nov 1965, bruno@example.org)" + std::string(8, ' '));
    // 80, then "P =" and P, "   (P*H = " and P*H in 9, ")", "   H =" and H.
    EXPECT_EQ(line.size(), 80 + 3 + 7 + 10 + 9 + 1 + 6 + 7u);
    const size_t p = line.find("P = ");
    EXPECT_EQ(ps.output.CurrentLine, "Alice and Bruno (02 Nov 1965)," + line.substr(p - 1));
    EXPECT_EQ(ps.output.OutputLineCount, 0);
}

TEST_F(QuietRunTest, TransitsKeepTheSummaryAndADatedLineStillCloses) {
    ps.people.SecondPersonChecked = 0;
    InterchartCosmodynes(ps);
    const std::string summary = ps.output.CurrentLine;
    EXPECT_EQ(summary.substr(0, 10), std::string(10, ' '));  // no "," in the batch line: unchanged
    EXPECT_EQ(ps.scans.BatchLines[0], "  Alice and TRANSITS (02 Nov 1965)" + summary);

    // A dated run without a second person: the second part ends at its ")".
    ps.scans.DatedLines = 1;
    InterchartCosmodynes(ps);
    ASSERT_EQ(ps.output.OutputLineCount, 1);
    EXPECT_EQ(ps.output.OutputBuffer[0],
              "  Alice (14 Mar 1962),alice@example.org,TRANSITS (02 Nov 1965)," + Figures());
}

TEST_F(QuietRunTest, BestDaysKeepTheSummaryFileNothingAndSumTheRuns) {
    ps.scans.BestDaysMode = 1;
    InterchartCosmodynes(ps);
    const double p = ps.interchart.LastDualTotalA, h = ps.interchart.LastDualTotalB;
    InterchartCosmodynes(ps);
    EXPECT_EQ(ps.scans.BatchLineCount, 0);
    EXPECT_EQ(ps.scans.BatchLines[0], "");
    EXPECT_EQ(ps.scans.BatchPairCount, 2);
    EXPECT_DOUBLE_EQ(ps.scans.BatchPowerSum, 2 * p);
    EXPECT_DOUBLE_EQ(ps.scans.BatchHarmonySum, 2 * h);
    EXPECT_DOUBLE_EQ(ps.scans.BatchPHSum, 2 * p * h);
    const std::string& s = ps.output.CurrentLine;
    EXPECT_EQ(s.find("P ="), 80 - std::string("  Alice and Bruno (02 Nov 1965, bruno@example.org)").size());
    EXPECT_NEAR(Val(s.substr(s.size() - 7)), h, 0.005);
    EXPECT_EQ(ps.output.OutputLineCount, 0);
}

TEST_F(QuietRunTest, LongNamesAndLongBatches) {
    // A names part wider than the pad: no blanks, H still last.
    ps.chart.ChartName = std::string(90, 'X');
    ps.scans.BatchLineCount = 40000;
    InterchartCosmodynes(ps);
    EXPECT_EQ(ps.scans.BatchLineCount, 40001);
    const std::string& line = ps.scans.BatchLines[40000];
    EXPECT_EQ(line.find("P ="), line.find(')') + 1);
    EXPECT_NEAR(Val(line.substr(line.size() - 7)), ps.interchart.LastDualTotalB, 0.005);
    ps.scans.BatchPairCount = 32767;
    InterchartCosmodynes(ps);
    EXPECT_EQ(ps.scans.BatchPairCount, 32768);
}

}  // namespace
