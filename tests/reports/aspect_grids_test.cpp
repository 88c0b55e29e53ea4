#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "reports/aspect_grids.h"

TEST(AspectGrid, BandsAndOrbChoice) {
    // Inclusive double-precision bands of the major aspects.
    EXPECT_EQ(AspectGridCode(62.0, 2.0, 0.0f), 3);
    EXPECT_EQ(AspectGridCode(62.01, 2.0, 0.0f), 1);
    EXPECT_EQ(AspectGridCode(179.0, 2.0, 0.0f), 6);
    EXPECT_EQ(AspectGridCode(2.0, 2.0, 0.0f), 2);
    // Overlapping minor bands: the later test (135) wins over 150, and 135
    // over a trine.
    EXPECT_EQ(AspectGridCode(142.0, 1.0, 8.0f), 10);
    EXPECT_EQ(AspectGridCode(128.0, 8.0, 7.0f), 10);
    // The minor bands compare in single precision: 32.0000001 rounds to 32.
    EXPECT_EQ(AspectGridCode(32.0000001, 0.0, 2.0f), 8);
    EXPECT_EQ(AspectGridCode(32.001, 0.0, 2.0f), 1);

    ProgramState ps;
    PrepareTables(ps);
    auto& opt = ps.settings.OptionValues;
    opt[55] = 1, opt[56] = 3, opt[57] = 5, opt[58] = 0;
    for (int i = 1; i <= 15; ++i) {
        ps.chart.NatalLongitudes[i] = 7.0 * i;
        ps.chart.SecondLongitudes[i] = 200.0 + 7.0 * i;
    }
    // Moon against B's node 64 apart: option 57 (5) applies, a sextile.
    ps.chart.NatalLongitudes[10] = 10.0, ps.chart.SecondLongitudes[11] = 74.0;
    // Mercury against B's node 62.5 apart: option 56 (3), a sextile.
    ps.chart.NatalLongitudes[2] = 20.0, ps.chart.SecondLongitudes[12] = 82.5;
    // Mercury against Venus 61.5 apart: option 55 (1), nothing.
    ps.chart.SecondLongitudes[3] = 81.5;
    // A separation of 181 folds to 179: within 1 of the opposition.
    ps.chart.NatalLongitudes[4] = 0.0, ps.chart.SecondLongitudes[4] = 181.0;
    PrintAspectGrid(ps);
    auto cell = [&](const std::string& label, int column) {
        return LineStarting(ps, label).substr(7 + (column - 1) * 5, 5);
    };
    EXPECT_EQ(cell("  MOO  ", 11), " 60  ");
    EXPECT_EQ(cell("  MER  ", 12), " 60  ");
    EXPECT_EQ(cell("  MER  ", 3), "---  ");
    EXPECT_EQ(cell("  MAR  ", 4), "180  ");
}

TEST(ParallelGrid, OneDegreeInclusiveAndSides) {
    ProgramState ps;
    PrepareTables(ps);
    for (int i = 1; i <= 15; ++i) {
        ps.chart.NatalDeclinations[i] = 30.0;
        ps.chart.SecondDeclinations[i] = -10.0;
    }
    ps.chart.NatalDeclinations[1] = 10.5;
    ps.chart.SecondDeclinations[1] = 11.5;
    ps.chart.SecondDeclinations[2] = -11.5;
    ps.chart.NatalDeclinations[2] = 10.0;
    ps.chart.SecondDeclinations[3] = -11.01;
    ps.chart.NatalDeclinations[3] = 0.0;
    ps.chart.SecondDeclinations[4] = 0.0;
    PrintParallelGrid(ps);
    auto cell = [&](const std::string& label, int column) {
        return LineStarting(ps, label).substr(7 + (column - 1) * 5, 5);
    };
    EXPECT_EQ(cell("  SUN  ", 1), " P   ");
    EXPECT_EQ(cell("  SUN  ", 2), " CP  ");
    EXPECT_EQ(cell("  MER  ", 3), "---  ");
    EXPECT_EQ(cell("  VEN  ", 4), " P   ");  // 0 counts as north
}

TEST(MagneticHarmony, ElementScoresAndTotal) {
    ProgramState ps;
    PrepareTables(ps);
    // Both persons with Sun, Moon and Ascendant in fire signs.
    ps.chart.NatalLongitudes[1] = 5, ps.chart.NatalLongitudes[10] = 125, ps.chart.NatalLongitudes[14] = 245;
    ps.chart.SecondLongitudes[1] = 10, ps.chart.SecondLongitudes[10] = 130, ps.chart.SecondLongitudes[14] = 250;
    PrintMagneticHarmony(ps);
    EXPECT_EQ(LineStarting(ps, "  Sun"), "  Sun     2     2     2    ");
    EXPECT_EQ(LineStarting(ps, "  Total"), "  Total = 18");

    ProgramState mixed;
    PrepareTables(mixed);
    // A: fire Sun, water Moon (Cancer), earth Asc; B: water, air, earth.
    mixed.chart.NatalLongitudes[1] = 5, mixed.chart.NatalLongitudes[10] = 95, mixed.chart.NatalLongitudes[14] = 35;
    mixed.chart.SecondLongitudes[1] = 335, mixed.chart.SecondLongitudes[10] = 65,
    mixed.chart.SecondLongitudes[14] = 275;
    PrintMagneticHarmony(mixed);
    EXPECT_EQ(LineStarting(mixed, "  Sun"), "  Sun    -2     1    -1    ");
    EXPECT_EQ(LineStarting(mixed, "  Moon"), "  Moon    2    -1     1    ");
    EXPECT_EQ(LineStarting(mixed, "  Asc"), "  Asc     1    -2     2    ");
    EXPECT_EQ(LineStarting(mixed, "  Total"), "  Total = 1");
}
