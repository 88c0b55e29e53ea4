// The best-days launchers and the day-by-day scan driven through the
// windows' controls: the prompts, the day counts, the flags and boxes each
// launcher resets, and the table file.
#include <cmath>

#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/input_natal_window.h"
#include "scans/batch_score_list.h"
#include "people/ui/names_window.h"
#include "platform/ui/form_registry.h"
#include "scan_window_fixture.h"
#include "scans/ui/params_window.h"

namespace {

TEST_F(ScanWindowTest, DayCountsOfTheBalanceScan) {
    FillCouple(fixtures::NorthCouple());
    const struct { const char* years; size_t rows; } cases[] = {
        {"1", 365}, {"0.5", 182}, {"2", 730}, {"0.002", 0}, {"0.004", 1},
    };
    for (const auto& c : cases) {
        dialogs->AnswerText("2026").AnswerText(c.years);
        NamesRuns().Command5_Click();  // "T"
        const auto lines = CsvLines("best_days_for_you_data.csv");
        ASSERT_EQ(lines.size(), c.rows + 1) << c.years;
        EXPECT_EQ(ps.scans.ScanDayCount, static_cast<int>(c.rows) - 1);
        if (c.rows == 0) continue;
        // "T": the balance after the date, every value 0.00.
        EXPECT_EQ(lines[1].substr(0, 15), "  14 Mar 2026: ");
        EXPECT_EQ(lines[1].substr(lines[1].size() - 6), ", 0.00");
    }
    // The prompts: starting year (default the second set's year), then years.
    ASSERT_GE(dialogs->Prompts().size(), 2u);
    EXPECT_EQ(dialogs->Prompts()[0].title, "Starting Year");
    EXPECT_EQ(dialogs->Prompts()[0].text, "Enter starting year (calcs start at birthday) for analysis:");
    EXPECT_EQ(dialogs->Prompts()[0].defaultText, "1965");
    EXPECT_EQ(dialogs->Prompts()[1].title, "Number of Years");
    EXPECT_EQ(dialogs->Prompts()[1].defaultText, " 1");
    EXPECT_EQ(ps.scans.BestDaysMode, 0);
    EXPECT_EQ(ps.scans.PerDayResult, 0);
    EXPECT_EQ(ps.scans.NoBatchSort, 0);
    EXPECT_FALSE(ps.scans.RunActive);
}

TEST_F(ScanWindowTest, TooManyYearsSaysSoAndRunsNothing) {
    FillCouple(fixtures::NorthCouple());
    dialogs->AnswerText("2026").AnswerText("90").Answer(MsgResult::OK);
    NamesRuns().Command5_Click();
    ASSERT_EQ(dialogs->Prompts().size(), 3u);
    EXPECT_NE(dialogs->Prompts()[2].text.find("32767 days"), std::string::npos);
    EXPECT_EQ(AppFile("best_days_for_you_data.csv"), "");
}

TEST_F(ScanWindowTest, TAsksAgainFromTheYearBoxAndCancelEndsTheRun) {
    // "T" asks again for a year below 1900, each time with the year box as
    // the last answer left it; Cancel lets the user out and nothing runs. A
    // second person gets their own date back, a transit moment keeps the
    // last answer.
    for (const int person : {1, 0}) {
        SCOPED_TRACE(person);
        FillCouple(fixtures::NorthCouple());
        InputD1& second = FormOf<InputD1>();
        second.chk2ndPerson.SetValue(person);
        dialogs.reset();
        dialogs = std::make_unique<DialogResponder>();
        dialogs->AnswerText("1850").AnswerText("1899").AnswerText(std::nullopt);
        NamesRuns().Command5_Click();
        ASSERT_EQ(dialogs->Prompts().size(), 3u);
        EXPECT_EQ(dialogs->Prompts()[0].defaultText, "1965");
        EXPECT_EQ(dialogs->Prompts()[1].defaultText, "1850");
        EXPECT_EQ(dialogs->Prompts()[2].defaultText, "1899");
        EXPECT_EQ(AppFile("best_days_for_you_data.csv"), "");
        EXPECT_EQ(second.txtDiurnalYear.Text(), person == 1 ? "1965" : "1899");
        EXPECT_EQ(ps.scans.BestDaysMode, 0);
        EXPECT_FALSE(ps.scans.RunActive);
    }
}

TEST_F(ScanWindowTest, BestDaysForYouPresetsAndResets) {
    FillCouple(fixtures::NorthCouple());
    Params& params = FormOf<Params>();
    Names& names = FormOf<Names>();
    InputD1& second = FormOf<InputD1>();
    second.Option1.SetValue(false);
    dialogs->AnswerText("2030").AnswerText(std::nullopt);  // Cancel at the years: nothing scanned
    NamesRuns().Command3_Click();
    // The second person's own date is back.
    EXPECT_EQ(second.txtDiurnalYear.Text(), "1965");
    EXPECT_EQ(second.txtDiurnalMonth.Text(), "11");
    EXPECT_EQ(second.txtDiurnalDay.Text(), "2");
    EXPECT_EQ(dialogs->Prompts()[0].defaultText, "1962");
    EXPECT_TRUE(second.Option2.Value());
    EXPECT_EQ(params.Check21.Value(), 0);
    EXPECT_EQ(ps.scans.Check21, 0);
    EXPECT_EQ(names.Text1.Text(), "40");
    EXPECT_EQ(ps.scans.NamesText1, "40");
    EXPECT_EQ(ps.scans.UseAllBodies, 0);
    EXPECT_EQ(ps.scans.BestDaysMode, 0);
}

TEST_F(ScanWindowTest, RefusedInputStopsTheLauncherButItsResetsRun) {
    FillCouple(fixtures::NorthCouple());
    FormOf<InputD1>().txtDiurnalLatDeg.SetText("95");
    dialogs->AnswerText("2026").Answer(MsgResult::OK, 2);
    NamesRuns().Command3_Click();
    // No years prompt after the refusal.
    for (const auto& p : dialogs->Prompts()) EXPECT_NE(p.title, "Number of Years");
    EXPECT_EQ(ps.chart.InputError, 1);
    EXPECT_EQ(FormOf<Names>().Text1.Text(), "40");
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
}

TEST_F(ScanWindowTest, SearchWithThresholdZeroPrintsEveryDay) {
    FillCouple(fixtures::NorthCouple());
    Params& params = FormOf<Params>();
    params.Text1.SetText("0");
    params.Check21.SetValue(0);
    dialogs->AnswerText("2026").AnswerText("0.02");  // days 0..6
    params.Command1.PerformClick();
    EXPECT_EQ(ps.scans.ScanDayCount, 6);
    EXPECT_EQ(params.Check21.Value(), 0);
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
    // Header, blank line, then one entry per day.
    int dated = 0;
    for (const auto& line : BufferLines())
        if (line.find(" Mar 2026: ") != std::string::npos) ++dated;
    EXPECT_GE(dated, 0);
    EXPECT_EQ(CsvLines("best_days_for_you_data.csv").size(), 1u + (ps.scans.BatchLineCount > 0 ? 1u : 0u));
}

TEST_F(ScanWindowTest, RunThatComputesNoChartBeforeTheFirstBringsTheWindowsBack) {
    // Before the first chart the main window has no Input menu to bring the
    // hidden windows back.
    bool menus = false;
    InputHooks().ShowChartMenus = [&menus] { menus = true; };
    InputHooks().ChartMenusVisible = [&menus] { return menus; };
    FillCouple(fixtures::NorthCouple());
    ShowInputAndListWindows();
    FormOf<InputD1>().txtDiurnalLatDeg.SetText("95");
    dialogs->AnswerText("2026").Answer(MsgResult::OK, 2);
    NamesRuns().Command3_Click();  // refused input
    EXPECT_TRUE(FormOf<InputD>().isVisible());
    EXPECT_TRUE(FormOf<Names>().isVisible());
    dialogs->AnswerText(std::nullopt);
    NamesRuns().Command2_Click();  // "Best Days", Cancel at the years
    EXPECT_TRUE(FormOf<InputD>().isVisible());
    EXPECT_TRUE(FormOf<Params>().isVisible());
    // Once a chart stands, the windows stay hidden as every run leaves them.
    FormOf<InputD1>().txtDiurnalLatDeg.SetText("40");
    dialogs->AnswerText("2026").AnswerText("0.01");
    NamesRuns().Command3_Click();
    EXPECT_TRUE(menus);
    EXPECT_FALSE(FormOf<InputD>().isVisible());
    EXPECT_FALSE(FormOf<Names>().isVisible());
}

}  // namespace

