// The names window's graph launchers "N", "D" and "Both" through the input
// windows, with the years prompt answered: the graph window opens on the
// table written, the windows and charts are left as the launchers promise.
#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ui/ui_state.h"
#include "chart_run_setup.h"
#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/ui/cosmodyne_graphs_window.h"
#include "scans/ui/graph_launchers.h"
#include "scans/ui/set_start_time_window.h"
#include "series_fields.h"
#include "test_support.h"

namespace {

// With TANDRELL_SNAPSHOT_DIR set, the graph window's picture is saved there
// to be looked at by hand.
void Snapshot(const char* name) {
    const char* dir = std::getenv("TANDRELL_SNAPSHOT_DIR");
    if (!dir || !FormLoaded<Cosmodyne_graphs>()) return;
    FormOf<Cosmodyne_graphs>().grab().save(QString::fromStdString(JoinPath(dir, name)));
}

class GraphLaunchersTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
        SetUiState(&ps);
        const fixtures::Couple c = fixtures::NorthCouple();
        ps.chart.HouseSystemCode = c.houseSystemCode;
        Fill(FormOf<InputD>(), FieldsOf(c.a));
        FillSecond(FormOf<InputD1>(), FieldsOf(c.b));
        FormOf<InputD>().txtName.SetText("Alex Sample");
        FormOf<InputD1>().Option3.SetValue(true);
    }
    void TearDown() override {
        UnloadForm<Cosmodyne_graphs>();
        UnloadForm<frmSetStartTime>();
        UnloadForm<InputD>();
        UnloadForm<InputD1>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static void Fill(InputD& w, const DataSetFields& f) {
        w.txtMonth.SetText(f.Month), w.txtDay.SetText(f.Day), w.txtYear.SetText(f.Year);
        (f.AM ? w.optAM : w.optPM).SetValue(true);
        w.txtBirthHour.SetText(f.Hour), w.txtBirthMinute.SetText(f.Minute), w.txtTZ.SetText(f.Zone);
        w.txtLongDeg.SetText(f.LongDeg), w.txtLongMin.SetText(f.LongMin);
        w.txtLatDeg.SetText(f.LatDeg), w.txtLatMin.SetText(f.LatMin);
        (f.East ? w.optEast : w.optWest).SetValue(true);
        (f.South ? w.optSouth : w.optNorth).SetValue(true);
    }
    static void FillSecond(InputD1& w, const DataSetFields& f) {
        w.txtDiurnalMonth.SetText(f.Month), w.txtDiurnalDay.SetText(f.Day), w.txtDiurnalYear.SetText(f.Year);
        (f.AM ? w.optDiurnalAM : w.optDiurnalPM).SetValue(true);
        w.txtDiurnalHour.SetText(f.Hour), w.txtDiurnalMinute.SetText(f.Minute), w.txtDiurnalTZ.SetText(f.Zone);
        w.txtDiurnalLongDeg.SetText(f.LongDeg), w.txtDiurnalLongMin.SetText(f.LongMin);
        w.txtDiurnalLatDeg.SetText(f.LatDeg), w.txtDiurnalLatMin.SetText(f.LatMin);
        (f.East ? w.optDiurnalEast : w.optDiurnalWest).SetValue(true);
        (f.South ? w.optDiurnalSouth : w.optDiurnalNorth).SetValue(true);
    }
    std::string File() { return testsupport::ReadBytes(GraphFilePath(ps.settings.AppPath)); }
    std::vector<GraphRow> TableOf(const std::string& bytes) { return ParseGraphFile(bytes)->TableValues; }
    ProgramState ps;
};

}  // namespace

