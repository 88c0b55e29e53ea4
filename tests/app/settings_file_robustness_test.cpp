// Damaged TANDRELL.INI files: every content loads to values the reader's
// rules allow, without a message, and what is loaded saves and loads again
// unchanged.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "app/settings_file.h"
#include "damaged_contents.h"
#include "dialog_responder.h"
#include "test_support.h"

namespace {

const std::vector<std::string> kGoodLines = {
    "[TANDRELL] - Do NOT change the order of these variables.",
    "FontSize= 10", "FontBold=-1", "FontItalic= 0", "TANDRELLTop= 120", "TANDRELLLeft=-300",
    "TANDRELLHeight= 675", "TANDRELLWidth= 8550", "DataTop= 660", "DataLeft= 0", "DataHeight= 6540",
    "DataWidth= 9600", "DataFile=/tmp/NAMES.FIL", "GeoDataFile=/tmp/GA_MA.LL", "AtlasDir=/opt/atlas/",
    "StartScale= 287", "TypeChart= 1"};

void ExpectSameValues(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.OutputFontSize, b.OutputFontSize);
    EXPECT_EQ(a.MainWindowTop, b.MainWindowTop);
    EXPECT_EQ(a.MainWindowLeft, b.MainWindowLeft);
    EXPECT_EQ(a.MainWindowHeight, b.MainWindowHeight);
    EXPECT_EQ(a.MainWindowWidth, b.MainWindowWidth);
    EXPECT_EQ(a.OutputWindowTop, b.OutputWindowTop);
    EXPECT_EQ(a.OutputWindowLeft, b.OutputWindowLeft);
    EXPECT_EQ(a.OutputWindowHeight, b.OutputWindowHeight);
    EXPECT_EQ(a.OutputWindowWidth, b.OutputWindowWidth);
    EXPECT_EQ(a.CurrentNamesFile, b.CurrentNamesFile);
    EXPECT_EQ(a.CurrentCitiesFile, b.CurrentCitiesFile);
    EXPECT_EQ(a.AtlasDir, b.AtlasDir);
    EXPECT_EQ(a.StartScale, b.StartScale);
    EXPECT_EQ(a.ChartStyle, b.ChartStyle);
    EXPECT_EQ(a.OutputFontBold != 0, b.OutputFontBold != 0);
    EXPECT_EQ(a.OutputFontItalic != 0, b.OutputFontItalic != 0);
}

}  // namespace

TEST(SettingsFileRobustness, AnyContentLoadsWithinTheRulesAndSavesBackUnchanged) {
    DialogRecorder dialogs;
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    for (const auto& content : damaged::Contents(kGoodLines, 300, 2001)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        testsupport::WriteBytes(SettingsFilePath(s), content);
        LoadSettings(s);
        EXPECT_GE(s.OutputFontSize, 7.75);
        EXPECT_GT(s.MainWindowHeight, 0);
        EXPECT_GT(s.MainWindowWidth, 0);
        EXPECT_GT(s.OutputWindowTop, 0);
        EXPECT_GT(s.OutputWindowHeight, 0);
        EXPECT_GT(s.OutputWindowWidth, 0);
        const Settings loaded = s;
        ASSERT_TRUE(SaveSettings(s));
        LoadSettings(s);
        ExpectSameValues(loaded, s);
    }
    EXPECT_TRUE(dialogs.Prompts().empty());
}

TEST(SettingsFileRobustness, NumbersTooLargeToWriteBackKeepTheirMeaning) {
    DialogRecorder dialogs;
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    testsupport::WriteBytes(SettingsFilePath(s), "FontSize=1e999\r\nFontBold=1e999\r\nFontItalic=-1e999\r\n");
    LoadSettings(s);
    // An endless font size is no size: the default stays.
    EXPECT_EQ(s.OutputFontSize, 10);
    // A flag is set by any non-zero value, and stays set once saved.
    EXPECT_EQ(s.OutputFontBold, -1);
    EXPECT_EQ(s.OutputFontItalic, -1);
    ASSERT_TRUE(SaveSettings(s));
    LoadSettings(s);
    EXPECT_EQ(s.OutputFontBold, -1);
    EXPECT_EQ(s.OutputFontItalic, -1);
}
