#include <gtest/gtest.h>

#include "app/editor_text.h"
#include "app/options_file.h"
#include "dialog_responder.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "test_support.h"

namespace {

Settings FreshSettings() {
    Settings s;
    s.AppPath = testsupport::MakeTempDir();
    return s;
}

}  // namespace

TEST(OptionsFile, LineRules) {
    Settings s = FreshSettings();
    s.OptionValues.fill(-7);
    // Line 2: blanks, a value and comment; line 3: letters only; line 4: a
    // number running past the 7th character; line 5 empty ends the reading.
    testsupport::WriteBytes(OptionsFilePath(s),
                            "8      #1 orb\r\n  12.5 comment\r\nabcdefg\r\n1234567890\r\n\r\n99\r\n");
    ASSERT_TRUE(ReadOptionsFile(s));
    EXPECT_EQ(s.OptionValues[1], 8.0f);
    EXPECT_EQ(s.OptionValues[2], 12.5f);
    EXPECT_EQ(s.OptionValues[3], 0.0f);
    EXPECT_EQ(s.OptionValues[4], 1234567.0f);
    EXPECT_EQ(s.OptionValues[5], -7.0f);  // not reached: keeps its earlier value
    EXPECT_EQ(s.OptionValues[6], -7.0f);
}

TEST(OptionsFile, LinesBeyondTheTableAreNotStored) {
    std::vector<std::string> lines(300, "5");
    EXPECT_EQ(ParseNumberLines(lines, 286).size(), 286u);
    Settings s = FreshSettings();
    std::string text;
    for (int i = 1; i <= 300; ++i) text += std::to_string(i) + "\r\n";
    testsupport::WriteBytes(OptionsFilePath(s), text);
    ASSERT_TRUE(ReadOptionsFile(s));
    EXPECT_EQ(s.OptionValues[286], 286.0f);
    EXPECT_EQ(s.OptionValues[0], 0.0f);
}

TEST(OptionsFile, MissingFilesAreReportedAndKeepValues) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 2);
    Settings s = FreshSettings();
    s.OptionValues[40] = 1;
    EXPECT_FALSE(ReadOptionsFile(s));
    EXPECT_EQ(s.OptionValues[40], 1.0f);
    s.CurrentOrbFile = s.AppPath + "/NONE.ORB";
    s.OrbValues[3] = 4;
    EXPECT_FALSE(LoadOrbsFile(s));
    EXPECT_EQ(s.OrbValues[3], 4.0f);
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "File Not Found");
    EXPECT_NE(dialogs.Prompts()[1].text.find("NONE.ORB"), std::string::npos);
}

TEST(OrbFile, ShortFileChangesOnlyItsLines) {
    Settings s = FreshSettings();
    s.OrbValues.fill(9);
    s.CurrentOrbFile = s.AppPath + "/TEN.ORB";
    std::string text;
    for (int i = 1; i <= 10; ++i) text += std::to_string(i) + ".5\r\n";
    testsupport::WriteBytes(s.CurrentOrbFile, text);
    ASSERT_TRUE(LoadOrbsFile(s));
    EXPECT_EQ(s.OrbValues[1], 1.5f);
    EXPECT_EQ(s.OrbValues[10], 10.5f);
    EXPECT_EQ(s.OrbValues[11], 9.0f);
    EXPECT_EQ(s.OrbValues[17], 9.0f);

    // A longer file stops at 17 lines.
    for (int i = 11; i <= 20; ++i) text += "1\r\n";
    testsupport::WriteBytes(s.CurrentOrbFile, text);
    ASSERT_TRUE(LoadOrbsFile(s));
    EXPECT_EQ(s.OrbValues[17], 1.0f);
}

TEST(OptionsFile, RestoreDefaultCopiesTheMasterFile) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    Settings s = FreshSettings();
    testsupport::WriteBytes(OptionsFilePath(s), "1\r\n");
    EXPECT_FALSE(RestoreDefaultOptions(s));  // no master file
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].text, "Error in operation. Cannot do what is requested.");
    EXPECT_EQ(dialogs.Prompts()[0].title, "Warning!");
    EXPECT_EQ(testsupport::ReadBytes(OptionsFilePath(s)), "1\r\n");

    testsupport::WriteBytes(MasterOptionsFilePath(s), "8   #1\r\n6   #2\r\n");
    EXPECT_TRUE(RestoreDefaultOptions(s));
    EXPECT_EQ(testsupport::ReadBytes(OptionsFilePath(s)), "8   #1\r\n6   #2\r\n");
}

