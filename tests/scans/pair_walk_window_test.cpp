// The pair walks of the runs over the names list: each pair once or both
// orders, the pairing rules, the birth-year gap, the two-name averages and
// the One vs All list, through the windows' buttons.
#include "people/ui/input_diurnal_window.h"
#include "people/ui/names_window.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "scan_window_fixture.h"
#include "scans/batch_score_list.h"
#include "scans/ui/params_window.h"
#include "test_support.h"

namespace {

class PairWalkTest : public ScanWindowTest {
protected:
    void Names(const std::vector<std::string>& names, const std::vector<std::string>& dates = {}) {
        std::string file;
        for (size_t k = 0; k < names.size(); ++k)
            file += names[k] + "," + (k < dates.size() ? dates[k] : "14 Feb 197" + std::to_string(k)) +
                    ",8.15,A,5,074.00,40.43,\r\n";
        testsupport::WriteBytes(JoinPath(ps.settings.AppPath, "NAMES.FIL"), file);
        UnloadForm<::Names>();
        FormOf<::Names>();
        FillCouple(fixtures::NorthCouple());
        dialogs.reset();
        dialogs = std::make_unique<DialogRecorder>();
    }
    // The pairs listed by "All vs All": "A-B" by first names, in page order.
    std::vector<std::string> ListedPairs() {
        std::vector<std::string> pairs;
        for (const auto& line : BufferLines()) {
            const size_t a = line.find(" ("), b = line.find(",", line.find("),") + 2);
            if (a == std::string::npos || line.find("),") == std::string::npos || line[0] != ' ') continue;
            pairs.push_back(line.substr(2, a - 2) + "-" + line.substr(b + 1, line.find(" (", b) - b - 1));
        }
        return pairs;
    }
};

TEST_F(PairWalkTest, EachPairOnceOrBothOrders) {
    Names({"Ann One", "Bob Two", "Cy Three"});
    NamesRuns().Batch_Click();
    EXPECT_EQ(ListedPairs(), (std::vector<std::string>{"Ann-Bob", "Ann-Cy", "Bob-Cy"}));
    ps.settings.OptionValues[36] = 1;
    NamesRuns().Batch_Click();
    EXPECT_EQ(ListedPairs(),
              (std::vector<std::string>{"Ann-Bob", "Ann-Cy", "Bob-Ann", "Bob-Cy", "Cy-Ann", "Cy-Bob"}));
}

TEST_F(PairWalkTest, PairingRulesAndYearGap) {
    Names({"m1Tom S", "m1Bob S", "w1Ann S", "m2Ed S", "M1Cy S", "M1Di S"});
    NamesRuns().Batch_Click();
    // Not paired: m1Tom and m1Bob; everyone else is (M is not m).
    const std::vector<std::string> expected = {
        "m1Tom-w1Ann", "m1Tom-m2Ed", "m1Tom-M1Cy", "m1Tom-M1Di", "m1Bob-w1Ann", "m1Bob-m2Ed", "m1Bob-M1Cy",
        "m1Bob-M1Di",  "w1Ann-m2Ed", "w1Ann-M1Cy", "w1Ann-M1Di", "m2Ed-M1Cy",  "m2Ed-M1Di",  "M1Cy-M1Di"};
    EXPECT_EQ(ListedPairs(), expected);
    Names({"Sun:01 Ann", "Ven:01 Bob", "Ven:02 Cy"});
    FormOf<::Names>().Check2.SetValue(1);
    NamesRuns().Batch_Click();
    EXPECT_EQ(ListedPairs(), (std::vector<std::string>{"Sun:01-Ven:01"}));
    FormOf<::Names>().Check2.SetValue(0);
    Names({"Ann One", "Bob Two", "Cy Three"}, {"14 Feb 1970", "3 Mar 1970", "5 May 1971"});
    FormOf<::Names>().Text2.SetText("0");
    NamesRuns().Batch_Click();
    EXPECT_EQ(ListedPairs(), (std::vector<std::string>{"Ann-Bob"}));
    FormOf<::Names>().Text2.SetText("99");
}

TEST_F(PairWalkTest, TwoNamesGiveThePairsAverages) {
    Names({"Ann One", "Bob Two"});
    NamesRuns().Batch_Click();
    const auto lines = BufferLines();
    std::string pair;
    for (const auto& l : lines)
        if (l.rfind("  Ann (", 0) == 0) pair = l;
    ASSERT_FALSE(pair.empty());
    // P, H, P*H at the end of the pair line.
    const size_t c3 = pair.rfind(','), c2 = pair.rfind(',', c3 - 1);
    const std::string h = pair.substr(c2 + 1, c3 - c2 - 1), ph = pair.substr(c3 + 1);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(BatchEntryScore(lines[lines.size() - 3]), std::stod(h));
    EXPECT_EQ(BatchEntryScore(lines[lines.size() - 2]), std::stod(ph));
    EXPECT_EQ(lines[lines.size() - 3].substr(0, 20), "  Average Harmony = ");
}

TEST_F(PairWalkTest, NoPairScoredSaysSoWithoutAverages) {
    Names({"m1Tom S", "m1Bob S"});
    NamesRuns().Batch_Click();
    ASSERT_EQ(dialogs->Prompts().size(), 1u);
    EXPECT_NE(dialogs->Prompts()[0].text.find("No pair"), std::string::npos);
    for (const auto& l : BufferLines()) EXPECT_EQ(l.find("Average"), std::string::npos);
}

TEST_F(PairWalkTest, OneVsAllHeaderOnceAndTheListSorted) {
    Names({"Ann One", "Bob Two", "Cy Three"});
    ::Names& names = FormOf<::Names>();
    for (int k = 0; k < names.NamesOnFile.ListCount(); ++k)
        if (names.NamesOnFile.List(k) == "Bob Two") names.NamesOnFile.SetListIndex(k);
    NamesRuns().Batch1_Click();
    const auto lines = BufferLines();
    int headers = 0;
    std::vector<double> scores;
    for (const auto& l : lines) {
        if (l.find(" vs All - ('P' = Power") != std::string::npos) {
            ++headers;
            EXPECT_EQ(l.substr(0, 22), "  Bob (14 Feb 1971, ) ");
        }
        if (l.find("P = ") != std::string::npos) scores.push_back(BatchEntryScore(l));
    }
    EXPECT_EQ(headers, 1);
    ASSERT_EQ(scores.size(), 2u);
    EXPECT_GE(scores[0], scores[1]);
    // Two names: the one pair is listed.
    Names({"Ann One", "Bob Two"});
    FormOf<::Names>().NamesOnFile.SetListIndex(0);
    NamesRuns().Batch1_Click();
    int listed = 0;
    for (const auto& l : BufferLines())
        if (l.find("P = ") != std::string::npos) ++listed;
    EXPECT_EQ(listed, 1);
}

TEST_F(PairWalkTest, CriteriaAllVsAllBlocksPerFirstPerson) {
    Names({"Ann One", "Bob Two", "Cy Three"});
    FormOf<Params>().Text1.SetText("99");  // no pair reaches it: pair lines only
    FormOf<Params>().Command2.PerformClick();
    std::vector<std::string> shape;
    for (const auto& l : BufferLines()) shape.push_back(l.empty() ? "-" : l.substr(2, l.find(' ', 2) - 2));
    // Pairs (0,1), (0,2), a blank; pair (1,2), a blank; the page's closing blank.
    EXPECT_EQ(shape, (std::vector<std::string>{"Ann", "Ann", "-", "Bob", "-", "-"}));
    EXPECT_EQ(ps.scans.BatchMode, 0);
    EXPECT_EQ(ps.scans.DatedLines, 0);
    EXPECT_EQ(ps.chart.QuietMode, 0);
}

TEST_F(PairWalkTest, SecondPersonBoxKeepsTheLastSecondName) {
    // Whether "2nd Person" was ticked before the run or not, it ends unticked
    // with the last second person's name as its caption.
    for (const int before : {1, 0}) {
        Names({"Ann One", "Bob Two", "Cy Three"});
        InputD1& second = FormOf<InputD1>();
        second.chk2ndPerson.SetValue(before);
        NamesRuns().Batch_Click();
        EXPECT_EQ(second.chk2ndPerson.Value(), 0) << before;
        EXPECT_EQ(second.chk2ndPerson.Caption(), "Cy Three") << before;
        EXPECT_EQ(ps.people.SecondPersonCaption, "Cy Three") << before;
        EXPECT_EQ(ps.people.SecondPersonChecked, 0) << before;
    }
}

}  // namespace
