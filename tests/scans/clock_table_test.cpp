// The around-the-clock table on the northern couple: 24 rows of one date,
// the stored times, the live "P * H" and transit boxes, and the midnight
// refusal.
#include <gtest/gtest.h>

#include "chart_run_setup.h"
#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scans/around_clock_table.h"
#include "scans/graph_table_file.h"
#include "scans/run_progress.h"
#include "series_couple_fixture.h"
#include "series_fields.h"
#include "test_support.h"

namespace {

class ClockTableTest : public SeriesCoupleTest {
protected:
    void SetUp() override {
        SeriesCoupleTest::SetUp();
        ps.chart.AroundClockMode = 1;
        ps.scans.BestDaysMode = 1;
    }
};

}  // namespace

TEST_F(ClockTableTest, StoredStartValuesGiveTwentyFourRowsOfOneDate) {
    DialogResponder dialogs;
    AroundClockHooks hooks;
    int transitReads = 0, progressCalls = 0;
    hooks.TransitSettings = [&] {
        ++transitReads;
        return ReadClockSeries("0", "30", "1");
    };
    RunProgress().Show = [&](int done, int total) {
        ++progressCalls;
        EXPECT_EQ(total, 12);
        EXPECT_EQ(done, progressCalls);
    };
    ASSERT_TRUE(ComputeAroundTheClock(ps, natal, diurnal, ReadClockSeries("1", "00", "2"), hooks));
    RunProgress() = RunProgressHooks{};
    EXPECT_EQ(transitReads, 12);
    EXPECT_EQ(progressCalls, 12);
    const GraphState& g = ps.scans.Graph;
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(g.NatalTimeHours[k], 2 * k - 1);
        EXPECT_EQ(g.NatalTimeMinutes[k], 0);
    }
    for (int j = 0; j < 24; ++j) {
        EXPECT_EQ(g.TransitTimeHours[j], j);
        EXPECT_EQ(g.TransitTimeMinutes[j], 30);
    }
    const std::vector<std::string> lines = SplitTextLines(File());
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], " 24 ");
    const std::string date = GraphDateText(DateTime{couple.b.year, couple.b.month, couple.b.day}, 0);
    for (int r = 1; r <= 24; ++r) EXPECT_EQ(lines[r].substr(0, 12), "\"" + date + "\"");
    // Without "P * H" each cell is chart A's net harmony.
    EXPECT_EQ(g.GraphValues[24][12], static_cast<float>(ps.interchart.LastDualTotalB));
    // The fields keep the last times: 11 P.M. and 11:30 P.M.
    EXPECT_EQ(natal.Hour, "11");
    EXPECT_EQ(natal.Minute, "0");
    EXPECT_FALSE(natal.AM);
    EXPECT_EQ(diurnal.Hour, "11");
    EXPECT_EQ(diurnal.Minute, "30");
    EXPECT_FALSE(diurnal.AM);
}

TEST_F(ClockTableTest, PowerTimesHarmonyIsReadForEveryCell) {
    DialogResponder dialogs;
    AroundClockHooks plain;
    plain.TransitSettings = [] { return ReadClockSeries("0", "30", "1"); };
    ASSERT_TRUE(ComputeAroundTheClock(ps, natal, diurnal, ReadClockSeries("1", "00", "2"), plain));
    const std::vector<GraphRow> without = ps.scans.Graph.GraphValues;
    // Ticked from the 13th cell of the first column on.
    AroundClockHooks flip = plain;
    int cells = 0;
    flip.Yield = [&] {
        if (++cells == 13) ps.scans.NamesCheckPH = 1;
    };
    ASSERT_TRUE(ComputeAroundTheClock(ps, natal = FieldsOf(couple.a), diurnal = FieldsOf(couple.b),
                                      ReadClockSeries("1", "00", "2"), flip));
    const std::vector<GraphRow>& with = ps.scans.Graph.GraphValues;
    for (int r = 1; r <= 12; ++r) EXPECT_EQ(with[r][1], without[r][1]);
    int differing = 0;
    for (int r = 13; r <= 24; ++r) differing += with[r][1] != without[r][1];
    EXPECT_GT(differing, 6);
}

TEST_F(ClockTableTest, TimesReachingMidnightRunNothing) {
    DialogRecorder dialogs;
    testsupport::WriteBytes(GraphFilePath(ps.settings.AppPath), "earlier table");
    AroundClockHooks hooks;
    hooks.TransitSettings = [] { return ReadClockSeries("0", "30", "1"); };
    EXPECT_FALSE(ComputeAroundTheClock(ps, natal, diurnal, ReadClockSeries("2", "00", "2"), hooks));
    // Transit boxes changed during the run to reach midnight: the run stops.
    hooks.TransitSettings = [] { return ReadClockSeries("1", "0", "1"); };
    EXPECT_FALSE(ComputeAroundTheClock(ps, natal, diurnal, ReadClockSeries("1", "00", "2"), hooks));
    EXPECT_EQ(dialogs.Prompts().size(), 2u);
    for (const auto& p : dialogs.Prompts()) EXPECT_NE(p.text.find("midnight"), std::string::npos);
    EXPECT_EQ(File(), "earlier table");
}
