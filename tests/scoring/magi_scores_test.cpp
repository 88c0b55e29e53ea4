// The couple report's scores from Magi score tables the test fills: the
// totals, the strict crucial sums (sex has no clash sum), the parallel and
// contra-parallel codes, and the Chiron copy into row and column 11.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "magi_test_setup.h"
#include "scoring/couple_aspect_report.h"

using magitest::MagiState;
using magitest::PageLines;

namespace {

void SetScores(ProgramState& ps, int code, int a, int b, float romance, float sex, float compatibility) {
    ps.scoring.MagiGridA[code][a][b] = romance;
    ps.scoring.MagiGridB[code][a][b] = sex;
    ps.scoring.MagiGridC[code][a][b] = compatibility;
}

// The line of the page that sets the two bodies against each other.
std::string LineOf(const std::vector<std::string>& lines, const std::string& pair) {
    for (const std::string& line : lines)
        if (line.find(pair) != std::string::npos) return line;
    return "";
}

}  // namespace

TEST(MagiScores, TotalsAndStrictCrucialSums) {
    ProgramState ps = MagiState();
    // Sun square Mercury, Venus conjunct Mars, Moon parallel Saturn, Pluto
    // contra-parallel Neptune.
    ps.chart.NatalLongitudes[1] = 100;
    ps.chart.SecondLongitudes[2] = 190;
    ps.chart.NatalLongitudes[3] = 200;
    ps.chart.SecondLongitudes[4] = 201;
    ps.chart.NatalDeclinations[10] = 32;
    ps.chart.SecondDeclinations[6] = 32.5;
    ps.chart.NatalDeclinations[9] = -45.25;
    ps.chart.SecondDeclinations[8] = 45;
    SetScores(ps, 4, 1, 2, 100, -150, -100);
    SetScores(ps, 2, 3, 4, 100.01f, 100.01f, -100.01f);
    SetScores(ps, 7, 10, 6, -100.01f, 100, 100.01f);
    SetScores(ps, 9, 9, 8, 5, -200, 0.5f);
    // Entries of codes the pairs do not form are never read.
    SetScores(ps, 5, 1, 2, 1000, 1000, 1000);
    SetScores(ps, 9, 10, 6, 1000, 1000, 1000);

    DataMagiCouple(ps);
    const auto lines = PageLines(ps);
    EXPECT_EQ(LineOf(lines, "SUN       square"), "   100.0  -150.0  -100.0   SUN       square      MERCURY      0d 00m");
    EXPECT_EQ(LineOf(lines, "VENUS     conjunct"),
              "   100.0   100.0  -100.0   VENUS     conjunct    MARS         1d 00m   sexual linkage");
    EXPECT_EQ(LineOf(lines, "MOON      parallel"),
              "  -100.0   100.0   100.0   MOON      parallel    SATURN       0d 30m");
    EXPECT_EQ(LineOf(lines, "PLUTO     c.parallel"),
              "     5.0  -200.0     0.5   PLUTO     c.parallel  NEPTUNE      0d 15m");

    const std::vector<std::string> ending = {
        "  TOTALS", "  Romance   Sex   Compatibility", "   105.0  -150.0   -99.5", "",
        "  Crucial Romance Linkages", "   100.0", "  Crucial Romance Clashes", "  -100.0",
        "  Crucial Sex Linkages", "   100.0", "  Crucial Compatibility Linkages", "   100.0",
        "  Crucial Compatibility Clashes", "  -100.0", ""};
    ASSERT_GE(lines.size(), ending.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(ending.size()), lines.end()), ending);
}

TEST(MagiScores, CrucialSumsAddOnlyBeyondAHundred) {
    ProgramState ps = MagiState();
    // Two trines, Sun to Sun and Mercury to Mercury.
    ps.chart.NatalLongitudes[1] = 100;
    ps.chart.SecondLongitudes[1] = 220;
    ps.chart.NatalLongitudes[2] = 300;
    ps.chart.SecondLongitudes[2] = 180;
    SetScores(ps, 5, 1, 1, 150.25f, 250, 300);
    SetScores(ps, 5, 2, 2, -150.25f, -250, -300);
    DataMagiCouple(ps);
    const auto lines = PageLines(ps);
    const std::vector<std::string> ending = {
        "     0.0     0.0     0.0", "",        "  Crucial Romance Linkages", "   150.3",
        "  Crucial Romance Clashes", "  -150.3", "  Crucial Sex Linkages", "   250.0",
        "  Crucial Compatibility Linkages", "   300.0", "  Crucial Compatibility Clashes", "  -300.0", ""};
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(ending.size()), lines.end()), ending);
}

TEST(MagiScores, ChironEntriesCopiedIntoRowAndColumnEleven) {
    ProgramState ps = MagiState();
    ScoringState& sc = ps.scoring;
    sc.MagiGridA[5][13][3] = 7;     // Chiron of A trine Venus of B
    sc.MagiGridB[5][3][13] = 8;     // Venus of A trine Chiron of B
    sc.MagiGridC[5][13][13] = 9;    // Chiron trine Chiron
    sc.MagiGridA[3][13][1] = 5;     // sextile: not a code of the report
    sc.MagiGridA[5][11][4] = 99;    // the North Node's own entry, overwritten
    sc.MagiGridC[11][13][15] = -4;  // quincunx, Chiron to MC

    ps.chart.NatalLongitudes[13] = 130;
    ps.chart.SecondLongitudes[3] = 250;
    DataMagiCouple(ps);

    EXPECT_EQ(sc.MagiGridA[5][11][3], 7);
    EXPECT_EQ(sc.MagiGridB[5][3][11], 8);
    EXPECT_EQ(sc.MagiGridC[5][11][11], 9);
    EXPECT_EQ(sc.MagiGridC[5][11][13], 9);
    EXPECT_EQ(sc.MagiGridC[5][13][11], 9);
    EXPECT_EQ(sc.MagiGridA[3][11][1], 0);
    EXPECT_EQ(sc.MagiGridA[5][11][4], 0);
    EXPECT_EQ(sc.MagiGridC[11][11][15], -4);
    // The copied entry is the one the aspect line reads.
    EXPECT_EQ(LineOf(PageLines(ps), "CHIRON    trine"),
              "     7.0     0.0     0.0   CHIRON    trine       VENUS        0d 00m"
              "   MAGIcal AND Cinderella AND Golden linkage AND SUPER");
}
