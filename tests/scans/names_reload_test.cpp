// The names window is made anew at every loading: the settings the runs
// read from it are those it shows afterwards, whichever way it was loaded.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "people/ui/cities_window.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_editor_window.h"
#include "people/ui/names_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "scan_window_fixture.h"
#include "scans/batch_score_list.h"
#include "test_support.h"

namespace {

class NamesReloadTest : public ScanWindowTest {
protected:
    void SetUp() override {
        ScanWindowTest::SetUp();
        FillCouple(fixtures::NorthCouple());
        InputHooks().ChooseNamesFile = [this] { return ps.settings.CurrentNamesFile; };
        testsupport::WriteBytes(JoinPath(ps.settings.AppPath, "GA_MA.LL"),
                                testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), "GA_MA.LL")));
    }
    void TearDown() override {
        UnloadForm<Geograph>();
        ScanWindowTest::TearDown();
    }
};

TEST_F(NamesReloadTest, ThresholdOfBestDaysForYouEndsWithASave) {
    dialogs->AnswerText("2030").AnswerText(std::nullopt);  // "Best Days for You", Cancel at the years
    NamesRuns().Command3_Click();
    ASSERT_EQ(FormOf<Names>().Text1.Text(), "40");
    FormOf<InputD>().cmdSave.PerformClick();  // person A saved: the window loads again
    Names& names = FormOf<Names>();
    EXPECT_EQ(names.Text1.Text(), "0");
    names.NamesOnFile.SetListIndex(0);
    NamesRuns().Batch1_Click();  // "One vs All"
    std::vector<double> listed;
    for (const auto& line : BufferLines())
        if (line.find("P = ") != std::string::npos) listed.push_back(BatchEntryScore(line));
    EXPECT_EQ(listed.size(), 8u);  // the shipped eight and the person saved
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [](double s) { return std::fabs(s) < 40; }));
}

TEST_F(NamesReloadTest, EveryWayOfLoadingLeavesTheRunsWhatTheWindowShows) {
    auto names = []() -> Names& { return FormOf<Names>(); };
    const struct {
        const char* what;
        std::function<void()> change, reload;
    } cases[] = {
        {"Yrs difference, Save to disk", [&] { names().Text2.SetText("0"); },
         [] { FormOf<InputD>().cmdSave.PerformClick(); }},
        {"1 to 1, the editor's Quit", [&] { names().Check2.SetValue(1); },
         [] { FormOf<NameEdit>().btnQuit.PerformClick(); }},
        {"incl MR, a double click", [&] { names().Check3.SetValue(0); },
         [&] {
             FormOf<InputD1>().chk2ndPerson.SetValue(0);
             names().NamesOnFile.SetListIndex(0);
             names().NamesOnFile.DblClick();
             InputMenuShowWindows(ps);
         }},
        {"P * H, the cities and back", [&] { names().chkPH.SetValue(1); },
         [&] {
             names().Command1.PerformClick();
             FormOf<Geograph>().Command1.PerformClick();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        c.reload();
        const Names& w = names();
        const ScanState& s = ps.scans;
        const auto shown =
            std::tuple(w.Text1.Text(), w.Text2.Text(), w.Check2.Value(), w.Check3.Value(), w.chkPH.Value());
        // Made anew: the window shows its stored values again.
        EXPECT_EQ(shown, std::tuple(std::string("0"), std::string("99"), 0, 1, 0));
        EXPECT_EQ(std::tuple(s.NamesText1, s.NamesText2, s.NamesCheck2, s.NamesCheck3, s.NamesCheckPH), shown);
    }
}

}  // namespace
