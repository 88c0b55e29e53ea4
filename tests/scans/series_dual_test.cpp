// The dual cosmodyne series, computing side, on the northern couple.
#include <gtest/gtest.h>

#include <cmath>

#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/series_runs.h"
#include "series_fields.h"
#include "test_support.h"

namespace {

class DualSeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        couple = fixtures::NorthCouple();
        fixtures::ComputeCouple(ps, couple);
        ps.chart.AnglesSetting = 0;
    }
    std::string File() { return testsupport::ReadBytes(GraphFilePath(ps.settings.AppPath)); }
    ProgramState ps;
    fixtures::Couple couple;
};

}  // namespace

TEST_F(DualSeriesTest, DualSeriesOfAQuarterYear) {
    DialogResponder dialogs;
    const auto longitudes = ps.chart.SecondLongitudes;
    const auto declinations = ps.chart.SecondDeclinations;
    const std::string houses = ps.chart.HouseStringB;
    ps.scans.BestDaysMode = 1;
    ASSERT_TRUE(ComputeDualDynesSeries(ps, 0.25f));
    EXPECT_EQ(ps.chart.SecondLongitudes, longitudes);
    EXPECT_EQ(ps.chart.SecondDeclinations, declinations);
    EXPECT_EQ(ps.chart.HouseStringB, houses);
    const GraphState& g = ps.scans.Graph;
    ASSERT_EQ(g.GraphValues.size(), 92u);
    EXPECT_EQ(SplitTextLines(File()).size(), 92u);
    EXPECT_EQ(File().substr(0, 6), " 91 \r\n");
    EXPECT_EQ(g.TotalsMultiplier, 1);
    // Unticked: column 11 the summed harmony, column 12 the same sum of the stored cells.
    for (int r = 1; r <= 91; ++r) {
        float sum = 0;
        for (int c = 1; c <= 10; ++c) sum += g.GraphValues[r][c];
        EXPECT_EQ(g.GraphValues[r][12], sum);
        EXPECT_NEAR(g.GraphValues[r][11], sum, 1e-3 * (1 + std::fabs(sum)));
    }
    // Day 0 is chart B's moment: the days follow one another.
    EXPECT_EQ(g.GraphDates[1], GraphDateText(DateTime{couple.b.year, couple.b.month, couple.b.day}, 0));
    EXPECT_EQ(g.GraphDates[2], GraphDateText(AddDays(DateTime{couple.b.year, couple.b.month, couple.b.day}, 1), 0));
    EXPECT_TRUE(dialogs.Prompts().empty());
}

TEST_F(DualSeriesTest, TwoYearsAndRefusedSpans) {
    DialogRecorder dialogs;
    ASSERT_TRUE(ComputeDualDynesSeries(ps, 2.0f));
    EXPECT_EQ(ps.scans.Graph.GraphValues.size(), 731u);
    const std::string file = File();
    // No day, or more days than a table holds: a message, table and file unchanged.
    for (float years : {0.001f, 90.0f}) {
        EXPECT_FALSE(ComputeDualDynesSeries(ps, years));
    }
    EXPECT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(File(), file);
    EXPECT_EQ(ps.scans.Graph.GraphValues.size(), 731u);
}

