#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "dialog_responder.h"
#include "program_state.h"
#include "test_support.h"

namespace {

Settings FreshSettings() {
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    return s;
}

void WriteIni(const Settings& s, const std::string& text) { testsupport::WriteBytes(SettingsFilePath(s), text); }

}  // namespace

TEST(SettingsFile, MissingFileGivesDefaultsWithoutMessage) {
    DialogResponder dialogs;
    Settings s = FreshSettings();
    s.OutputFontSize = 3;
    s.MainWindowHeight = 1;
    LoadSettings(s);
    EXPECT_TRUE(dialogs.Prompts().empty());
    EXPECT_EQ(s.OutputFontSize, 10);
    EXPECT_EQ(s.MainWindowHeight, 675);
    EXPECT_EQ(s.MainWindowWidth, 8550);
    EXPECT_EQ(s.OutputWindowTop, 660);
    EXPECT_EQ(s.OutputWindowHeight, 6540);
    EXPECT_EQ(s.OutputWindowWidth, 10800);
    EXPECT_EQ(s.CurrentNamesFile, s.AppPath + "/NAMES.FIL");
    EXPECT_EQ(s.CurrentCitiesFile, s.AppPath + "/GA_MA.LL");
    EXPECT_EQ(s.AtlasDir, "");
    EXPECT_EQ(s.StartScale, 287);
    EXPECT_EQ(s.ChartStyle, 0);
}

TEST(SettingsFile, WritesTheFixedLayout) {
    Settings s = FreshSettings();
    LoadSettings(s);
    s.OutputFontBold = -1;
    s.CurrentNamesFile = "/home/x/FRIENDS.FIL";
    ASSERT_TRUE(SaveSettings(s));
    const std::string expected =
        "[TANDRELL] - Do NOT change the order of these variables.\r\n"
        "FontSize= 10\r\nFontBold=-1\r\nFontItalic= 0\r\n"
        "TANDRELLTop= 0\r\nTANDRELLLeft= 0\r\nTANDRELLHeight= 675\r\nTANDRELLWidth= 8550\r\n"
        "DataTop= 660\r\nDataLeft= 0\r\nDataHeight= 6540\r\nDataWidth= 10800\r\n"
        "DataFile=/home/x/FRIENDS.FIL\r\nGeoDataFile=" +
        s.AppPath + "/GA_MA.LL\r\nStartScale= 287\r\nTypeChart= 0\r\n";
    EXPECT_EQ(testsupport::ReadBytes(SettingsFilePath(s)), expected);

    s.AtlasDir = "/opt/atlas/";
    ASSERT_TRUE(SaveSettings(s));
    EXPECT_NE(testsupport::ReadBytes(SettingsFilePath(s)).find("GA_MA.LL\r\nAtlasDir=/opt/atlas/\r\nStartScale"),
              std::string::npos);
}

TEST(SettingsFile, RoundTripKeepsEveryValueIncludingLargePlaces) {
    Settings s = FreshSettings();
    LoadSettings(s);
    s.OutputFontSize = 11.5;
    s.OutputFontBold = -1;
    s.OutputFontItalic = -1;
    s.MainWindowTop = -300;
    s.MainWindowLeft = 45000;  // beyond 16 bits: a wide multi-screen desktop
    s.MainWindowHeight = 9000;
    s.MainWindowWidth = 52000;
    s.OutputWindowTop = 40000;
    s.OutputWindowLeft = -120;
    s.OutputWindowHeight = 70000;
    s.OutputWindowWidth = 33000;
    s.CurrentNamesFile = "/data/with space/N.FIL";
    s.CurrentCitiesFile = "/data/C.LL";
    s.AtlasDir = "/atlas/";
    s.StartScale = 300;
    s.ChartStyle = 1;
    ASSERT_TRUE(SaveSettings(s));

    Settings r;
    r.AppPath = s.AppPath;
    LoadSettings(r);
    EXPECT_EQ(r.OutputFontSize, 11.5);
    EXPECT_EQ(r.OutputFontBold, -1);
    EXPECT_EQ(r.OutputFontItalic, -1);
    EXPECT_EQ(r.MainWindowTop, -300);
    EXPECT_EQ(r.MainWindowLeft, 45000);
    EXPECT_EQ(r.MainWindowHeight, 9000);
    EXPECT_EQ(r.MainWindowWidth, 52000);
    EXPECT_EQ(r.OutputWindowTop, 40000);
    EXPECT_EQ(r.OutputWindowLeft, -120);
    EXPECT_EQ(r.OutputWindowHeight, 70000);
    EXPECT_EQ(r.OutputWindowWidth, 33000);
    EXPECT_EQ(r.CurrentNamesFile, "/data/with space/N.FIL");
    EXPECT_EQ(r.CurrentCitiesFile, "/data/C.LL");
    EXPECT_EQ(r.AtlasDir, "/atlas/");
    EXPECT_EQ(r.StartScale, 300);
    EXPECT_EQ(r.ChartStyle, 1);
}

