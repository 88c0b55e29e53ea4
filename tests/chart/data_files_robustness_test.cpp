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
