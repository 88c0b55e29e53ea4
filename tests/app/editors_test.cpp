// The options and orb editors: the whole file as one text, saved back less
// the line end that loading added, never cutting what the user typed.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include "window_fixture.h"

namespace {

using Editors = WindowTest;

// Types at the very end of the editor's text, as the user would.
void TypeAtEnd(TextBox& box, const QString& keys) {
    QPlainTextEdit* text = box.PlainTextEdit();
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, keys);
}

}  // namespace

TEST_F(Editors, OptionsEditorSavesWhatWasTypedAndReadsTheOptionsAgain) {
    const std::string original = testsupport::ReadBytes(AppFile("OPTIONS.OPT"));
    Options& editor = FormOf<Options>();
    EXPECT_EQ(editor.Caption(), "Edit: OPTIONS.OPT");
    EXPECT_EQ(editor.txtContent.Text(), original);
    EXPECT_EQ(editor.cmdRestoreDefault.Caption(), "Restore Default Settings");

    // Unchanged, the file loses only its final line end and reads back the same.
    const auto before = ps.settings.OptionValues;
    editor.btnSave.PerformClick();
    EXPECT_EQ(testsupport::ReadBytes(AppFile("OPTIONS.OPT")), original.substr(0, original.size() - 2));
    EXPECT_EQ(ps.settings.OptionValues, before);
    EXPECT_TRUE(FormLoaded<Options>());  // the window stays open

    // Option 198 (zodiac mode) changed in the text, with characters typed
    // after the last line end: nothing typed is cut, and the caption prefix
    // follows the new mode.
    std::string text = editor.txtContent.Text();
    size_t line198 = 0;
    for (int n = 1; n < 198; ++n) line198 = text.find("\r\n", line198) + 2;
    text.replace(line198, 7, "1      ");
    editor.txtContent.SetText(text);
    const std::string prefixBefore = ps.chart.CaptionPrefix;
    TypeAtEnd(editor.txtContent, "42");
    editor.btnSave.PerformClick();
    const std::string saved = testsupport::ReadBytes(AppFile("OPTIONS.OPT"));
    EXPECT_EQ(saved.substr(saved.size() - 4), "\r\n42");
    EXPECT_FLOAT_EQ(ps.settings.OptionValues[198], 1.0f);
    EXPECT_NE(ps.chart.CaptionPrefix, prefixBefore);
    EXPECT_TRUE(responder.Prompts().empty());

    // Quit leaves without saving.
    editor.txtContent.SetText("9\r\n");
    editor.btnQuit.PerformClick();
    EXPECT_FALSE(FormLoaded<Options>());
    EXPECT_EQ(testsupport::ReadBytes(AppFile("OPTIONS.OPT")), saved);
}

TEST_F(Editors, RestoreDefaultCopiesTheMasterFileWithoutReadingIt) {
    testsupport::WriteBytes(AppFile("OPTIONS.MAS"), "5      master\r\n6\r\n");
    Options& editor = FormOf<Options>();
    const float option1 = ps.settings.OptionValues[1];
    editor.cmdRestoreDefault.PerformClick();
    EXPECT_EQ(testsupport::ReadBytes(AppFile("OPTIONS.OPT")), "5      master\r\n6\r\n");
    EXPECT_EQ(editor.txtContent.Text(), "5      master\r\n6\r\n");
    EXPECT_FLOAT_EQ(ps.settings.OptionValues[1], option1);

    // Without a master file: the message, and the options file stays.
    QFile::remove(QString::fromStdString(AppFile("OPTIONS.MAS")));
    responder.Answer(MsgResult::OK);
    editor.cmdRestoreDefault.PerformClick();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].text, "Error in operation. Cannot do what is requested.");
    EXPECT_EQ(responder.Prompts()[0].title, "Warning!");
    EXPECT_EQ(testsupport::ReadBytes(AppFile("OPTIONS.OPT")), "5      master\r\n6\r\n");
}

TEST_F(Editors, MissingOptionsFileIsSaidAndNeverOverwrittenByAnEmptyText) {
    QFile::remove(QString::fromStdString(AppFile("OPTIONS.OPT")));
    responder.Answer(MsgResult::OK);
    Options& editor = FormOf<Options>();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].title, "File Not Found");
    EXPECT_FALSE(editor.btnSave.Enabled());
    EXPECT_FALSE(FileExists(AppFile("OPTIONS.OPT")));

    // Restore Default brings a file, and Save with it.
    editor.cmdRestoreDefault.PerformClick();
    EXPECT_TRUE(editor.btnSave.Enabled());
    EXPECT_EQ(editor.txtContent.Text(), testsupport::ReadBytes(AppFile("OPTIONS.MAS")));
}

TEST_F(Editors, OrbEditorSavesTheOrbFileInUse) {
    testsupport::WriteBytes(AppFile("TEST.ORB"), "8      conjunct\r\n6\r\n");
    ps.settings.CurrentOrbFile = AppFile("TEST.ORB");
    ps.settings.OrbValues[1] = 3;
    OrbsEdit& editor = FormOf<OrbsEdit>();
    EXPECT_EQ(editor.Caption(), "Edit: " + AppFile("TEST.ORB"));
    EXPECT_EQ(editor.txtContent.Text(), "8      conjunct\r\n6\r\n");

    editor.txtContent.SetText("9      conjunct\r\n6\r\n");
    TypeAtEnd(editor.txtContent, "7");
    editor.btnSave.PerformClick();
    EXPECT_EQ(testsupport::ReadBytes(AppFile("TEST.ORB")), "9      conjunct\r\n6\r\n7");
    // The orbs are read again by the next window that loads the file.
    EXPECT_FLOAT_EQ(ps.settings.OrbValues[1], 3.0f);

    // A text too short to carry a line end is written as it stands.
    editor.txtContent.SetText("5");
    editor.btnSave.PerformClick();
    EXPECT_EQ(testsupport::ReadBytes(AppFile("TEST.ORB")), "5");
    editor.btnQuit.PerformClick();
    EXPECT_FALSE(FormLoaded<OrbsEdit>());
}

TEST_F(Editors, MissingOrbFileIsSaidAndNotMadeEmpty) {
    ps.settings.CurrentOrbFile = AppFile("GONE.ORB");
    responder.Answer(MsgResult::OK);
    OrbsEdit& editor = FormOf<OrbsEdit>();
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].title, "File Not Found");
    EXPECT_NE(responder.Prompts()[0].text.find("GONE.ORB"), std::string::npos);
    EXPECT_FALSE(editor.btnSave.Enabled());
    editor.btnSave.PerformClick();
    EXPECT_FALSE(FileExists(AppFile("GONE.ORB")));
}

TEST_F(Editors, FileInAnAccentedFolderIsNamedInTheProgramsCodePage) {
    // "Données" is UTF-8 in the path and Windows-1252 in the caption and message.
    const std::string folder = AppFile("Donn\xC3\xA9" "es");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    ps.settings.CurrentOrbFile = JoinPath(folder, "GONE.ORB");
    const std::string shown = ps.settings.AppPath + "/Donn\xE9" "es/GONE.ORB";
    responder.Answer(MsgResult::OK);
    OrbsEdit& editor = FormOf<OrbsEdit>();
    EXPECT_EQ(editor.Caption(), "Edit: " + shown);
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_EQ(responder.Prompts()[0].text, "The file " + shown + " was not found or cannot be read.");
}
