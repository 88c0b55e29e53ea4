// The natal cosmodyne series over dates, computing side, on the northern couple:
// row counts, the table file, the totals, and the charts and fields the
// runs leave as they found them.
#include <gtest/gtest.h>

#include <cmath>

#include "chart_run_setup.h"
#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/series_runs.h"
#include "series_couple_fixture.h"
#include "series_fields.h"
#include "test_support.h"

namespace {

class SeriesRunsTest : public SeriesCoupleTest {};

}  // namespace

TEST_F(SeriesRunsTest, NatalSeriesRowsTotalsAndFieldsPutBack) {
    DialogResponder dialogs;
    ps.scans.NamesCheckPH = 1;
    const DataSetFields before = natal;
    ASSERT_TRUE(ComputeNatalDynesSeries(ps, natal, diurnal, 1.0f));
    EXPECT_EQ(natal.Month, before.Month);
    EXPECT_EQ(natal.Day, before.Day);
    EXPECT_EQ(natal.Year, before.Year);
    EXPECT_EQ(natal.Hour, before.Hour);
    EXPECT_EQ(natal.LongDeg, before.LongDeg);
    EXPECT_EQ(natal.AM, before.AM);
    EXPECT_EQ(natal.East, before.East);
    EXPECT_EQ(natal.South, before.South);
    const GraphState& g = ps.scans.Graph;
    EXPECT_EQ(g.GraphDays, 364);
    EXPECT_EQ(g.GraphYears, 1.0f);
    ASSERT_EQ(g.GraphValues.size(), 366u);
    float maxBody = 0, max11 = 0, max12 = 0;
    for (int r = 1; r <= 365; ++r) {
        for (int c = 1; c <= 10; ++c) maxBody = std::max(maxBody, std::fabs(g.GraphValues[r][c]));
        max11 = std::max(max11, std::fabs(g.GraphValues[r][11]));
        max12 = std::max(max12, std::fabs(g.GraphValues[r][12]));
    }
    EXPECT_NEAR(max11, maxBody, maxBody * 1e-5);
    EXPECT_LE(max12, maxBody * 1.00001f);
    EXPECT_GT(g.TotalsMultiplier, 0);
    // The natal series runs on the diurnal data set's moment and place.
    EXPECT_EQ(g.GraphDates[1], GraphDateText(DateTime{couple.b.year, couple.b.month, couple.b.day}, 0));
}

TEST_F(SeriesRunsTest, NatalSeriesRefusesSpansAndInput) {
    DialogRecorder dialogs;
    ASSERT_TRUE(ComputeNatalDynesSeries(ps, natal, diurnal, 2.0f));
    EXPECT_EQ(ps.scans.Graph.GraphValues.size(), 731u);
    const std::string file = File();
    // No day, or more days than a table holds: a message, table and file unchanged.
    for (float years : {0.001f, 90.0f}) EXPECT_FALSE(ComputeNatalDynesSeries(ps, natal, diurnal, years));
    // A diurnal data set the checks refuse: their message, nothing changed, the natal fields back.
    DataSetFields bad = diurnal;
    bad.Month = "13";
    const DataSetFields before = natal;
    EXPECT_FALSE(ComputeNatalDynesSeries(ps, natal, bad, 1.0f));
    EXPECT_EQ(natal.Month, before.Month);
    EXPECT_EQ(natal.Hour, before.Hour);
    EXPECT_GE(dialogs.Prompts().size(), 3u);
    EXPECT_EQ(File(), file);
    EXPECT_EQ(ps.scans.Graph.GraphValues.size(), 731u);
    EXPECT_EQ(ps.scans.Graph.GraphDays, 729);
}

TEST(SeriesRuns, SavedNatalInputsAndTheirRestoring) {
    DataSetFields natal, diurnal;
    natal.Month = "3", natal.Day = "5", natal.Year = "1960", natal.Hour = "7", natal.Minute = "15";
    natal.AM = false, natal.East = true, natal.West = false, natal.South = true;
    natal.Email = "kim@example.com";
    diurnal.Month = "11", diurnal.Day = "2", diurnal.Year = "1965", diurnal.Hour = "6", diurnal.Minute = "5";
    diurnal.AM = true, diurnal.East = false, diurnal.South = false;
    SavedNatalInputs saved = SaveNatalInputs(natal, diurnal);
    EXPECT_EQ(saved[1], "3");
    EXPECT_EQ(saved[11], "False");
    EXPECT_EQ(saved[12], "True");
    EXPECT_EQ(saved[13], "True");
    EXPECT_EQ(natal.Month, "11");
    EXPECT_TRUE(natal.AM);
    EXPECT_FALSE(natal.East);
    EXPECT_EQ(natal.Email, "kim@example.com");
    RestoreNatalInputs(natal, saved);
    EXPECT_EQ(natal.Month, "3");
    EXPECT_FALSE(natal.AM);  // "False": P.M.
    EXPECT_TRUE(natal.East);
    EXPECT_TRUE(natal.South);
    saved[11] = "true";  // only "True" exactly selects A.M.
    RestoreNatalInputs(natal, saved);
    EXPECT_FALSE(natal.AM);
}

TEST_F(SeriesRunsTest, NatalSeriesTakesTheDiurnalPlacesEastOrWest) {
    // A western natal person and an eastern diurnal place nine hours ahead:
    // the borrowed natal window is east as well, so its checks pass.
    DialogRecorder dialogs;
    natal.East = false, natal.West = true;
    diurnal.Zone = "-9", diurnal.LongDeg = "139", diurnal.East = true, diurnal.West = false;
    DataSetFields copy = natal;
    SaveNatalInputs(copy, diurnal);
    EXPECT_FALSE(copy.West);
    EXPECT_TRUE(ComputeNatalDynesSeries(ps, natal, diurnal, 0.1f));
    EXPECT_TRUE(dialogs.Prompts().empty());
    EXPECT_TRUE(natal.West);
}
