// The graph window through its menus, the around-the-clock settings window
// and the running-total chart window "Graph".
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ui/report_printing.h"
#include "app/ui/ui_state.h"
#include "dialog_responder.h"
#include "platform/app_path.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/ui/cosmodyne_graphs_window.h"
#include "scans/ui/graph_chart_window.h"
#include "scans/ui/set_start_time_window.h"
#include "test_support.h"

namespace {

// With TANDRELL_SNAPSHOT_DIR set, the window's picture is saved there to be
// looked at by hand.
void Snapshot(Form& w, const char* name) {
    const char* dir = std::getenv("TANDRELL_SNAPSHOT_DIR");
    if (!dir) return;
    w.grab().save(QString::fromStdString(JoinPath(dir, name)));
}

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ps.settings.AppPath = testsupport::MakeTempDir();
        MakeReportsFolder(ps.settings.AppPath);
        SetUiState(&ps);
        ReportPrintTarget() = PrinterOutput::Target::PdfFile;
    }
    void TearDown() override {
        UnloadForm<Cosmodyne_graphs>();
        UnloadForm<frmSetStartTime>();
        UnloadForm<Graph>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void WriteTable(int rows) {
        GraphState& g = ps.scans.Graph;
        g.GraphValues.assign(rows + 1, GraphRow{});
        g.GraphDates.assign(rows + 1, "");
        for (int r = 1; r <= rows; ++r) {
            g.GraphDates[r] = GraphDateText(AddDays(DateTime{1998, 1, 1}, r - 1), 0);
            for (int c = 1; c <= 12; ++c) g.GraphValues[r][c] = static_cast<float>((r * c) % 37) - 10;
        }
        g.GraphTitle = "Natal Cosmodynes";
        ASSERT_TRUE(WriteGraphFile(ps, rows));
    }
    ProgramState ps;
};

}  // namespace

TEST_F(GraphWindowTest, OpensOnTheFileWithEveryMenuAndSeries) {
    WriteTable(365);
    DialogResponder dialogs;
    ASSERT_TRUE(OpenCosmodyneGraphs(ps));
    Cosmodyne_graphs& w = FormOf<Cosmodyne_graphs>();
    GraphWindowModel& m = w.Model();
    EXPECT_EQ(m.RowCount, 365);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(m.DrawnColumns[k], 1);
    for (MenuItem* item : {&w.mnuDates, &w.mnuLines, &w.mnuReDraw, &w.mnuPrintGraph}) EXPECT_TRUE(item->Visible());
    EXPECT_EQ(w.Caption(),
              "Natal Cosmodynes - multiplier for P*H (body 11) = 1.00 and multiplier for Indiv. P*H (body 12) = 1.00");
    EXPECT_EQ(w.mnuHouse[10]->Shortcut(), "Shift+F9");
    EXPECT_EQ(w.mnuHouse[12]->Caption(), "Individual planet's P*H total summed");
    EXPECT_EQ(w.mnuHouseCadent.Shortcut(), "Shift+F3");
    EXPECT_EQ(w.mnuExit.Shortcut(), "F12");
    // The Planets menu: groups of three items, each followed by a separator.
    const auto actions = w.mnuHouseX.Menu()->actions();
    ASSERT_GE(actions.size(), 19);
    EXPECT_TRUE(actions[3]->isSeparator());
    EXPECT_TRUE(actions[15]->isSeparator());
    EXPECT_EQ(actions[4], w.mnuHouse[4]->Action());

    Snapshot(w, "graph_series.png");
    w.mnuDatesContract.PerformClick();
    EXPECT_EQ(m.FirstRow, 184);
    w.mnuDatesRight.PerformClick();  // s = 181: past the end, to the limit 350-380
    EXPECT_EQ(m.FirstRow, 350);
    EXPECT_EQ(m.EndRow, 380);
    w.mnuRedrawReDraw.PerformClick();
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(m.DrawnColumns[k], 0);
    w.mnuHouseCadent.PerformClick();
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(m.DrawnColumns[k], k >= 11 ? 1 : 0);
    w.mnuHouseFirst6.PerformClick();
    EXPECT_EQ(m.DrawnColumns[6], 1);
    w.mnuReDrawColorR.PerformClick();
    EXPECT_EQ(m.BackgroundColour, QBColor(7));
    w.mnuReDrawColorR.PerformClick();
    EXPECT_EQ(m.BackgroundColour, QBColor(15));

    dialogs.Answer(MsgResult::OK);
    w.mnuDatesNumber.PerformClick();
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].text, "Number of dates = 365");
    EXPECT_EQ(dialogs.Prompts()[0].title, "NUMBER OF DATES");
    EXPECT_EQ(dialogs.Prompts()[0].icon, MsgIcon::Information);

    // Print: the window's picture into a PDF file of the reports folder.
    DialogRecorder told;
    w.mnuPrintGraph.PerformClick();
    const QStringList pdfs = QDir(QString::fromStdString(JoinPath(ps.settings.AppPath, "REPORTS")))
                                 .entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);

    // File, Exit closes the window; the next opening starts afresh.
    w.mnuExit.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
}