TEST_F(GraphLaunchersTest, NatalLauncherOpensTheGraphAndLeavesTheNatalWindow) {
    DialogResponder dialogs;
    // Cancelled before any table exists: nothing opens, nothing is said.
    dialogs.AnswerText(std::nullopt);
    cmdNatalDynes_Graph_Click(ps);
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
    // No chart yet, so no Input menu: the input windows come back at once.
    EXPECT_TRUE(FormOf<InputD>().isVisible());

    const DataSetFields before = FormOf<InputD>().Fields();
    dialogs.AnswerText(" .25");
    cmdNatalDynes_Graph_Click(ps);
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(dialogs.Prompts()[1].text, "Enter number of years:");
    EXPECT_EQ(dialogs.Prompts()[1].title, "Number of Years");
    EXPECT_EQ(dialogs.Prompts()[1].defaultText, " .25");
    const DataSetFields after = FormOf<InputD>().Fields();
    EXPECT_EQ(after.Month, before.Month);
    EXPECT_EQ(after.Day, before.Day);
    EXPECT_EQ(after.Year, before.Year);
    EXPECT_EQ(after.Hour, before.Hour);
    EXPECT_EQ(after.Minute, before.Minute);
    EXPECT_EQ(after.Zone, before.Zone);
    EXPECT_EQ(after.LongDeg, before.LongDeg);
    EXPECT_EQ(after.AM, before.AM);
    EXPECT_EQ(after.East, before.East);
    EXPECT_EQ(after.South, before.South);
    EXPECT_EQ(FormOf<InputD>().txtName.Text(), "Alex Sample");
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
    EXPECT_EQ(ps.chart.AroundClockMode, 0);
    ASSERT_TRUE(FormLoaded<Cosmodyne_graphs>());
    Cosmodyne_graphs& g = FormOf<Cosmodyne_graphs>();
    EXPECT_EQ(g.Model().RowCount, 91);
    EXPECT_EQ(g.Caption().substr(0, 19), "Natal Cosmodynes - ");
    EXPECT_FALSE(ps.scans.RunActive);
    Snapshot("natal_series.png");

    // Cancelled or no years once a table exists: still no graph window, the
    // earlier table's file untouched, the settings put back all the same.
    UnloadForm<Cosmodyne_graphs>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::string file = File();
    for (const std::optional<std::string>& answer : {std::optional<std::string>(), std::optional<std::string>("0")}) {
        FormOf<InputD1>().Option3.SetValue(true);
        dialogs.AnswerText(answer);
        cmdNatalDynes_Graph_Click(ps);
        EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
        EXPECT_EQ(File(), file);
        EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
        EXPECT_FALSE(ps.scans.RunActive);
    }
}

TEST_F(GraphLaunchersTest, DualAndBothLaunchers) {
    DialogRecorder dialogs;
    // "N" and "D" alone, for the sums.
    dialogs.AnswerText("0.25");
    cmdNatalDynes_Graph_Click(ps);
    const std::vector<GraphRow> natal = TableOf(File());
    dialogs.AnswerText("0.25");
    cmdDualDynes_Graph_Click(ps);
    const std::vector<GraphRow> dual = TableOf(File());
    // Chart B as the chart run from the input windows leaves it.
    const auto longitudesB = ps.chart.SecondLongitudes;
    const std::string housesB = ps.chart.HouseStringB;
    ComputeCharts(ps);
    EXPECT_EQ(ps.chart.SecondLongitudes, longitudesB);
    EXPECT_EQ(ps.chart.HouseStringB, housesB);
    EXPECT_EQ(ps.scans.Check21, 0);
    EXPECT_EQ(ps.scans.BestDaysMode, 0);
    EXPECT_GT(ps.output.OutputLineCount, 0);  // the chart run's first page
    EXPECT_EQ(FormOf<Cosmodyne_graphs>().Caption().substr(0, 18), "Dual Cosmodynes - ");

    // "Both": one prompt, each cell the natal plus the dual cell.
    const std::size_t prompts = dialogs.Prompts().size();
    dialogs.AnswerText("0.25");
    cmdBothDynes_Graph_Click(ps);
    EXPECT_EQ(dialogs.Prompts().size(), prompts + 1);
    const std::vector<GraphRow> both = TableOf(File());
    ASSERT_EQ(both.size(), 92u);
    for (int r = 1; r <= 91; ++r)
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(both[r][c], natal[r][c] + dual[r][c]) << r << "," << c;
    EXPECT_EQ(FormOf<Cosmodyne_graphs>().Caption().substr(0, 28), "Natal and Dual Cosmodynes - ");
    EXPECT_EQ(ps.scans.Check21, 0);
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());

    // "D" and "Both" cancelled: no graph window, the file as it was; "D"
    // still unticks the criteria window's box.
    UnloadForm<Cosmodyne_graphs>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::string file = File();
    dialogs.AnswerText(std::nullopt);
    cmdDualDynes_Graph_Click(ps);
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
    EXPECT_EQ(File(), file);
    EXPECT_EQ(ps.scans.Check21, 0);
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
    dialogs.AnswerText(std::nullopt);
    cmdBothDynes_Graph_Click(ps);
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
    EXPECT_EQ(File(), file);
}

