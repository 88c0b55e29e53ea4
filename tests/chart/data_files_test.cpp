#include "chart/data_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "dialog_responder.h"
#include "program_state.h"
#include "test_support.h"

namespace {

double LineValue(const char* s) { return PointsLineValue(s, static_cast<int>(std::strlen(s))); }

std::string PointsFile(int lines, int specialLine = -1, const std::string& special = "") {
    std::string out;
    for (int n = 0; n < lines; ++n) out += (n == specialLine ? special : "X = " + std::to_string(n)) + "\r\n";
    return out;
}

}  // namespace

TEST(DataFiles, PointsLineValueReadsTwoCharactersAfterEquals) {
    EXPECT_EQ(LineValue("SUN MOON trine = 5"), 5);
    EXPECT_EQ(LineValue("SUN MOON trine =5"), 0);     // the value text starts after the 5
    EXPECT_EQ(LineValue("SUN MOON trine =  -2.5"), -2.5);
    EXPECT_EQ(LineValue("SUNMOON 7"), 0);             // no "=": read from the second character
    EXPECT_EQ(LineValue("17"), 7);
    EXPECT_EQ(LineValue("x ="), 0);
    EXPECT_EQ(LineValue(""), 0);
}

TEST(DataFiles, PointsCubeLineMappingAndLaterMirrorWins) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 3);
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    std::string file = PointsFile(1089);
    // Line 9 is (i 0, j 1, k 0) and line 99 its mirror (i 1, j 0, k 0).
    testsupport::WriteBytes(ps.settings.AppPath + "/DATA_VALUES_USED.DAT", file);
    LoadDataFiles(ps);
    const auto& pc = ps.chart.PointsCube;
    EXPECT_EQ(pc[0][0][0], 0);
    EXPECT_EQ(pc[1][0][0], 1);
    EXPECT_EQ(pc[8][10][10], 1088);
    // Line 9 wrote (0,1,0) and (0,0,1); line 99 then overwrote both.
    EXPECT_EQ(pc[0][0][1], 99);
    EXPECT_EQ(pc[0][1][0], 99);
    for (int k = 0; k < 9; ++k)
        for (int i = 0; i < 11; ++i)
            for (int j = 0; j < 11; ++j) ASSERT_EQ(pc[k][i][j], pc[k][j][i]);
    // The other three files are missing: one message each, tables stay 0.
    ASSERT_EQ(dialogs.Prompts().size(), 3u);
    for (const RecordedPrompt& p : dialogs.Prompts()) EXPECT_EQ(p.title, "File Not Found");
    EXPECT_EQ(ps.chart.HcData[0], 0);
    EXPECT_EQ(ps.chart.ChironLongitudeTable[0], 0);
}

TEST(DataFiles, ShortAndLongFilesLoadWhatFits) {
    DialogResponder dialogs;
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    const std::string dir = ps.settings.AppPath;
    testsupport::WriteBytes(dir + "/DATA_VALUES_USED.DAT", PointsFile(20));
    std::string chiron;
    for (int i = 0; i < 100; ++i) chiron += std::to_string(i) + ".5," + std::to_string(-i) + "\r\n";
    chiron += "7.25";  // a pair cut off in the middle, no final line end
    testsupport::WriteBytes(dir + "/CHIRON.DAT", chiron);
    std::string radius;
    for (int i = 0; i < 400; ++i) radius += std::to_string(i) + (i % 20 == 19 ? "\r\n" : ",");
    testsupport::WriteBytes(dir + "/RADIUS.DAT", radius);
    testsupport::WriteBytes(dir + "/HCDATA.DAT", "1,2,3\n4,5\n");
    dialogs.Answer(MsgResult::OK, 3);  // the short cusp label, points and Chiron files are told
    LoadDataFiles(ps);
    ASSERT_EQ(dialogs.Prompts().size(), 3u);
    EXPECT_EQ(dialogs.Prompts()[0].text,
              "The data file HCDATA.DAT holds 5 of the 121 values its table needs. The values missing count as 0.");
    EXPECT_EQ(dialogs.Prompts()[1].text,
              "The data file DATA_VALUES_USED.DAT holds 20 of the 1089 lines its table needs. The lines missing "
              "count as 0.");
    EXPECT_NE(dialogs.Prompts()[2].text.find("CHIRON.DAT holds 100 of the 60000 lines"), std::string::npos);
    EXPECT_EQ(ps.chart.PointsCube[1][0][2], 19);  // line 19 is (0, 2, 1)
    EXPECT_EQ(ps.chart.PointsCube[0][0][3], 0);   // beyond the short file
    EXPECT_FLOAT_EQ(ps.chart.ChironLongitudeTable[99], 99.5f);
    EXPECT_FLOAT_EQ(ps.chart.ChironDeclinationTable[99], -99.0f);
    EXPECT_FLOAT_EQ(ps.chart.ChironLongitudeTable[100], 7.25f);
    EXPECT_FLOAT_EQ(ps.chart.ChironDeclinationTable[100], 0.0f);
    EXPECT_EQ(ps.chart.RingRadius[360], 360);
    EXPECT_EQ(ps.chart.HcData[3], 4);
    EXPECT_EQ(ps.chart.HcData[4], 5);
    EXPECT_EQ(ps.chart.HcData[5], 0);
}

