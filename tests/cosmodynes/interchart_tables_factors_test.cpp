// The power and harmony tables, the important factors and the aspects within
// one degree, and the dual-cosmodyne pages' swapping of the charts.
#include <gtest/gtest.h>

#include <string>

#include "app/output_buffer.h"
#include "couple_fixtures.h"
#include "cosmodynes/dual_cosmodynes.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/interchart_factors.h"
#include "cosmodynes/interchart_pairs.h"
#include "cosmodynes/interchart_tables.h"
#include "interchart_test_charts.h"
#include "program_state.h"

namespace {

TEST(InterchartTables, CellsAndHeadings) {
    EXPECT_EQ(TableCell(0.004f), "  ---- ");
    EXPECT_EQ(TableCell(-0.004f), "  ---- ");
    EXPECT_EQ(TableCell(0.0f), "  ---- ");
    EXPECT_EQ(TableCell(0.005f), "  0.01 ");
    EXPECT_EQ(TableCell(12.5f), " 12.50 ");
    EXPECT_EQ(TableCell(-3.25f), " -3.25 ");
    EXPECT_EQ(TableCell(-15.57f), "-15.57 ");

    const std::string base = "Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
    EXPECT_EQ(TableHeading("POWER", 13, true), "POWER   " + base + "    Chi");
    EXPECT_EQ(TableHeading("POWER", 13, false), "POWER   " + base);
    EXPECT_EQ(TableHeading("POWER", 14, true), "POWER   " + base + "    Chi    Asc");
    EXPECT_EQ(TableHeading("HARMONY", 14, false), "HARMONY " + base + "    Asc");
    EXPECT_EQ(TableHeading("HARMONY", 15, true), "HARMONY " + base + "    Chi    Asc     MC");
    EXPECT_EQ(TableHeading("POWER", 15, false), "POWER   " + base + "    Asc     MC");
}

TEST(InterchartTables, AnglesRowsAndCaptions) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.chart.QuietMode = 0;
    ps.chart.AnglesSetting = 2;
    ps.interchart.CollectWhoLoves = 1;
    ps.interchart.VenusAspectsMode = 1;
    ps.interchart.DualPass = 2;
    InterchartCosmodynes(ps);
    const OutputState& out = ps.output;
    int asc = -1, mc = -1, left = -1, top = -1, power = out.OutputLineCount;
    for (int k = 0; k < out.OutputLineCount; ++k) {
        if (out.OutputBuffer[k].rfind("  POWER", 0) == 0) power = k;
        const std::string& l = out.OutputBuffer[k];
        if (k > power && l.rfind("  Asc  ", 0) == 0 && asc < 0) asc = k;
        if (k > power && l.rfind("  MC   ", 0) == 0 && mc < 0) mc = k;
        if (l == "  Planets down left edge are Ben Beta's Venus Zodiac planets.") left = k;
        if (l == "  Planets across the top are Ann Alpha's planets.") top = k;
    }
    ASSERT_GT(asc, 0);
    EXPECT_EQ(mc, asc + 1);
    EXPECT_GT(left, 0);
    EXPECT_EQ(top, left + 1);
    // Fourteen cells a row: ten planets, Chiron and the two angles.
    EXPECT_EQ(out.OutputBuffer[mc].size(), 7u + 13 * 7);
}

TEST(InterchartFactors, PairsAndTheOneDegreeList) {
    EXPECT_TRUE(IsImportantFactor(3, 10, false));
    EXPECT_TRUE(IsImportantFactor(14, 14, false));
    EXPECT_FALSE(IsImportantFactor(10, 14, true));
    EXPECT_FALSE(IsImportantFactor(1, 13, false));
    EXPECT_TRUE(IsImportantFactor(13, 1, true));

    struct Case {
        const char* what;
        int i, j;
        double bLongitude, bDeclination;
        std::string factors, within;
    };
    const Case cases[] = {
        // v = 11.6; Venus adds a quarter.
        {"Venus trine Moon, 0.4 off", 3, 10, 120.4, 30, "  VENUS     MOON        11.60      14.50\r\n",
         "  VENUS     MOON        11.60      14.50\r\n"},
        {"Sun conjunct Jupiter, 0.4 off", 1, 5, 0.4, 30, "", "  SUN       JUPITER     14.60      14.60 (conjunct)\r\n"},
        {"Mars square Saturn, 0.4 off", 4, 6, 90.4, 30, "", "  MARS      SATURN       9.60     -16.80\r\n"},
        {"a deviation of 1.0 is not within", 4, 6, 91, 30, "", ""},
        {"a parallel alone is not within", 3, 10, 20, 0.5, "  VENUS     MOON         7.50       1.88\r\n", ""},
        {"a factor pair without power", 3, 10, 20, 30, "", ""},
        {"Chiron pairs with Chiron off", 1, 13, 120, 30, "", "  SUN       CHIRON      12.00      12.00\r\n"},
    };
    for (const Case& c : cases) {
        ProgramState ps;
        ictest::Blank(ps);
        ps.chart.QuietMode = 0;
        ps.chart.UseChiron = c.j != 13;
        ps.chart.SecondLongitudes[c.j] = c.bLongitude;
        ps.chart.SecondDeclinations[c.j] = c.bDeclination;
        // An earlier pair with an aspect: its deviation must not carry over.
        ps.chart.SecondLongitudes[2] = 0.2;
        ScoreInterchartPair(ps, 1, 2);
        ps.interchart.WithinOneDegreeText.clear();
        ScoreInterchartPair(ps, c.i, c.j);
        CollectFactors(ps, c.i, c.j);
        EXPECT_EQ(ps.interchart.ImportantFactorsText, c.factors) << c.what;
        EXPECT_EQ(ps.interchart.WithinOneDegreeText, c.within) << c.what;
    }
}

