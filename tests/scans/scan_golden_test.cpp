// Whole pages and table files of the scans, compared byte for byte with
// tests/golden/scans/: Best Days for You, Search, All vs All over the
// shipped names list, and BDFY.
#include "app/output_buffer.h"
#include "golden_compare.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/names_window.h"
#include "platform/ui/form_registry.h"
#include "scan_window_fixture.h"
#include "scans/ui/params_window.h"
#include "test_support.h"

namespace {

class ScanGoldenTest : public ScanWindowTest {
protected:
    void ExpectGolden(const std::string& file, const std::string& actual) {
        const std::string diff = golden::CompareWithGolden("scans/" + file, actual);
        EXPECT_TRUE(diff.empty()) << file << "\n" << diff;
    }
    std::string Page() { return testsupport::ReadBytes(PageFilePath(ps)); }
};

TEST_F(ScanGoldenTest, BestDaysForYou) {
    FillCouple(fixtures::NorthCouple());
    dialogs->AnswerText("2026").AnswerText("0.05");  // 18 days from the 2026 birthday
    NamesRuns().Command3_Click();
    ExpectGolden("best_days_for_you_north.txt", Page());
    ExpectGolden("best_days_for_you_north.csv", AppFile("best_days_for_you_data.csv"));
    const auto rows = CsvLines("best_days_for_you_data.csv");
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[1].substr(0, 15), "  14 Mar 2026: ");
}

TEST_F(ScanGoldenTest, Search) {
    FillCouple(fixtures::NorthCouple());
    FormOf<Params>().Text1.SetText("2");
    dialogs->AnswerText("2026").AnswerText("0.1");
    FormOf<Params>().Command1.PerformClick();
    ExpectGolden("search_north.txt", Page());
    ExpectGolden("search_north.csv", AppFile("best_days_for_you_data.csv"));
    // The last day's summary line alone follows the header.
    EXPECT_EQ(CsvLines("best_days_for_you_data.csv").size(), 2u);
}

TEST_F(ScanGoldenTest, AllVsAllOverTheShippedNames) {
    FillCouple(fixtures::NorthCouple());
    FormOf<Names>();
    dialogs.reset();
    dialogs = std::make_unique<DialogRecorder>();
    NamesRuns().Batch_Click();
    ExpectGolden("all_vs_all_names.txt", Page());
    // 8 people, 28 pairs, each listed once.
    int pairs = 0;
    for (const auto& line : BufferLines())
        if (line.find("),") != std::string::npos) ++pairs;
    EXPECT_EQ(pairs, 28);
    EXPECT_EQ(ps.scans.BatchPairCount, 28);
}

TEST_F(ScanGoldenTest, Bdfy) {
    FillCouple(fixtures::NorthCouple());
    InputD1& second = FormOf<InputD1>();
    dialogs->AnswerText("30");
    NamesRuns().cmdBDFY_Click();
    ExpectGolden("bdfy_north.csv", AppFile("BDFY_data.csv"));
    const auto rows = CsvLines("BDFY_data.csv");
    ASSERT_EQ(rows.size(), 31u);
    bool spacedRank = false;
    for (const auto& row : rows) {
        EXPECT_EQ(std::count(row.begin(), row.end(), ','), 41) << row;
        spacedRank = spacedRank || row.find(",  3,") != std::string::npos;
    }
    EXPECT_TRUE(spacedRank);
    EXPECT_EQ(rows[1].substr(0, 13), "02 Nov 1965, ");
    EXPECT_EQ(rows[30].substr(0, 13), "01 Dec 1965, ");
    // The entered date stands again in the second window.
    EXPECT_EQ(second.txtDiurnalMonth.Text() + "/" + second.txtDiurnalDay.Text() + "/" + second.txtDiurnalYear.Text(),
              "11/2/1965");
    EXPECT_EQ(ps.scans.BdfyDayCount, 30);
    EXPECT_EQ(ps.scans.DayIndex, 29);
}

}  // namespace
