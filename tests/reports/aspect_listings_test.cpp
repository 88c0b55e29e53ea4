#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "reports/aspect_listings.h"

TEST(ClassifyAspect, FixedWindowsAndRoundedOrb) {
    auto check = [](double sep, int code, double orb) {
        const AspectClass c = ClassifyAspect(sep);
        EXPECT_EQ(c.code, code) << sep;
        EXPECT_NEAR(c.separation, orb, 1e-9) << sep;
    };
    check(60.96, 3, 1.0);
    check(59.04, 3, -1.0);
    check(61.01, 1, 61.01);  // no match: the separation is kept
    check(0.5, 2, 0.5);
    check(179.5, 6, -0.5);
    check(1.0, 2, 1.0);   // inclusive edges
    check(29.0, 8, -1.0);
    check(151.0, 11, 1.0);
    check(136.5, 1, 136.5);
}

TEST(PrintAspectLine, FoldsSeparationAndSignsTheOrb) {
    ProgramState ps;
    PrepareTables(ps);
    // 200 folds to 160, which matches nothing.
    PrintAspectLine(ps, 1, 2, 200, 200);
    EXPECT_EQ(ps.output.PageLineCount, 0);

    // Body I ahead of J by less than 180: the orb's sign is reversed.
    PrintAspectLine(ps, 1, 10, 90.5, 90.5);
    PrintAspectLine(ps, 1, 10, 90.5, -90.5);
    PrintAspectLine(ps, 3, 4, 0.0, 0.0);  // a zero orb never prints "-0.0"
    const auto lines = PageLines(ps);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "  SUN         square        MOON        -0.5 degrees");
    EXPECT_EQ(lines[1], "  SUN         square        MOON         0.5 degrees");
    EXPECT_EQ(lines[2], "  VENUS       conjunct      MARS         0.0 degrees");
}

namespace {

// A working chart with every body far from every other (no aspect) except
// those the test places.
void SpreadChart(ProgramState& ps) {
    for (int i = 1; i <= 15; ++i) {
        ps.chart.WorkLongitudes[i] = i * 23.3;  // 23.3 apart: no aspect under small orbs
        ps.chart.WorkDeclinations[i] = -20.0 + i * 3.0;
    }
}

std::string Row(const ProgramState& ps, const std::string& label) { return LineStarting(ps, label); }

}  // namespace

TEST(PrintNatalAspects, WindowsInSinglePrecision) {
    ProgramState ps;
    PrepareTables(ps);
    SpreadChart(ps);
    auto& opt = ps.settings.OptionValues;
    opt[2] = 6;  // sextile orb
    // 66.0000001 apart: outside 60 + 6 in double, but the separation rounds
    // to 66 in single precision and so lies on the window's edge.
    ps.chart.WorkLongitudes[1] = 100.0;
    ps.chart.WorkLongitudes[2] = 166.0000001;
    PrintNatalAspects(ps);
    const std::string sun = Row(ps, "  SUN  ");
    ASSERT_EQ(sun.size(), 7u + 15 * 5);
    EXPECT_EQ(sun.substr(7 + 13 * 5, 5), " 60  ");  // Mercury column
    EXPECT_EQ(sun.substr(7 + 14 * 5, 5), "***  ");
}

TEST(PrintNatalAspects, ExactAspectsOnlyWithZeroOrbs) {
    ProgramState ps;
    PrepareTables(ps);
    SpreadChart(ps);
    // All listing orbs 0: an exact square shows, a conjunction 0.001 apart
    // does not, an exact conjunction does.
    ps.chart.WorkLongitudes[1] = 10.0, ps.chart.WorkLongitudes[2] = 100.0;
    ps.chart.WorkLongitudes[3] = 200.0, ps.chart.WorkLongitudes[4] = 200.001;
    ps.chart.WorkLongitudes[5] = 300.0, ps.chart.WorkLongitudes[6] = 300.0;
    PrintNatalAspects(ps);
    EXPECT_EQ(Row(ps, "  SUN  ").substr(7 + 13 * 5, 5), " 90  ");
    EXPECT_EQ(Row(ps, "  VEN  ").substr(7 + 11 * 5, 5), "---  ");
    EXPECT_EQ(Row(ps, "  JUP  ").substr(7 + 9 * 5, 5), "  0  ");
}

