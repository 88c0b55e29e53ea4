// The runs over the names list driven through the windows: each person's
// charts kept for the run give the pages and the table file the per-pair
// road gives, the failure and refusal paths, and the windows at the end.
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/names_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "scan_window_fixture.h"
#include "scans/ui/params_window.h"
#include "scans/ui/run_windows.h"
#include "test_support.h"

namespace {

struct RunResult {
    std::vector<std::string> page;
    std::string table;
};

class NamesRunsTest : public ScanWindowTest {
protected:
    RunResult Run(bool cache, const std::function<void()>& click) {
        ps.scans.CacheNamesCharts = cache;
        ps.chart.WorkDeclinations[13] = 7.25;  // what the chart before the run left
        testsupport::WriteBytes(JoinPath(ps.settings.AppPath, "best_days_for_you_data.csv"), "");
        click();
        return {BufferLines(), AppFile("best_days_for_you_data.csv")};
    }
};

TEST_F(NamesRunsTest, KeptChartsGiveThePerPairRoadsPagesAndFile) {
    FillCouple(fixtures::NorthCouple());
    FormOf<Names>();
    FormOf<Params>().Text1.SetText("2");
    for (int chiron : {0, 1}) {
        FormOf<InputD1>().chkChiron.SetValue(chiron);
        for (bool criteria : {true, false}) {
            auto click = [&] {
                if (criteria) FormOf<Params>().Command2.PerformClick();
                else NamesRuns().Batch_Click();
            };
            dialogs.reset();
            dialogs = std::make_unique<DialogRecorder>();
            const RunResult kept = Run(true, click);
            const RunResult road = Run(false, click);
            EXPECT_EQ(kept.page, road.page) << "chiron " << chiron << " criteria " << criteria;
            EXPECT_EQ(kept.table, road.table) << "chiron " << chiron << " criteria " << criteria;
            if (criteria) {
                EXPECT_GT(kept.page.size(), 10u);
            }
        }
    }
}

TEST_F(NamesRunsTest, OneVsAllWithoutASelectionSaysSo) {
    FillCouple(fixtures::NorthCouple());
    FormOf<Names>().NamesOnFile.SetListIndex(-1);
    bool inputMenu = false;
    ShowInputMenuHook() = [&] { inputMenu = true; };
    dialogs->Answer(MsgResult::OK);
    NamesRuns().Batch1_Click();
    ASSERT_EQ(dialogs->Prompts().size(), 1u);
    EXPECT_EQ(dialogs->Prompts()[0].text, "Please select a name from the list above, then try again.");
    EXPECT_EQ(dialogs->Prompts()[0].title, "Error!");
    EXPECT_TRUE(inputMenu);
    EXPECT_EQ(ps.chart.QuietMode, 0);
    EXPECT_EQ(ps.scans.BatchMode, 0);
    EXPECT_FALSE(ps.scans.RunActive);
}

TEST_F(NamesRunsTest, UnreadableRecordEndsTheRunWithItsMessage) {
    testsupport::WriteBytes(JoinPath(ps.settings.AppPath, "NAMES.FIL"),
                            "Ann One,14 Feb 1975,8.15,A,5,074.00,40.43,\r\n"
                            "Bob Two,31 Feb 1975,8.15,A,5,074.00,40.43,\r\n");
    FillCouple(fixtures::NorthCouple());
    FormOf<Names>();
    ps.scans.BatchMode = 0;
    dialogs->Answer(MsgResult::OK);
    FormOf<Params>().Command2.PerformClick();
    ASSERT_EQ(dialogs->Prompts().size(), 1u);
    EXPECT_EQ(dialogs->Prompts()[0].title, "Error!");
    EXPECT_EQ(dialogs->Prompts()[0].text.substr(0, 40), "Format error or typographical error in s");
    EXPECT_EQ(ps.chart.QuietMode, 0);
    EXPECT_EQ(ps.scans.DatedLines, 0);
    EXPECT_EQ(ps.scans.BatchMode, 0);
}

TEST_F(NamesRunsTest, RefusedRecordIsReportedOnceAndItsPairsAreNotScored) {
    // Lee's latitude is beyond the quadrant houses' limit: refused as either
    // record of a pair, one message for Lee in all.
    testsupport::WriteBytes(JoinPath(ps.settings.AppPath, "NAMES.FIL"),
                            "Ann One,14 Feb 1975,8.15,A,5,074.00,40.43,\r\n"
                            "Lee Far,09 Jan 1980,12.00,P,-5,-020.00,78.00,\r\n"
                            "Kim Three,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n");
    FillCouple(fixtures::NorthCouple());
    FormOf<Names>();
    FormOf<Params>().Text1.SetText("0");
    dialogs.reset();
    dialogs = std::make_unique<DialogRecorder>();
    FormOf<Params>().Command2.PerformClick();
    int latitude = 0;
    for (const auto& p : dialogs->Prompts())
        if (p.text.find("latitude is too high") != std::string::npos) ++latitude;
    EXPECT_EQ(latitude, 1);
    // (Ann, Kim) scanned: its pair line and its day's entry; no pair with Lee.
    int entries = 0;
    for (const auto& line : BufferLines()) {
        if (!line.empty()) ++entries;
        EXPECT_EQ(line.find("Lee"), std::string::npos) << line;
    }
    EXPECT_EQ(entries, 2);
}

}  // namespace
