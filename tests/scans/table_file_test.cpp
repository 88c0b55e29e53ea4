// The graph table file: written byte for byte as the graph window reads it,
// and read back with its count, short files and damaged ones.
#include <gtest/gtest.h>

#include <cmath>

#include "dialog_responder.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "test_support.h"

namespace {

struct DateSeparatorGuard {
    char old = DateSeparator();
    ~DateSeparatorGuard() { SetDateSeparator(old); }
};

// The three days of the worked example, 5 to 7 March 2024, "P * H" unticked.
void FillThreeDays(ProgramState& ps, int dateOrder) {
    const float rows[3][12] = {{12.5f, -3, .25f, 8, 0, -1.5f, 2.75f, 4, -6.5f, 10.25f, 26.75f, 26.75f},
                               {11.75f, -2.5f, 0, 7, 1, -2, 3, 4.5f, -6, 9.5f, 26.25f, 26.25f},
                               {10, -1.25f, -.5f, 6.5f, 1.5f, -2.25f, 3.25f, 5, -5.5f, 8.75f, 25.5f, 25.5f}};
    GraphState& g = ps.scans.Graph;
    g.GraphValues.assign(4, GraphRow{});
    g.GraphDates.assign(4, "");
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 12; ++c) g.GraphValues[r][c] = rows[r - 1][c - 1];
        g.GraphDates[r] = GraphDateText(DateTime{2024, 3, 4 + r}, dateOrder);
    }
}

}  // namespace

TEST(TableFile, ThreeDayExampleByteForByteAndReadBack) {
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    FillThreeDays(ps, 1);
    ASSERT_TRUE(WriteGraphFile(ps, 3));
    const std::string expected =
        " 3 \r\n"
        "\"05/03/2024\",12.5,-3,.25,8,0,-1.5,2.75,4,-6.5,10.25,26.75,26.75\r\n"
        "\"06/03/2024\",11.75,-2.5,0,7,1,-2,3,4.5,-6,9.5,26.25,26.25\r\n"
        "\"07/03/2024\",10,-1.25,-.5,6.5,1.5,-2.25,3.25,5,-5.5,8.75,25.5,25.5\r\n";
    EXPECT_EQ(testsupport::ReadBytes(GraphFilePath(ps.settings.AppPath)), expected);

    DialogResponder dialogs;  // no message expected
    const auto table = ReadGraphFile(ps.settings.AppPath);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->RowCount, 3);
    ASSERT_EQ(table->TableDates.size(), 4u);
    EXPECT_EQ(table->TableDates[0], "");
    EXPECT_EQ(table->TableDates[3], "07/03/2024");
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(table->TableValues[r][c], ps.scans.Graph.GraphValues[r][c]);
}