TEST_F(GraphWindowTest, MissingFileOpensNothingAndAroundTheClockRenamesItems) {
    DialogRecorder dialogs;
    EXPECT_FALSE(OpenCosmodyneGraphs(ps));
    EXPECT_FALSE(FormLoaded<Cosmodyne_graphs>());
    ASSERT_EQ(dialogs.Prompts().size(), 1u);

    WriteTable(24);
    ps.chart.AroundClockMode = 1;
    for (int k = 1; k <= 12; ++k) ps.scans.Graph.NatalTimeHours[k] = static_cast<float>(5 + k);
    ASSERT_TRUE(OpenCosmodyneGraphs(ps));
    Cosmodyne_graphs& w = FormOf<Cosmodyne_graphs>();
    EXPECT_EQ(w.mnuHouse[1]->Caption(), "06:00");
    EXPECT_EQ(w.mnuHouse[12]->Caption(), "17:00");
    EXPECT_EQ(w.mnuHouseCadent.Caption(), "16:00 and 17:00");
    EXPECT_EQ(w.mnuHouseFirst6.Caption(), "first 6 intervals");
    EXPECT_EQ(w.mnuHouseLast6.Caption(), "last 6 intervals");
    EXPECT_EQ(w.Label5.Caption(), "H O U R  (24-hour time)");
    Snapshot(w, "graph_around_clock.png");
}

TEST_F(GraphWindowTest, SettingsWindowClampsKeysAndHelp) {
    frmSetStartTime& w = FormOf<frmSetStartTime>();
    EXPECT_EQ(w.Caption(), "Set Natal and Transit Start Times");
    const AroundClockBoxes start = w.Boxes();
    EXPECT_EQ(start.StartHour, "1");
    EXPECT_EQ(start.StartMinute, "00");
    EXPECT_EQ(start.Interval, "2");
    EXPECT_EQ(start.StartHourTransit, "0");
    EXPECT_EQ(start.StartMinuteTransit, "30");
    EXPECT_EQ(start.IntervalTransit, "1");
    EXPECT_EQ(w.txtInterval.MaxLength(), 8);
    EXPECT_EQ(w.txtStartHour.MaxLength(), 2);
    struct KeyCase {
        TextBox* box;
        bool point;
    } keys[] = {{&w.txtStartHour, false},         {&w.txtStartMinute, true},         {&w.txtInterval, true},
                {&w.txtStartHour_Transit, false}, {&w.txtStartMinute_Transit, false}, {&w.txtInterval_Transit, true}};
    for (const KeyCase& k : keys) {
        int dot = '.', digit = '7', back = 8, letter = 'a', minus = '-';
        k.box->KeyPress(dot), k.box->KeyPress(digit), k.box->KeyPress(back), k.box->KeyPress(letter),
            k.box->KeyPress(minus);
        EXPECT_EQ(dot, k.point ? '.' : 0);
        EXPECT_EQ(digit, '7');
        EXPECT_EQ(back, 8);
        EXPECT_EQ(letter, 0);
        EXPECT_EQ(minus, 0);
    }
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    w.cmdHelp.PerformClick();
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Help");
    EXPECT_EQ(dialogs.Prompts()[0].icon, MsgIcon::Information);
    const std::string& help = dialogs.Prompts()[0].text;
    EXPECT_EQ(help.substr(0, 20), "1. Natal times are e");
    EXPECT_EQ(help.substr(help.size() - 4), "\r\n\r\n");
}

TEST_F(GraphWindowTest, RunningTotalChartsShowAndSave) {
    ps.chart.ChartName = "Alex/Sample";
    std::vector<std::string> lines;
    for (int d = 0; d < 365; ++d)
        lines.push_back("  " + FormatDate(AddDays(DateTime{2024, 1, 1}, d), "dd mmm yyyy") + ": -3");
    ps.scans.BatchLines = lines;
    ps.scans.BatchLineCount = 365;
    DialogResponder dialogs;
    PowerHarmonyGraphFile2(ps, 364);
    ASSERT_TRUE(FormLoaded<Graph>());
    const std::string file = JoinPath(ps.settings.AppPath, "Alex_Sample2.bmp");
    QImage picture(QString::fromStdString(file));
    if (const char* dir = std::getenv("TANDRELL_SNAPSHOT_DIR")) picture.save(QString::fromStdString(JoinPath(dir, "t_chart.png")));
    EXPECT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 100);
    // None to chart: nothing saved.
    ps.chart.ChartName = "Nobody";
    PowerHarmonyGraphFile2(ps, 0);
    PowerHarmonyGraphFiles(ps, 0);
    EXPECT_FALSE(FileExists(JoinPath(ps.settings.AppPath, "Nobody2.bmp")));
    EXPECT_FALSE(FileExists(JoinPath(ps.settings.AppPath, "Nobody0.bmp")));
}
