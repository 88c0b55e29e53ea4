// The score step of a chart run: every run fills the cubes and counters,
// quiet runs too; an around-the-clock run leaves the last scores.
#include <gtest/gtest.h>

#include <memory>

#include "couple_fixtures.h"
#include "program_state.h"
#include "scoring/chart_run_scores.h"

namespace {

int CountAspects(const AspectTable& cube) {
    int n = 0;
    for (const auto& row : cube)
        for (const auto& cell : row)
            for (int v : cell) n += v;
    return n;
}

TEST(ChartRunScores, EveryRunScoresAndAroundTheClockKeepsTheLastScores) {
    auto ps = std::make_unique<ProgramState>();
    fixtures::ComputeCouple(*ps, fixtures::NorthCouple());
    const ScoringState first = ps->scoring;
    EXPECT_GT(CountAspects(first.AspectCube), 0);
    EXPECT_GT(CountAspects(first.AspectCubeA), 0);
    EXPECT_GT(CountAspects(first.AspectCubeB), 0);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_GE(first.SignNumbersA[k], 1);
        EXPECT_LE(first.SignNumbersA[k], 12);
    }

    // A quiet run of another couple scores it.
    auto quiet = std::make_unique<ProgramState>();
    fixtures::ComputeCouple(*quiet, fixtures::SouthCouple());
    const ScoringState south = quiet->scoring;
    quiet->chart.QuietMode = 1;
    fixtures::ComputeCouple(*quiet, fixtures::NorthCouple());
    EXPECT_EQ(quiet->scoring.AspectCube, first.AspectCube);
    EXPECT_EQ(quiet->scoring.SignNumbersB, first.SignNumbersB);
    EXPECT_NE(south.AspectCube, first.AspectCube);

    // Around the clock: both charts, no scores.
    quiet->chart.QuietMode = 0;
    quiet->chart.AroundClockMode = 1;
    fixtures::ComputeCouple(*quiet, fixtures::SouthCouple());
    EXPECT_EQ(quiet->scoring.AspectCube, first.AspectCube);
    EXPECT_EQ(quiet->scoring.AspectCubeA, first.AspectCubeA);
}

}  // namespace