TEST(TableFile, NumbersDatesAndRowCounts) {
    const std::pair<float, const char*> numbers[] = {
        {0.0f, "0"},   {0.5f, ".5"},          {-12.25f, "-12.25"}, {.25f, ".25"},     {-3.0f, "-3"},
        {1.5e7f, "1.5E+07"}, {1234567.0f, "1234567"}, {-0.5f, "-.5"}, {1e-6f, "1E-06"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(GraphNumberText(value), text) << value;
    // Values needing more than seven digits read back as the same single.
    for (float v : {0.1f, 1.0f / 3, 16777215.0f, 123456.789f, -9.87654e-12f})
        EXPECT_EQ(static_cast<float>(Val(GraphNumberText(v))), v) << GraphNumberText(v);
    // ... with as few digits as that takes: never more than nine.
    const std::pair<float, const char*> longer[] = {
        {13.4448747634888f, "13.444875"}, {1.0f / 3, ".33333334"}, {0.1f + 0.2f, ".3"}, {-1.69343268871307f, "-1.6934327"}};
    for (const auto& [value, text] : longer) EXPECT_EQ(GraphNumberText(value), text) << value;

    DateSeparatorGuard guard;
    const DateTime d{2024, 3, 7};
    EXPECT_EQ(GraphDateText(d, 1), "07/03/2024");
    EXPECT_EQ(GraphDateText(d, 2), "2024/03/07");
    EXPECT_EQ(GraphDateText(d, 0), "03/07/2024");
    SetDateSeparator('.');
    EXPECT_EQ(GraphDateText(d, 1), "07.03.2024");

    // 0.25 years: the count and 91 row lines; one row: two lines.
    std::vector<GraphRow> values(92);
    std::vector<std::string> dates(92, "01/01/2000");
    const std::string text91 = GraphFileText(values, dates, 91);
    EXPECT_EQ(SplitTextLines(text91).size(), 92u);
    const std::string text1 = GraphFileText(values, dates, 1);
    EXPECT_EQ(text1, " 1 \r\n\"01/01/2000\",0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST(TableFile, ReaderTakesAtMostTheCountAndRefusesDamage) {
    // More rows than the count: only the count's rows.
    auto t = ParseGraphFile(" 2 \r\n\"a,b\",1,2,3,4,5,6,7,8,9,10,11,12\r\n\"x\",1,1,1,1,1,1,1,1,1,1,1,1\r\n"
                            "\"y\",2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->RowCount, 2);
    EXPECT_EQ(t->TableDates[1], "a,b");  // a quoted field keeps its comma
    EXPECT_EQ(t->TableValues[1][12], 12.0f);
    EXPECT_EQ(t->TableValues.size(), 3u);
    // Fewer rows than the count shrink it; blanks around numbers are skipped.
    t = ParseGraphFile("5\n\"d1\", 1.5 ,2\n");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->RowCount, 1);
    EXPECT_EQ(t->TableValues[1][1], 1.5f);
    EXPECT_EQ(t->TableValues[1][2], 2.0f);
    EXPECT_EQ(t->TableValues[1][3], 0.0f);
    // No count, a count of 0, a count without rows.
    for (const char* bad : {"", "\r\n", "abc\r\n\"d\",1\r\n", " 0 \r\n\"d\",1\r\n", "-3\r\n", " 4 \r\n"})
        EXPECT_FALSE(ParseGraphFile(bad)) << bad;

    // Missing or holding no table: a message naming the file.
    const std::string dir = testsupport::MakeTempDir();
    DialogRecorder dialogs;
    EXPECT_FALSE(ReadGraphFile(dir));
    testsupport::WriteBytes(GraphFilePath(dir), "garbage");
    EXPECT_FALSE(ReadGraphFile(dir));
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    for (const auto& p : dialogs.Prompts()) EXPECT_NE(p.text.find("out_1.csv"), std::string::npos) << p.text;

    // A folder that cannot be written: the writer says so.
    ProgramState ps;
    ps.settings.AppPath = dir + "/no/such/folder";
    FillThreeDays(ps, 0);
    EXPECT_FALSE(WriteGraphFile(ps, 3));
    ASSERT_EQ(dialogs.Prompts().size(), 3u);
    EXPECT_NE(dialogs.Prompts()[2].text.find("out_1.csv"), std::string::npos);
}

// Numbers beyond single precision count as 0 and are told once for the file,
// with their lines; numbers that fit, however large, are no fault.
TEST(TableFile, NumbersTooLargeToUseAreToldOnce) {
    const std::string row = "\"01/01/2000\",1,2,3,4,5,6,7,8,9,10,11,12\r\n";
    struct Case {
        std::string content;
        std::string told;  // how the message starts; empty: no message
        int row, column;   // a value read as 0
    };
    const Case cases[] = {
        {" 2 \r\n" + row + row, "", 0, 0},
        {" 1 \r\n\"d\",3e38,-3.4e38,1e-50,4,5,6,7,8,9,10,11,12\r\n", "", 0, 0},
        {" 2 \r\n" + row + "\"d\",1,2,1e39,4,5,6,7,8,9,10,11,12\r\n", "Line 3 of the file ", 2, 3},
        {" 2 \r\n\"d\",-1e39,2,3,4,5,6,7,8,9,10,1e999,12\r\n\"d\",1,2,3,4,5,6,7,8,9,10,11,1E+39\r\n",
         "Lines 2 and 3 of the file ", 2, 12},
        // A row spread over lines: the line of the number is told.
        {"1\n\"d\",1,2,3\n4,5,6,7\n8,1e39,10,11,12\n", "Line 4 of the file ", 1, 9},
    };
    const std::string dir = testsupport::MakeTempDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        testsupport::WriteBytes(GraphFilePath(dir), c.content);
        DialogRecorder dialogs;
        const auto table = ReadGraphFile(dir);
        ASSERT_TRUE(table);
        for (const auto& values : table->TableValues)
            for (float v : values) EXPECT_TRUE(std::isfinite(v));
        if (c.told.empty()) {
            EXPECT_TRUE(dialogs.Prompts().empty());
            continue;
        }
        ASSERT_EQ(dialogs.Prompts().size(), 1u);
        const std::string& text = dialogs.Prompts()[0].text;
        EXPECT_EQ(text.rfind(c.told, 0), 0u) << text;
        EXPECT_NE(text.find("out_1.csv h"), std::string::npos) << text;
        EXPECT_NE(text.find("a number too large to use. Such a number counts as 0."), std::string::npos) << text;
        EXPECT_EQ(table->TableValues[c.row][c.column], 0.0f);
        EXPECT_EQ(table->TableValues[c.row][c.column - 1], static_cast<float>(c.column - 1));
    }
}
