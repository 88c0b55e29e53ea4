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
            // number its table cannot take.
            int missing = 0, held = 0;
            for (std::size_t k = before; k < dialogs.Prompts().size(); ++k) {
                const std::string& title = dialogs.Prompts()[k].title;
                missing += title == "File Not Found";
                held += title == "Warning!";
            }
            EXPECT_EQ(missing, 3);
            EXPECT_LE(held, 1);
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
    dialogs.Answer(MsgResult::OK, 4);  // two files missing, one message for each damaged file
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
        if (p.title == "Warning!") warnings.push_back(p.text);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0],
              "Line 2 of the data file DATA_VALUES_USED.DAT holds a number too large to use. Such a number counts as 0.");
    EXPECT_EQ(warnings[1],
              "Lines 2 and 4 of the data file CHIRON.DAT hold a number too large to use. Such a number counts as 0.");
}
