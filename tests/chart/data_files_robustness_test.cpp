// Damaged chart data files: every content fills the fixed tables without
// leaving them, and numbers too large for a whole-number table are held at
// its range rather than wrapped.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "chart/data_files.h"
#include "damaged_contents.h"
#include "dialog_responder.h"
#include "program_state.h"
#include "test_support.h"

namespace {

struct DataFile {
    const char* name;
    std::vector<std::string> good;
};

const DataFile kFiles[] = {
    {"HCDATA.DAT", {"-21,221,-13,221,-3,221,14,221,21,221", "-156,192,-148,192,-138,192"}},
    {"DATA_VALUES_USED.DAT", {"ASC ASC conjunct = 6", "ASC ASC semi-square = -2", "SUN MOON trine = 3.5"}},
    {"RADIUS.DAT", {"201,201,202,202,202,202,202", "203,203,204"}},
    {"CHIRON.DAT", {"256.5285,-18.1069", "256.6462,-18.1154"}},
};

}  // namespace

TEST(DataFilesRobustness, AnyContentStaysWithinTheTables) {
    DialogRecorder dialogs;  // the three files not written are missing
    ProgramState ps;
    std::uint32_t seed = 8001;
    for (const DataFile& file : kFiles) {
        ps.settings.AppPath = testsupport::MakeTempDir();
        for (const auto& content : damaged::Contents(file.good, 120, seed++)) {
            SCOPED_TRACE(testing::Message() << file.name << ", " << content.size() << " bytes");
            testsupport::WriteBytes(ps.settings.AppPath + "/" + file.name, content);
            const std::size_t before = dialogs.Prompts().size();
            LoadDataFiles(ps);
            // One message for each missing file, and at most one more for a
            // number its table cannot take and one for a file shorter than
            // its table.
            int missing = 0, held = 0;
            for (std::size_t k = before; k < dialogs.Prompts().size(); ++k) {
                const std::string& title = dialogs.Prompts()[k].title;
                missing += title == "File Not Found";
                held += title == "Warning!";
            }
            EXPECT_EQ(missing, 3);
            EXPECT_LE(held, 2);
            EXPECT_EQ(dialogs.Prompts().size() - before, static_cast<std::size_t>(missing + held));
            ASSERT_EQ(ps.chart.ChironLongitudeTable.size(), 60000u);
            ASSERT_EQ(ps.chart.ChironDeclinationTable.size(), 60000u);
        }
    }
}

TEST(DataFilesRobustness, HugeWholeNumbersAreHeldAtTheRangeOfTheTable) {
    DialogRecorder dialogs;
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    testsupport::WriteBytes(ps.settings.AppPath + "/HCDATA.DAT", "1e999,-1e999,4294967297,-3.9,nan\r\n");
    testsupport::WriteBytes(ps.settings.AppPath + "/RADIUS.DAT", "99999999999,-2147483649\r\n");
    LoadDataFiles(ps);
    EXPECT_EQ(ps.chart.HcData[0], INT_MAX);
    EXPECT_EQ(ps.chart.HcData[1], INT_MIN);
    EXPECT_EQ(ps.chart.HcData[2], INT_MAX);
    EXPECT_EQ(ps.chart.HcData[3], -3);
    EXPECT_EQ(ps.chart.HcData[4], 0);
    EXPECT_EQ(ps.chart.RingRadius[0], INT_MAX);
    EXPECT_EQ(ps.chart.RingRadius[1], INT_MIN);
}

TEST(DataFilesRobustness, NumbersTooLargeForSinglePrecisionCountAsZero) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 6);  // two files missing, two messages for each damaged file
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    testsupport::WriteBytes(ps.settings.AppPath + "/CHIRON.DAT",
                            "256.5,-18.1\r\n1e999,-9e99\r\n256.7,-18.3\r\n-5e38,3e38\r\n");
    testsupport::WriteBytes(ps.settings.AppPath + "/DATA_VALUES_USED.DAT",
                            "ASC ASC conjunct = 6\r\nASC ASC semi-square = 9e99\r\n");
    LoadDataFiles(ps);
    EXPECT_EQ(ps.chart.ChironLongitudeTable[0], 256.5f);
    EXPECT_EQ(ps.chart.ChironLongitudeTable[1], 0.0f);
    EXPECT_EQ(ps.chart.ChironDeclinationTable[1], 0.0f);
    EXPECT_EQ(ps.chart.ChironLongitudeTable[2], 256.7f);
    EXPECT_EQ(ps.chart.ChironLongitudeTable[3], 0.0f);
    EXPECT_EQ(ps.chart.ChironDeclinationTable[3], 3e38f);
    EXPECT_EQ(ps.chart.PointsCube[0][0][0], 6.0f);
    EXPECT_EQ(ps.chart.PointsCube[1][0][0], 0.0f);
    std::vector<std::string> warnings;
    for (const auto& p : dialogs.Prompts())
        if (p.text.find("too large") != std::string::npos) warnings.push_back(p.text);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0],
              "Line 2 of the data file DATA_VALUES_USED.DAT holds a number too large to use. Such a number counts as 0.");
    EXPECT_EQ(warnings[1],
              "Lines 2 and 4 of the data file CHIRON.DAT hold a number too large to use. Such a number counts as 0.");
}