TEST_F(GraphLaunchersTest, AroundTheClockFromItsSettingsWindow) {
    DialogRecorder dialogs;
    cmdDualDynesAroundClock_Click();
    frmSetStartTime& w = FormOf<frmSetStartTime>();
    // Times reaching midnight: a message, no run.
    w.txtStartHour.SetText("2");
    w.cmdDrawGraph.PerformClick();
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_NE(dialogs.Prompts()[0].text.find("midnight"), std::string::npos);
    // Clamps, then the run: natal 1:00 .. 23:00 against 0:30 .. 23:30.
    w.txtStartHour.SetText("1");
    w.txtInterval.SetText("2.5");
    w.cmdDrawGraph.PerformClick();
    EXPECT_EQ(w.txtInterval.Text(), "2");
    EXPECT_EQ(w.txtStartMinute.Text(), "00");
    ASSERT_TRUE(FormLoaded<Cosmodyne_graphs>());
    Cosmodyne_graphs& g = FormOf<Cosmodyne_graphs>();
    EXPECT_EQ(g.Model().RowCount, 24);
    EXPECT_EQ(ps.chart.AroundClockMode, 1);
    EXPECT_EQ(ps.scans.BestDaysMode, 0);
    EXPECT_EQ(g.mnuHouse[12]->Caption(), "23:00");
    EXPECT_EQ(g.Caption().substr(0, 39), "Dual Cosmodynes Around the Clock - for ");
    EXPECT_NE(g.Caption().find(" - Asc and MC"), std::string::npos);
    // The table keeps the run's times; the input windows and the charts
    // their own: 9:30 P.M. and 6:05 A.M.
    EXPECT_EQ(ps.scans.Graph.TransitTimeHours[23], 23.0f);
    EXPECT_EQ(FormOf<InputD>().txtBirthHour.Text(), "9");
    EXPECT_TRUE(FormOf<InputD>().optPM.Value());
    EXPECT_EQ(FormOf<InputD1>().txtDiurnalMinute.Text(), "5");
    EXPECT_TRUE(FormOf<InputD1>().optDiurnalAM.Value());
    EXPECT_FLOAT_EQ(ps.chart.NatalTime, 9.30f);
    EXPECT_TRUE(FormLoaded<frmSetStartTime>());  // the settings window stays open
    Snapshot("around_clock.png");
}

TEST_F(GraphLaunchersTest, RunGuardRefusesRunsAndClosingTheSettings) {
    DialogResponder dialogs;  // no prompt may come
    cmdDualDynesAroundClock_Click();
    ps.scans.RunActive = true;
    FormOf<frmSetStartTime>().cmdDrawGraph.PerformClick();
    cmdNatalDynes_Graph_Click(ps);
    cmdDualDynes_Graph_Click(ps);
    cmdBothDynes_Graph_Click(ps);
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
    EXPECT_FALSE(FormOf<frmSetStartTime>().Unload());
    EXPECT_TRUE(ps.scans.RunActive);  // still the running run's
    ps.scans.RunActive = false;
    EXPECT_TRUE(FormOf<frmSetStartTime>().Unload());
}
