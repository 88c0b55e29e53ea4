// The chart run from the input windows: OK with a couple typed in, the
// first report page, and what a refused input leaves behind.
#include "app/ui/report_window.h"
#include "chart_run_setup.h"
#include "dialog_responder.h"
#include "input_window_fixture.h"
#include "people/chart_run.h"
#include "people/ui/compute_charts.h"
#include "platform/clipboard.h"
#include "platform/text_file.h"
#include "test_support.h"

namespace {

class ChartRunTest : public InputWindowTest {
protected:
    void SetUp() override {
        InputWindowTest::SetUp();
        testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
        Settings& s = ps.settings;
        s.DateOrder = 0;
        s.TimeFormat = 1;
        s.OptionValues[211] = 0;
        InputHooks().ShowChartMenus = [this] { ++menusShown; };
        InputHooks().ChartMenusVisible = [this] { return menusShown > 0; };
        ps.output.ShowReportPage = [this](const std::string& file) { shownPage = file; };
    }

    int menusShown = 0;
    std::string shownPage;
};

}  // namespace

TEST_F(ChartRunTest, OkWithACoupleShowsBothHeaders) {
    // The page goes to the report window, as in the program.
    InstallReportWindow(ps);
    auto show = ps.output.ShowReportPage;
    ps.output.ShowReportPage = [this, show](const std::string& file) {
        shownPage = file;
        show(file);
    };
    TypeNatal();
    TypeSecond();
    Second().chkRelationship.SetValue(0);
    EXPECT_EQ(Second().txtDiurnalTZ.Text(), "-1");
    Natal().cmdOK.PerformClick();

    EXPECT_EQ(ps.chart.InputError, 0);
    EXPECT_FALSE(Natal().isVisible());
    EXPECT_FALSE(Second().isVisible());
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(ps.chart.ChartName, "John Smith");
    EXPECT_EQ(ps.chart.HouseSystemCode, "P");
    EXPECT_EQ(ps.chart.AnglesSetting, 1);
    EXPECT_FLOAT_EQ(ps.chart.NatalTime, 9.30f);
    EXPECT_EQ(ps.chart.NatalAmPm, "P.M.");
    EXPECT_FLOAT_EQ(ps.chart.DiurnalLongitude, -2.20f);
    EXPECT_EQ(ps.chart.NatalEastWest, "WEST");
    EXPECT_EQ(ps.chart.DiurnalDayOffset, 3);

    const std::string pageFile = JoinPath(JoinPath(ps.settings.AppPath, "REPORTS"), "LASTPAGE.TXT");
    EXPECT_EQ(shownPage, pageFile);
    const std::vector<std::string> lines = ReadTextLines(pageFile).value_or(std::vector<std::string>{});
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[1], "  John Smith");
    EXPECT_NE(lines[2].find("14 Mar 1962"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("9.30 P.M."), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("40.43 NORTH"), std::string::npos) << lines[2];
    EXPECT_EQ(lines[4].substr(0, 16), "  Mary Ann Jones");
    EXPECT_NE(lines[5].find("02 Nov 1965"), std::string::npos) << lines[5];
    EXPECT_NE(lines[5].find("2.20 EAST"), std::string::npos) << lines[5];
    // The page goes on with the interchart cosmodynes, whose text is on the clipboard.
    EXPECT_EQ(lines[7], "  John Smith's COSMODYNES vs Mary Ann Jones's");
    EXPECT_EQ(ps.interchart.ClipboardReportText.rfind("  John Smith's COSMODYNES vs Mary Ann Jones's\r\n", 0), 0u);
    EXPECT_EQ(ClipboardText(), ps.interchart.ClipboardReportText);

    const std::string shown = FormOf<OutputD1>().RichText1.Text();
    EXPECT_NE(shown.find("  John Smith"), std::string::npos) << shown;
    EXPECT_NE(shown.find("  Mary Ann Jones"), std::string::npos);
    EXPECT_NE(shown.find("02 Nov 1965"), std::string::npos);
    EXPECT_TRUE(FormOf<OutputD1>().isVisible());
    UnloadForm<OutputD1>();

    // The charts were computed: the Sun of 14 March 1962 stands in Pisces.
    EXPECT_GT(ps.chart.NatalLongitudes[1], 330.0);
    EXPECT_LT(ps.chart.NatalLongitudes[1], 360.0);
}