// Files shorter than their table: the points file needs 1089 lines, the
// Chiron file one line (two numbers) for each of its 60000 days, the cusp
// label and ring radius files 121 and 361 values. A short file is told once,
// by name; the entries it does not reach stay 0.
TEST(DataFilesRobustness, FilesShorterThanTheirTableAreTold) {
    const std::string shipped = testsupport::ShippedDataDir();
    const std::string chiron = testsupport::ReadBytes(shipped + "/CHIRON.DAT");
    const std::string points = testsupport::ReadBytes(shipped + "/DATA_VALUES_USED.DAT");
    // The shipped file cut to its first n lines.
    const auto firstLines = [](const std::string& text, int n) {
        std::size_t at = 0;
        for (int i = 0; i < n && at != std::string::npos; ++i) at = text.find('\n', at) + 1;
        return text.substr(0, at);
    };
    struct Case {
        const char* file;
        std::string content;
        std::vector<std::string> warnings;  // in order; the start of each
    };
    const std::string shortChiron = "The data file CHIRON.DAT holds ";
    const std::string shortPoints = "The data file DATA_VALUES_USED.DAT holds ";
    const std::string hcData = testsupport::ReadBytes(shipped + "/HCDATA.DAT");
    const std::string radius = testsupport::ReadBytes(shipped + "/RADIUS.DAT");
    const Case cases[] = {
        {"HCDATA.DAT", hcData + "5,6\r\n", {}},  // beyond the table: ignored
        {"HCDATA.DAT", hcData.substr(0, hcData.rfind("0\r\n")),  // the last value cut off
         {"The data file HCDATA.DAT holds 120 of the 121 values its table needs. The values missing count as 0."}},
        {"HCDATA.DAT", "", {"The data file HCDATA.DAT holds 0 of the 121 values"}},
        {"RADIUS.DAT", firstLines(radius, 18), {"The data file RADIUS.DAT holds 360 of the 361 values"}},
        {"RADIUS.DAT", "201,,202\r\n\r\n", {"The data file RADIUS.DAT holds 3 of the 361 values"}},
        {"CHIRON.DAT", chiron, {}},
        {"CHIRON.DAT", chiron + "1.5,2.5\r\n", {}},  // beyond the table: ignored
        {"CHIRON.DAT", firstLines(chiron, 21000), {shortChiron + "21000 of the 60000 lines its table needs."}},
        {"CHIRON.DAT", firstLines(chiron, 59999) + "343.3355", {shortChiron + "59999 of the 60000"}},  // half a day
        {"CHIRON.DAT", "", {shortChiron + "0 of the 60000"}},
        {"CHIRON.DAT", "\r\n\r\n", {shortChiron + "0 of the 60000"}},
        {"CHIRON.DAT", "256.5,1e999\r\n", {"Line 1 of the data file CHIRON.DAT", shortChiron + "1 of the 60000"}},
        {"DATA_VALUES_USED.DAT", points, {}},
        {"DATA_VALUES_USED.DAT", points + "X = 9\r\n", {}},
        {"DATA_VALUES_USED.DAT", points.substr(0, points.rfind("\r\n", points.size() - 3) + 2),
         {shortPoints + "1088 of the 1089 lines its table needs."}},
        {"DATA_VALUES_USED.DAT", "", {shortPoints + "0 of the 1089"}},
        {"DATA_VALUES_USED.DAT", std::string(5000, '\r'), {shortPoints + "1 of the 1089"}},  // CR alone ends no line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << ", " << c.content.size() << " bytes");
        ProgramState ps;
        ps.settings.AppPath = testsupport::MakeTempDir();
        for (const char* name : {"HCDATA.DAT", "RADIUS.DAT", "CHIRON.DAT", "DATA_VALUES_USED.DAT"})
            testsupport::WriteBytes(ps.settings.AppPath + "/" + name, testsupport::ReadBytes(shipped + "/" + name));
        testsupport::WriteBytes(ps.settings.AppPath + "/" + c.file, c.content);
        DialogRecorder dialogs;
        LoadDataFiles(ps);
        ASSERT_EQ(dialogs.Prompts().size(), c.warnings.size());
        for (std::size_t k = 0; k < c.warnings.size(); ++k) {
            EXPECT_EQ(dialogs.Prompts()[k].text.rfind(c.warnings[k], 0), 0u) << dialogs.Prompts()[k].text;
            EXPECT_EQ(dialogs.Prompts()[k].title, "Warning!");
        }
    }
}