TEST(InterchartFactors, HeadingCountsAndNoteFollowTheBoxes) {
    ProgramState ps;
    ictest::Blank(ps);
    ps.chart.QuietMode = 0;
    ps.chart.UseChiron = false;
    ps.scans.NamesCheck3 = 0;
    InterchartCosmodynes(ps);
    const std::string& clip = ps.interchart.ClipboardReportText;
    EXPECT_NE(clip.find("  Important Factors In Synastry (11 total):\r\n"), std::string::npos);
    EXPECT_EQ(clip.find("(mutual receptions"), std::string::npos);
    // The column heading stands only above the within-one-degree list.
    const size_t columns = clip.find("                        Power     Harmony");
    EXPECT_GT(columns, clip.find("Within 1 Degree"));
    EXPECT_EQ(clip.find("Power     Harmony", columns + 30), std::string::npos);
}

TEST(DualCosmodynes, ChartsComeBackAndVenusStandsAtZero) {
    for (auto run : {DualCompositeCosmodynes, DualVenusZodiacCosmodynes}) {
        ProgramState ps;
        fixtures::ComputeCouple(ps, fixtures::SouthCouple());
        const ChartState before = ps.chart;
        run(ps);
        const ChartState& after = ps.chart;
        EXPECT_EQ(after.NatalLongitudes, before.NatalLongitudes);
        EXPECT_EQ(after.NatalDeclinations, before.NatalDeclinations);
        EXPECT_EQ(after.SecondLongitudes, before.SecondLongitudes);
        EXPECT_EQ(after.SecondDeclinations, before.SecondDeclinations);
        EXPECT_EQ(after.HouseStringA, before.HouseStringA);
        EXPECT_EQ(after.HouseStringB, before.HouseStringB);
        EXPECT_EQ(ps.interchart.DualPass, 2);
        EXPECT_EQ(ps.interchart.ListEachAspect + ps.interchart.CollectWhoLoves + ps.interchart.VenusAspectsMode, 0);
    }
    std::array<double, 16> chart{};
    chart[3] = 123.5;
    chart[1] = 113.5;
    chart[2] = 10;
    const auto turned = VenusZodiacLongitudes(chart);
    EXPECT_DOUBLE_EQ(turned[3], 0);
    EXPECT_DOUBLE_EQ(turned[1], 350);
    EXPECT_DOUBLE_EQ(turned[2], 246.5);
}

TEST(DualCosmodynes, NoAspectToVenusLeavesAnEmptyEntry) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthCouple());
    // In the Venus zodiac every body of chart A stands at 0 Aries; chart B's
    // Venus at 20 degrees and far in declination meets none of them.
    for (int b = 1; b <= 15; ++b) ps.chart.NatalLongitudes[b] = 100;
    ps.chart.SecondLongitudes[3] = 20;
    ps.chart.SecondDeclinations[3] = 80;
    DualVenusZodiacCosmodynes(ps);
    const OutputState& out = ps.output;
    int found = 0;
    for (int k = 0; k + 1 < out.OutputLineCount; ++k)
        if (out.OutputBuffer[k] == "  Venus Zodiac Aspects to Bruno Example's Venus (who loves who more?)") {
            EXPECT_EQ(out.OutputBuffer[k + 1], "");
            EXPECT_EQ(out.OutputBuffer[k + 2], "  Venus Zodiac Conjunctions to Bruno Example's planets");
            ++found;
        }
    EXPECT_EQ(found, 1);
}

}  // namespace