TEST(OptionsFile, RegionalFormatIsStored) {
    Settings s;
    GetDateTimeFormat(s, 1, 1);
    EXPECT_EQ(s.DateOrder, 1);
    EXPECT_EQ(s.TimeFormat, 1);
    GetDateTimeFormat(s, 7, -1);
    EXPECT_EQ(s.DateOrder, 0);
    EXPECT_EQ(s.TimeFormat, 0);
}

TEST(EditorText, SaveDropsOnlyAFinalLineEndThatIsThere) {
    EXPECT_EQ(EditorTextForSave("8  a\r\n6  b\r\n"), "8  a\r\n6  b");
    EXPECT_EQ(EditorTextForSave("8  a\r\n6  b"), "8  a\r\n6  b");  // typed text is never cut
    EXPECT_EQ(EditorTextForSave("8  a\n6  b\n"), "8  a\r\n6  b");   // bare LF from the text box
    EXPECT_EQ(EditorTextForSave("7"), "7");
    EXPECT_EQ(EditorTextForSave(""), "");
    EXPECT_EQ(EditorTextForSave("\r\n"), "");
}

TEST(EditorText, UnchangedOptionsTextReadsBackTheSameValues) {
    Settings s = FreshSettings();
    testsupport::WriteBytes(OptionsFilePath(s), "8      #1\r\n  12.5 #2\r\n-1     #3\r\n");
    ASSERT_TRUE(ReadOptionsFile(s));
    const auto before = s.OptionValues;
    const auto text = LoadEditorText(OptionsFilePath(s));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "8      #1\r\n  12.5 #2\r\n-1     #3\r\n");
    s.OptionValues.fill(0);
    ASSERT_TRUE(SaveOptionsEditorText(s, *text));
    EXPECT_EQ(testsupport::ReadBytes(OptionsFilePath(s)), "8      #1\r\n  12.5 #2\r\n-1     #3");
    EXPECT_EQ(s.OptionValues, before);
}

TEST(EditorText, UnwritableFileIsReported) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    EXPECT_FALSE(SaveEditorText(testsupport::MakeTempDir() + "/missing/X.ORB", "1\r\n"));
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_FALSE(LoadEditorText(testsupport::MakeTempDir() + "/X.ORB"));
}

TEST(OptionsFile, NumbersTooLargeForSinglePrecisionAreReportedAndNotUsed) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 3);
    Settings s = FreshSettings();
    s.OptionValues.fill(-7);
    std::string options, master;
    for (int i = 1; i <= 24; ++i) {
        options += (i == 18 ? "1e999" : i == 20 ? "9e99" : i == 22 ? "-4e38" : std::to_string(i)) + std::string("  #\r\n");
        master += std::to_string(100 + i) + "  #\r\n";
    }
    testsupport::WriteBytes(OptionsFilePath(s), options);
    testsupport::WriteBytes(MasterOptionsFilePath(s), master);
    ASSERT_TRUE(ReadOptionsFile(s));
    EXPECT_EQ(s.OptionValues[17], 17.0f);
    EXPECT_EQ(s.OptionValues[18], 118.0f);  // from the master file
    EXPECT_EQ(s.OptionValues[20], 120.0f);
    EXPECT_EQ(s.OptionValues[22], 122.0f);
    EXPECT_EQ(s.OptionValues[24], 24.0f);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].text, "Lines 18, 20 and 22 of the file " + PathToText(OptionsFilePath(s)) +
                                             " hold a number too large to use. Such an option takes its default "
                                             "value from " + PathToText(MasterOptionsFilePath(s)) + ".");
    // A master that has none to give: the option keeps its earlier value.
    testsupport::WriteBytes(MasterOptionsFilePath(s), "1\r\n");
    s.OptionValues[18] = -7;
    ASSERT_TRUE(ReadOptionsFile(s));
    EXPECT_EQ(s.OptionValues[18], -7.0f);
    EXPECT_EQ(s.OptionValues[20], 120.0f);
    ASSERT_EQ(dialogs.Prompts().size(), 2u);

    // An orb too large counts as 0; the largest single still reads.
    s.CurrentOrbFile = s.AppPath + "/BIG.ORB";
    s.OrbValues.fill(9);
    testsupport::WriteBytes(s.CurrentOrbFile, "8\r\n1e999\r\n3.4e38\r\n");
    ASSERT_TRUE(LoadOrbsFile(s));
    EXPECT_EQ(s.OrbValues[1], 8.0f);
    EXPECT_EQ(s.OrbValues[2], 0.0f);
    EXPECT_EQ(s.OrbValues[3], 3.4e38f);
    ASSERT_EQ(dialogs.Prompts().size(), 3u);
    EXPECT_EQ(dialogs.Prompts()[2].text, "Line 2 of the file " + PathToText(s.CurrentOrbFile) +
                                             " holds a number too large to use. Such an orb counts as 0.");
}