namespace {

TEST_F(ScanWindowTest, BestDaysOverAQuarterYearAcrossLeapDay) {
    FillCouple(fixtures::NorthTransits());
    InputD& natal = FormOf<InputD>();
    natal.txtMonth.SetText("2");
    natal.txtDay.SetText("1");
    natal.txtYear.SetText("2024");
    FormOf<Names>().Text1.SetText("0");
    dialogs->AnswerText(" .25");  // the default answer
    NamesRuns().Command2_Click();
    ASSERT_EQ(dialogs->Prompts().size(), 1u);
    EXPECT_EQ(dialogs->Prompts()[0].defaultText, " .25");
    const auto lines = BufferLines();
    // Blank, title, blank, column heads, blank, 91 days, the closing blank.
    ASSERT_EQ(lines.size(), 5u + 91u + 1u);
    EXPECT_EQ(lines[1], "  Best Days According to Cosmodyne Harmony");
    EXPECT_EQ(lines[3].find("Power"), 20u);
    int leapDays = 0;
    double previous = 1e9;
    for (size_t k = 5; k < 96; ++k) {
        if (lines[k].find("29 Feb 2024 - ") != std::string::npos) ++leapDays;
        const double score = BatchEntryScore(lines[k]);
        EXPECT_LE(score, previous) << lines[k];
        previous = score;
    }
    EXPECT_EQ(leapDays, 1);
    bool first = false, last = false;
    for (const auto& l : lines) {
        // 9.30 P.M. at zone 5 is the next day in universal time, which the
        // day dates follow: from the day before that date, 90 days on.
        first = first || l.find("01 Feb 2024 - ") != std::string::npos;
        last = last || l.find("01 May 2024 - ") != std::string::npos;
    }
    EXPECT_TRUE(first);
    EXPECT_TRUE(last);
    // The natal window keeps the entered date; angles back to "Asc only".
    EXPECT_EQ(natal.txtMonth.Text() + "/" + natal.txtDay.Text() + "/" + natal.txtYear.Text(), "2/1/2024");
    EXPECT_TRUE(FormOf<InputD1>().Option2.Value());
}

}  // namespace

namespace {

TEST_F(ScanWindowTest, CriteriaScanOfNoDayWritesTheHeaderOnly) {
    FillCouple(fixtures::NorthCouple());
    // A batch list left by an earlier run is not written again.
    ps.scans.BatchLines = {"  left over    1.00", ""};
    ps.scans.BatchLineCount = 1;
    dialogs->AnswerText("2026").AnswerText("0.002");
    FormOf<Params>().Command1.PerformClick();
    EXPECT_EQ(ps.scans.ScanDayCount, -1);
    EXPECT_EQ(CsvLines("best_days_for_you_data.csv").size(), 1u);
    // One day in a best-days mode: its line is listed.
    dialogs->AnswerText("2026").AnswerText("0.004");
    NamesRuns().Command3_Click();
    int listed = 0;
    for (const auto& line : BufferLines())
        if (line.rfind("  14 Mar 2026: ", 0) == 0) ++listed;
    EXPECT_EQ(listed, 1);
}

}  // namespace
