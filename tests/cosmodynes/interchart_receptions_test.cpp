// Mutual receptions between the charts: the sign test, the search, the
// harmony they add with "incl MR" ticked and the report's lines either way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cosmodynes/interchart_cosmodynes.h"
#include "cosmodynes/interchart_receptions.h"
#include "interchart_test_charts.h"
#include "program_state.h"

namespace {

// Every planet of both charts in Capricorn, then the given changes.
void Capricorn(ProgramState& ps) {
    ictest::Blank(ps);
    for (int b = 1; b <= 15; ++b) ps.chart.NatalLongitudes[b] = ps.chart.SecondLongitudes[b] = 285;
}

std::vector<std::string> Page(const ProgramState& ps) {
    return {ps.output.OutputBuffer.begin(), ps.output.OutputBuffer.begin() + ps.output.OutputLineCount};
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

TEST(InterchartReceptions, Signs) {
    EXPECT_EQ(SignOf(60.0), 3);
    EXPECT_EQ(SignOf(59.99), 2);
    EXPECT_EQ(SignOf(30.0), 2);
    EXPECT_EQ(SignOf(0.0), 1);
    EXPECT_EQ(SignOf(359.99), 12);
    EXPECT_TRUE(IsReception(1, 4, 10, 5));    // Sun in Cancer, Moon in Leo
    EXPECT_FALSE(IsReception(10, 4, 1, 5));   // the reverse pair holds on its own
    EXPECT_TRUE(IsReception(10, 1, 1, 2));    // Moon in Aries, Sun in Taurus
    EXPECT_FALSE(IsReception(1, 5, 1, 5));    // a planet never meets its namesake
}

TEST(InterchartReceptions, SunMoonHarmonyTickedAndNoteUnticked) {
    ProgramState ticked, unticked;
    for (ProgramState* ps : {&ticked, &unticked}) {
        Capricorn(*ps);
        ps->chart.NatalLongitudes[1] = 100;
        ps->chart.SecondLongitudes[10] = 130;
        ps->chart.QuietMode = 0;
    }
    unticked.scans.NamesCheck3 = 0;
    InterchartCosmodynes(ticked);
    InterchartCosmodynes(unticked);
    EXPECT_EQ(ticked.interchart.ReceptionMatrix[1][10], 1.0);
    EXPECT_DOUBLE_EQ(ticked.cosmodynes.Harmony[1] - unticked.cosmodynes.Harmony[1], 5);
    EXPECT_DOUBLE_EQ(ticked.interchart.HarmonyB[10] - unticked.interchart.HarmonyB[10], 5);
    EXPECT_FLOAT_EQ(ticked.interchart.PairHarmonyMatrix[1][10] - unticked.interchart.PairHarmonyMatrix[1][10], 5);
    EXPECT_DOUBLE_EQ(ticked.interchart.PowerB[10], unticked.interchart.PowerB[10]);
    EXPECT_TRUE(Has(Page(ticked), "  SUN       MOON      "));
    EXPECT_TRUE(Has(Page(unticked), "  SUN       MOON      - add 5 points harmony to each person's planet."));
    EXPECT_TRUE(Has(Page(ticked), "  (mutual receptions not included in harmony column)"));
    EXPECT_FALSE(Has(Page(unticked), "  (mutual receptions not included in harmony column)"));
    // In the clipboard copy the note stands under both headings.
    const std::string& clip = ticked.interchart.ClipboardReportText;
    const std::string note = "  (mutual receptions not included in harmony column)\r\n";
    EXPECT_NE(clip.find("  Important Factors In Synastry (19 total):\r\n" + note), std::string::npos);
    EXPECT_NE(clip.find("  Planets Aspecting Each Other Within 1 Degree:\r\n" + note), std::string::npos);
}

TEST(InterchartReceptions, MercuryInPiscesMeetsThree) {
    ProgramState ps;
    Capricorn(ps);
    ps.chart.NatalLongitudes[2] = 335;   // Pisces
    ps.chart.SecondLongitudes[3] = 65;   // Venus in Gemini
    ps.chart.SecondLongitudes[5] = 155;  // Jupiter in Virgo
    ps.chart.SecondLongitudes[8] = 305;  // Neptune in Aquarius
    FindMutualReceptions(ps);
    std::vector<std::string> mercury;
    for (int k = 0; k <= ps.interchart.ReceptionLastIndex; ++k)
        if (ps.interchart.ReceptionLines[k].rfind("  MERCURY", 0) == 0) mercury.push_back(ps.interchart.ReceptionLines[k]);
    EXPECT_EQ(mercury, (std::vector<std::string>{"  MERCURY   VENUS     ", "  MERCURY   JUPITER   ",
                                                 "  MERCURY   NEPTUNE   "}));
    double row = 0;
    for (int j = 1; j <= 10; ++j) row += ps.interchart.ReceptionMatrix[2][j];
    EXPECT_EQ(row, 3);
}

TEST(InterchartReceptions, TwentyFourReceptionsAreAllKept) {
    ProgramState ps;
    ictest::Blank(ps);
    const int a[] = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 6};
    const int b[] = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 1};
    for (int k = 1; k <= 10; ++k) {
        ps.chart.NatalLongitudes[k] = (a[k] - 1) * 30 + 10;
        ps.chart.SecondLongitudes[k] = (b[k] - 1) * 30 + 10;
    }
    ps.chart.QuietMode = 0;
    InterchartCosmodynes(ps);
    EXPECT_EQ(ps.interchart.ReceptionLastIndex, 23);
    ASSERT_GE(ps.interchart.ReceptionLines.size(), 24u);
    int printed = 0;
    for (const std::string& line : Page(ps))
        for (int k = 0; k < 24; ++k)
            if (line == ps.interchart.ReceptionLines[k]) ++printed;
    EXPECT_EQ(printed, 24);
    // Nothing lost from the clipboard either: every reception line is in it.
    for (int k = 0; k < 24; ++k)
        EXPECT_NE(ps.interchart.ClipboardReportText.find(ps.interchart.ReceptionLines[k] + "\r\n"), std::string::npos);
}

TEST(InterchartReceptions, NoneLeavesOneEmptyClipboardLine) {
    ProgramState ps;
    ictest::Blank(ps);
    // Every planet in Virgo, a sign of Mercury alone: no reception.
    for (int k = 1; k <= 10; ++k) ps.chart.NatalLongitudes[k] = 155, ps.chart.SecondLongitudes[k] = 175;
    ps.chart.QuietMode = 0;
    InterchartCosmodynes(ps);
    EXPECT_EQ(ps.interchart.ReceptionLastIndex, -1);
    EXPECT_NE(ps.interchart.ClipboardReportText.find("  -----------------\r\n\r\n  Important Factors"),
              std::string::npos);
}

}  // namespace