TEST(SettingsFile, AcceptanceTestsAndLineOrder) {
    Settings s = FreshSettings();
    // Out of order, unknown lines, a repeated key (the later wins), and
    // values each key must refuse.
    WriteIni(s,
             "TypeChart= 1\r\nsomething else\r\nFontSize= 7.5\r\nTANDRELLHeight= 0\r\nTANDRELLTop=-300\r\n"
             "DataTop= 0\r\nDataLeft=-15\r\nDataWidth=-5\r\nDataFile=\r\nGeoDataFile=/x/Y.LL\r\n"
             "StartScale= 250.5\r\nStartScale= 251.5\r\nAtlasDir=\r\nfontsize= 12\r\n");
    LoadSettings(s);
    EXPECT_EQ(s.OutputFontSize, 10);
    EXPECT_EQ(s.MainWindowHeight, 675);
    EXPECT_EQ(s.MainWindowTop, -300);
    EXPECT_EQ(s.OutputWindowTop, 660);
    EXPECT_EQ(s.OutputWindowLeft, -15);
    EXPECT_EQ(s.OutputWindowWidth, 10800);
    EXPECT_EQ(s.CurrentNamesFile, s.AppPath + "/NAMES.FIL");
    EXPECT_EQ(s.CurrentCitiesFile, "/x/Y.LL");
    EXPECT_EQ(s.AtlasDir, "");
    EXPECT_EQ(s.StartScale, 252);  // halves round to even
    EXPECT_EQ(s.ChartStyle, 1);

    WriteIni(s, "FontSize= 7.75\r\nDataTop= 1e12\r\n");
    LoadSettings(s);
    EXPECT_EQ(s.OutputFontSize, 7.75);
    EXPECT_GT(s.OutputWindowTop, 0);  // clamped, never wrapped to a negative place
}

TEST(SettingsFile, UnwritableFileIsReported) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    Settings s;
    s.AppPath = testsupport::MakeTempDir() + "/no/such/folder";
    EXPECT_FALSE(SaveSettings(s));
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Warning!");
}

TEST(SettingsFile, SignedNumberText) {
    EXPECT_EQ(SignedNumberText(10), " 10");
    EXPECT_EQ(SignedNumberText(-1), "-1");
    EXPECT_EQ(SignedNumberText(0), " 0");
    EXPECT_EQ(SignedNumberText(10.75), " 10.75");
}

TEST(SettingsFile, PathsInAccentedFoldersAreWindows1252InTheFile) {
    // "Données" as a path (UTF-8) and as the file's text (Windows-1252).
    const std::string folder = "/home/u/Donn\xC3\xA9" "es";
    const std::string folderText = "/home/u/Donn\xE9" "es";
    Settings s = FreshSettings();
    LoadSettings(s);
    s.CurrentNamesFile = folder + "/NAMES.FIL";
    s.CurrentCitiesFile = folder + "/GA_MA.LL";
    s.AtlasDir = folder + "/atlas/";
    ASSERT_TRUE(SaveSettings(s));
    const std::string bytes = testsupport::ReadBytes(SettingsFilePath(s));
    EXPECT_NE(bytes.find("\r\nDataFile=" + folderText + "/NAMES.FIL\r\nGeoDataFile=" + folderText +
                         "/GA_MA.LL\r\nAtlasDir=" + folderText + "/atlas/\r\n"),
              std::string::npos);

    Settings r;
    r.AppPath = s.AppPath;
    LoadSettings(r);
    EXPECT_EQ(r.CurrentNamesFile, s.CurrentNamesFile);
    EXPECT_EQ(r.CurrentCitiesFile, s.CurrentCitiesFile);
    EXPECT_EQ(r.AtlasDir, s.AtlasDir);
}