TEST(DataFiles, WholeNumbersBeyondIntAreHeldAtItsEnds) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 5);  // the points and Chiron files are missing; both files here are short
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    const std::string dir = ps.settings.AppPath;
    testsupport::WriteBytes(dir + "/HCDATA.DAT", "1e20,-1e20,1e999,-7.9,2147483647\r\n");
    testsupport::WriteBytes(dir + "/RADIUS.DAT", "201,202\r\n");
    LoadDataFiles(ps);
    EXPECT_EQ(ps.chart.HcData[0], std::numeric_limits<int>::max());
    EXPECT_EQ(ps.chart.HcData[1], std::numeric_limits<int>::min());
    EXPECT_EQ(ps.chart.HcData[2], std::numeric_limits<int>::max());
    EXPECT_EQ(ps.chart.HcData[3], -7);  // whole part, toward zero
    EXPECT_EQ(ps.chart.HcData[4], 2147483647);
    EXPECT_EQ(ps.chart.RingRadius[1], 202);
    // One message for the file holding such numbers, none for the sound one
    // (both files are short, which is told apart).
    int warnings = 0;
    for (const RecordedPrompt& p : dialogs.Prompts())
        if (p.text.find("cannot take") != std::string::npos) {
            ++warnings;
            EXPECT_NE(p.text.find("HCDATA.DAT"), std::string::npos);
        }
    EXPECT_EQ(warnings, 1);
}

TEST(DataFiles, ShippedFilesLoadWithFullCounts) {
    DialogResponder dialogs;
    ProgramState ps;
    ps.settings.AppPath = testsupport::ShippedDataDir();
    LoadDataFiles(ps);
    EXPECT_TRUE(dialogs.Prompts().empty());
    const auto& cs = ps.chart;
    EXPECT_EQ(cs.HcData[0], -11);
    EXPECT_EQ(cs.HcData[119], 192);
    EXPECT_EQ(cs.RingRadius[0], 201);
    EXPECT_EQ(cs.RingRadius[360], 201);
    EXPECT_EQ(cs.PointsCube[0][1][2], 6);   // Sun conjunct Moon
    EXPECT_EQ(cs.PointsCube[5][4][6], 2);   // Venus trine Jupiter
    EXPECT_EQ(cs.PointsCube[4][2][7], -2);  // Moon square Saturn
    EXPECT_EQ(cs.PointsCube[0][0][0], 6);   // Ascendant conjunct Ascendant
    EXPECT_FLOAT_EQ(cs.ChironLongitudeTable[0], 256.5285f);
    EXPECT_FLOAT_EQ(cs.ChironDeclinationTable[0], -18.1069f);
    EXPECT_FLOAT_EQ(cs.ChironLongitudeTable[59999], 343.3355f);
    EXPECT_FLOAT_EQ(cs.ChironDeclinationTable[59999], -2.0422f);
}