TEST(PrintNatalAspects, ListSouthNodeRowDeclinationsAndLegend) {
    ProgramState ps;
    PrepareTables(ps);
    SpreadChart(ps);
    auto& opt = ps.settings.OptionValues;
    opt[1] = 8, opt[5] = 8, opt[6] = 1;
    // South Node opposite the MC, Sun conjunct the MC: only the Sun's pair
    // reaches the list.
    ps.chart.WorkLongitudes[15] = 50.0;
    ps.chart.WorkLongitudes[12] = 230.5;
    ps.chart.WorkLongitudes[1] = 49.0 + 0.3 / 60;  // 59.7 minutes short of the MC
    // Declinations 0 and -0.5 are contra-parallel.
    ps.chart.WorkDeclinations[2] = 0.0;
    ps.chart.WorkDeclinations[3] = -0.5;
    PrintNatalAspects(ps);
    EXPECT_EQ(Row(ps, "  S.N  ").substr(7, 5), "180  ");
    EXPECT_EQ(Row(ps, "  VEN  ").substr(7 + 13 * 5, 5), " CP  ");

    const auto lines = PageLines(ps);
    const std::string list = lines.back();
    EXPECT_EQ(list.find("S. NODE   MC"), std::string::npos);
    // 59.7 minutes round to a whole degree.
    EXPECT_NE(list.find("  SUN       MC           1d 00m          1d 00m\r\n"), std::string::npos) << list;
    EXPECT_EQ(list.rfind("  Planet    Planet    Separation   Degrees from exact\r\n", 0), 0u);
    // Option 16 = 0: three legend text lines, no quintile family.
    EXPECT_EQ(LineStarting(ps, "   36  = semi-quintile"), "");

    ProgramState withQuintiles;
    PrepareTables(withQuintiles);
    SpreadChart(withQuintiles);
    withQuintiles.settings.OptionValues[16] = 1;
    withQuintiles.settings.OptionValues[13] = 1;
    withQuintiles.chart.WorkLongitudes[1] = 10.0;
    withQuintiles.chart.WorkLongitudes[2] = 82.5;
    PrintNatalAspects(withQuintiles);
    EXPECT_EQ(Row(withQuintiles, "  SUN  ").substr(7 + 13 * 5, 5), " 72  ");
    EXPECT_NE(LineStarting(withQuintiles, "   36  = semi-quintile"), "");
    EXPECT_EQ(LineStarting(withQuintiles, "  144  = bi-quintile"), "  144  = bi-quintile");
}

TEST(TransitListings, SouthNodeNeverPairedAndChironOnlyNatal) {
    ProgramState ps;
    PrepareTables(ps);
    for (int i = 1; i <= 15; ++i) {
        ps.chart.SecondLongitudes[i] = 0.0;
        ps.chart.NatalLongitudes[i] = 0.0;
    }
    PrintTransitToNatalAspects(ps);
    // 13 transiting bodies (no South Node, no Chiron) by 14 natal ones.
    EXPECT_EQ(ps.output.PageLineCount, 3 + 13 * 14);
    EXPECT_EQ(LineStarting(ps, "  S. NODE"), "");
    EXPECT_EQ(LineStarting(ps, "  CHIRON"), "");
    EXPECT_NE(LineStarting(ps, "  SUN         conjunct      CHIRON"), "");

    ProgramState transits;
    PrepareTables(transits);
    PrintTransitToTransitAspects(transits);
    // Pairs among Sun..N. Node, Asc (12 bodies) and the MC: 13 bodies but
    // Chiron only as the second of a pair with I below 13.
    int expected = 0;
    for (int i = 1; i <= 14; ++i)
        for (int j = i + 1; j <= 15; ++j)
            if (i != 12 && i != 13 && j != 12) ++expected;
    EXPECT_EQ(transits.output.PageLineCount, 3 + expected);
}
