// The aspect balance, the batch score list, the day counts and the table
// files of the best-days runs.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/output_buffer.h"
#include "chart_run_setup.h"
#include "dialog_responder.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "scans/aspect_balance.h"
#include "scans/batch_score_list.h"
#include "scans/scan_days.h"
#include "scans/scan_tables.h"
#include "test_support.h"

namespace {

void StoreLines(ScanState& s, const std::vector<std::string>& lines) {
    s.BatchLines = lines;
    s.BatchLines.push_back("");
    s.BatchLineCount = static_cast<int>(lines.size());
}

// A state whose report page can be written.
void PrepareFolder(ProgramState& ps) {
    ps.settings.AppPath = testsupport::MakeTempDir();
    std::filesystem::create_directories(ps.settings.AppPath + "/REPORTS");
}

// The lines listed, without the blank line ShowOutput closes the page with.
std::vector<std::string> Listed(const ProgramState& ps) {
    if (ps.output.OutputLineCount > 0) {
        EXPECT_EQ(ps.output.OutputBuffer[ps.output.OutputLineCount - 1], "");
        return {ps.output.OutputBuffer.begin(), ps.output.OutputBuffer.begin() + ps.output.OutputLineCount - 1};
    }
    return {ps.output.OutputBuffer.begin(), ps.output.OutputBuffer.begin() + ps.output.OutputLineCount};
}

TEST(AspectBalance, BoundsAndAspects) {
    ProgramState ps;
    // Every body of both charts at 0: 196 conjunctions.
    CountAspectBalance(ps);
    EXPECT_EQ(ps.scans.AspectBalance, -196);
    // Chart B 120 away from chart A everywhere: 196 trines.
    ps.chart.SecondLongitudes.fill(120);
    CountAspectBalance(ps);
    EXPECT_EQ(ps.scans.AspectBalance, 196);
    // Chiron takes no part; each edge is inclusive; 7 and 100 count nothing.
    const struct { double b; int each; } cases[] = {{54, 1}, {66, 1}, {53.9, 0}, {84, -1}, {96, -1}, {114, 1},
                                                    {126, 1}, {174, -1}, {186, -1}, {6, -1}, {354, -1},
                                                    {7, 0}, {100, 0}};
    for (const auto& c : cases) {
        ps.chart.SecondLongitudes.fill(c.b);
        ps.chart.SecondLongitudes[13] = 60;
        ps.chart.NatalLongitudes[13] = 60;
        CountAspectBalance(ps);
        EXPECT_EQ(ps.scans.AspectBalance, 196 * c.each) << c.b;
    }
}

TEST(BatchScoreList, SortsFiltersAndShows) {
    ProgramState ps;
    PrepareFolder(ps);
    ps.scans.NamesText1 = "10";
    StoreLines(ps.scans, {"  a    3.50", "  b   12.00", "  c  -20.00"});
    SortAndListBatchScores(ps);
    EXPECT_EQ(Listed(ps), (std::vector<std::string>{"", "  b   12.00", "  c  -20.00"}));
    EXPECT_EQ(ps.scans.BatchLines[0], "  b   12.00");
    EXPECT_EQ(ps.scans.BatchLines[2], "  c  -20.00");
    EXPECT_EQ(ps.scans.BatchLineCount, 2);

    EmptyOutput(ps.output);
    ps.scans.NamesText1 = "12";
    StoreLines(ps.scans, {"  a    3.50", "  b   12.00", "  c  -20.00"});
    SortAndListBatchScores(ps);
    EXPECT_EQ(Listed(ps), (std::vector<std::string>{"", "  b   12.00", "  c  -20.00"}));

    // Kept order when both flags are set; still filtered.
    EmptyOutput(ps.output);
    ps.scans.NamesText1 = "0";
    ps.scans.BestDaysMode = 1, ps.scans.NoBatchSort = 1;
    StoreLines(ps.scans, {"  a    3.50", "  b   12.00"});
    SortAndListBatchScores(ps);
    EXPECT_EQ(Listed(ps), (std::vector<std::string>{"", "  a    3.50", "  b   12.00"}));
}

TEST(BatchScoreList, EmptyAndSingleBatches) {
    ProgramState ps;
    PrepareFolder(ps);
    StoreLines(ps.scans, {});
    SortAndListBatchScores(ps);
    EXPECT_EQ(ps.output.OutputLineCount, 0);
    // One entry is listed, unless the caller asks otherwise.
    StoreLines(ps.scans, {"  only    5.00"});
    SortAndListBatchScores(ps);
    EXPECT_EQ(Listed(ps), (std::vector<std::string>{"", "  only    5.00"}));
    EXPECT_EQ(ps.scans.BatchLineCount, 0);
    EmptyOutput(ps.output);
    StoreLines(ps.scans, {"  only    5.00"});
    SortAndListBatchScores(ps, false);
    EXPECT_EQ(ps.output.OutputLineCount, 0);
}

TEST(BatchScoreList, ScoreIsTheWholeLastNumber) {
    EXPECT_DOUBLE_EQ(BatchEntryScore("  06 Dec 2026: -3"), -3);     // a balance line
    EXPECT_DOUBLE_EQ(BatchEntryScore("  06 Dec 2026: 12"), 12);
    EXPECT_DOUBLE_EQ(BatchEntryScore("  x   H = -1234.50"), -1234.5);
    EXPECT_DOUBLE_EQ(BatchEntryScore("  x   H = 10000.25"), 10000.25);
    EXPECT_DOUBLE_EQ(BatchEntryScore("  x   H =   7.00  "), 7);
    EXPECT_DOUBLE_EQ(BatchEntryScore("no number"), 0);
    EXPECT_DOUBLE_EQ(BatchEntryScore(""), 0);
    // Sorted and filtered by the whole numbers, texts unchanged.
    ProgramState ps;
    PrepareFolder(ps);
    ps.scans.NamesText1 = "5";
    StoreLines(ps.scans, {"  01 Jan 2026: 4", "  02 Jan 2026: -12", "  03 Jan 2026: 10000.00", "  04 Jan 2026: -1000.50"});
    SortAndListBatchScores(ps);
    EXPECT_EQ(Listed(ps), (std::vector<std::string>{"", "  03 Jan 2026: 10000.00", "  02 Jan 2026: -12",
                                                    "  04 Jan 2026: -1000.50"}));
}

TEST(ScanDays, DayCountsOfSpans) {
    EXPECT_EQ(ScanLastDay(1.0f), 364);
    EXPECT_EQ(ScanLastDay(0.5f), 181);
    EXPECT_EQ(ScanLastDay(2.0f), 729);
    EXPECT_EQ(ScanLastDay(0.002f), -1);
    EXPECT_EQ(ScanLastDay(1.5f / 365.25f), 0);
    EXPECT_EQ(ScanLastDay(0.25f), 90);
    EXPECT_TRUE(DaysFit(89.7f));
    EXPECT_FALSE(DaysFit(89.72f));
    EXPECT_FALSE(DaysFit(1e30f));
    EXPECT_EQ(BdfyDaysFromAnswer("30"), 30);
    EXPECT_EQ(BdfyDaysFromAnswer(""), 0);
    EXPECT_EQ(BdfyDaysFromAnswer("-4"), 0);
    EXPECT_EQ(BdfyDaysFromAnswer("32001"), 32000);
    EXPECT_EQ(BdfyDaysFromAnswer("99999999"), 32000);
    EXPECT_EQ(BdfyDaysFromAnswer("2.5"), 2);
}

TEST(ScanTables, BestDaysTableBytes) {
    ScanState s;
    s.BatchLines = {"  06 Dec 2026: A and B  P =  1.00   H =  2.00", "  07 Dec 2026: -3", ""};
    s.DayBodyDynes.assign(2, {});
    s.DayBodyDynes[0][0] = 1.5f, s.DayBodyDynes[0][23] = -2.25f;
    SetDecimalSeparator(',');
    const std::string text = BestDaysTableText(s, 3);  // a third line beyond the table reads 0.00
    SetDecimalSeparator('.');
    std::string zeros;
    for (int k = 0; k < 24; ++k) zeros += ", 0.00";
    const std::string header =
        "Best Days for You According to Cosmodynes, Sun Power, Sun Harmony, Mercury Power, Mercury Harmony, "
        "Venus Power, Venus Harmony, Mars Power, Mars Harmony, Jupiter Power, Jupiter Harmony, Saturn Power, "
        "Saturn Harmony, Uranus Power, Uranus Harmony, Neptune Power, Neptune Harmony, Pluto Power, Pluto "
        "Harmony, Moon Power, Moon Harmony, Ascendant Power, Ascendant Harmony, MC Power, MC Harmony\r\n";
    std::string first = "  06 Dec 2026: A and B  P =  1.00   H =  2.00, 1.50";
    for (int k = 1; k < 23; ++k) first += ", 0.00";
    first += ", -2.25\r\n";
    EXPECT_EQ(text, header + first + "  07 Dec 2026: -3" + zeros + "\r\n" + zeros + "\r\n");
    EXPECT_EQ(BestDaysTableText(s, 0), header);
}

TEST(ScanTables, BdfyTableBytes) {
    ScanState s;
    s.DayLines.assign(1, {"06 Dec 2026", "Power = 12,50   Harmony = -3,00", "P*H = 1,00 and 2,00"});
    s.DayValues.assign(1, {});
    s.DayValues[0][0][1] = 0, s.DayValues[0][1][1] = 3, s.DayValues[0][2][1] = -1.5f, s.DayValues[0][3][1] = 10;
    SetDecimalSeparator(',');
    const std::string text = BdfyTableText(s, 1);
    SetDecimalSeparator('.');
    const size_t eol = text.find("\r\n");
    const std::string header = text.substr(0, eol);
    EXPECT_EQ(std::count(header.begin(), header.end(), ','), 41);
    EXPECT_EQ(header.substr(0, 58), "Date, Best Days for You According to Dual Cosmodynes, Sun ");
    EXPECT_EQ(header.substr(header.size() - 18), "Moon Harmony, Rank");
    const std::string row = text.substr(eol + 2);
    EXPECT_EQ(row.substr(0, 93),
              "06 Dec 2026, Power = 12.50   Harmony = -3.00   P*H = 1.00 and 2.00, 0.00,  3, -1.50, 10, 0.00");
    EXPECT_EQ(std::count(row.begin(), row.end(), ','), 41);
    EXPECT_EQ(row.substr(row.size() - 2), "\r\n");
}

TEST(ScanTables, UnwritableFileIsNamed) {
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir() + "/missing/folder";
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    EXPECT_FALSE(WriteScanTable(ps, kBdfyTableFile, "x\r\n"));
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_NE(responder.Prompts()[0].text.find("BDFY_data.csv"), std::string::npos);
}

}  // namespace