TEST_F(ChartRunTest, RefusedInputComputesNothingAndKeepsTheWindowsUsable) {
    TypeNatal();
    Natal().txtMonth.SetText("");
    {
        DialogResponder responder;
        responder.Answer(MsgResult::OK).Answer(MsgResult::OK);
        Natal().cmdOK.PerformClick();
        ASSERT_EQ(responder.Prompts().size(), 2u);
        EXPECT_EQ(responder.Prompts()[1].text, "Error in natal input data section. Please correct.");
    }
    EXPECT_EQ(ps.chart.InputError, 1);
    EXPECT_EQ(menusShown, 0);
    EXPECT_TRUE(shownPage.empty());
    EXPECT_TRUE(Natal().isVisible());  // no Input menu yet: they come back
    EXPECT_TRUE(Second().isVisible());
    // So does a house-system change that meets the same input.
    {
        DialogResponder responder;
        responder.Answer(MsgResult::OK).Answer(MsgResult::OK);
        RecomputeCharts(ps);
        EXPECT_EQ(responder.Prompts().size(), 2u);
    }
    EXPECT_TRUE(Natal().isVisible());
    EXPECT_TRUE(Second().isVisible());

    // An empty second window: five diurnal messages.
    Type(Natal().txtMonth, "3");
    InputD1& d = Second();
    {
        DialogResponder responder;
        for (int i = 0; i < 6; ++i) responder.Answer(MsgResult::OK);
        for (TextBox* box : {&d.txtDiurnalMonth, &d.txtDiurnalDay, &d.txtDiurnalYear, &d.txtDiurnalHour,
                             &d.txtDiurnalMinute, &d.txtDiurnalTZ, &d.txtDiurnalLongDeg, &d.txtDiurnalLongMin,
                             &d.txtDiurnalLatDeg, &d.txtDiurnalLatMin})
            box->SetText("");
        const size_t emptyHour = responder.Prompts().size();  // the hour box's own message
        EXPECT_EQ(emptyHour, 1u);
        Natal().cmdOK.PerformClick();
        EXPECT_EQ(responder.Prompts().size() - emptyHour, 5u);
        for (size_t i = emptyHour; i < responder.Prompts().size(); ++i)
            EXPECT_EQ(responder.Prompts()[i].text, "Error in diurnal input data section. Please correct.");
    }

    // Once a chart exists, a refused input leaves the windows hidden.
    TypeSecond();
    Natal().cmdOK.PerformClick();
    ASSERT_EQ(ps.chart.InputError, 0);
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    ShowInputAndListWindows();
    Natal().txtDay.SetText("31");
    Natal().txtMonth.SetText("2");
    Natal().cmdOK.PerformClick();
    EXPECT_EQ(responder.Prompts().size(), 1u);
    EXPECT_FALSE(Natal().isVisible());
}

TEST_F(ChartRunTest, LeftClickOnTheSecondWindowRunsTheChartsAndOption211EmptiesTheBuffer) {
    TypeNatal();
    TypeSecond();
    Second().chkRelationship.SetValue(1);
    ps.settings.OptionValues[211] = 1;
    Second().show();
    QTest::mouseClick(Second().centralWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ps.chart.InputError, 0);
    EXPECT_FALSE(shownPage.empty());
    EXPECT_EQ(Second().chkRelationship.Value(), 0);
    EXPECT_EQ(ps.output.OutputLineCount, 0);
    EXPECT_GT(ps.output.PageLineCount, 0);
}

TEST_F(ChartRunTest, GraphRunsComputeOneChartEachAndTouchNoWindow) {
    TypeNatal();
    TypeSecond();
    Natal().Show();
    ComputeChartsForGraph(ps);
    EXPECT_EQ(ps.chart.InputError, 0);
    EXPECT_TRUE(Natal().isVisible());
    EXPECT_EQ(menusShown, 0);
    EXPECT_TRUE(shownPage.empty());
    EXPECT_EQ(ps.chart.ChartName, "John Smith");
    EXPECT_GT(ps.chart.NatalLongitudes[1], 330.0);  // Sun in Pisces
    EXPECT_EQ(ps.chart.SecondLongitudes[1], 0.0);   // chart B not computed

    ComputeDiurnalForGraph(ps);
    // 2 November 1965: the Sun in Scorpio.
    EXPECT_GT(ps.chart.SecondLongitudes[1], 210.0);
    EXPECT_LT(ps.chart.SecondLongitudes[1], 240.0);

    // A failed check stops the graph run as it stops the full run.
    Natal().txtMonth.SetText("");
    ps.chart.NatalLongitudes[1] = 0;
    {
        // An empty month gives two messages, as it does for OK.
        DialogResponder dialogs;
        dialogs.Answer(MsgResult::OK, 2);
        ComputeChartsForGraph(ps);
    }
    EXPECT_EQ(ps.chart.InputError, 1);
    EXPECT_EQ(ps.chart.NatalLongitudes[1], 0.0);
}

TEST_F(ChartRunTest, QuietRunBringsTheChartsInStepAndLeavesPageBufferAndClipboard) {
    TypeNatal();
    TypeSecond();
    Second().chkChiron.SetValue(0);
    ps.people.NatalNameText = "John Smith";
    ps.chart.UseChiron = false;
    ps.settings.OptionValues[211] = 1;
    // What a long run left: its page in the buffer, its text on the clipboard.
    ps.output.OutputBuffer = {"  a run's page", ""};
    ps.output.OutputLineCount = 1;
    SetClipboardText("the run's text");
    ps.chart.QuietMode = 1;
    EXPECT_TRUE(ComputeChartsQuietly(ps, Natal().Fields(), Second().Fields()));
    EXPECT_EQ(ps.chart.QuietMode, 1);
    EXPECT_EQ(ps.output.OutputLineCount, 1);
    EXPECT_EQ(ps.output.OutputBuffer[0], "  a run's page");
    EXPECT_EQ(ClipboardText(), "the run's text");
    EXPECT_TRUE(shownPage.empty());
    EXPECT_EQ(menusShown, 0);
    // The charts of the whole run, Chiron included though not asked for.
    const auto natal = ps.chart.NatalLongitudes, second = ps.chart.SecondLongitudes;
    ps.chart.QuietMode = 0;
    ASSERT_TRUE(ComputeChartsFromFields(ps, Natal().Fields(), Second().Fields()));
    EXPECT_EQ(natal, ps.chart.NatalLongitudes);
    EXPECT_EQ(second, ps.chart.SecondLongitudes);

    // Refused fields: no message (the responder fails on any), charts kept.
    DialogResponder silent;
    Second().txtDiurnalLatDeg.SetText("95");
    ps.chart.SecondLongitudes[1] = 0;
    EXPECT_FALSE(ComputeChartsQuietly(ps, Natal().Fields(), Second().Fields()));
    EXPECT_EQ(ps.chart.InputError, 1);
    EXPECT_EQ(ps.chart.SecondLongitudes[1], 0.0);
}
