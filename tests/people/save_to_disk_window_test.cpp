// "Save to disk" of the natal window refuses what the names file cannot
// hold as typed, and then leaves the file as it was.
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "dialog_responder.h"
#include "input_window_fixture.h"
#include "test_support.h"

TEST_F(InputWindowTest, SaveRefusesTextTheNamesFileCannotHold) {
    const std::string dir = testsupport::MakeTempDir();
    ps.settings.AppPath = dir;
    const std::string file = dir + "/NAMES.FIL";
    const std::string before =
        "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n\r\nJos\xE9 M\xFCller,01 Jan 2000,1.00,A,0,000.10,51.30,\r\n";
    testsupport::WriteBytes(file, before);
    int chooserCalls = 0;
    InputHooks().ChooseNamesFile = [&] {
        ++chooserCalls;
        return file;
    };
    TypeNatal();
    InputD& w = Natal();
    Type(w.txtEmail, "john@example.com");

    // Each box in turn holds a character that Windows-1252 has no byte for.
    const struct {
        TextBox* box;
        const char* text;  // UTF-8, as pasted
        const char* what;
    } cases[] = {
        {&w.txtName, "\xC5\x81ukasz Nowak", "name"},           // Ł
        {&w.txtName, "Smile \xF0\x9F\x98\x80", "name"},        // beyond 16 bits
        {&w.txtDay, "1\xC5\x81", "date"},
        {&w.txtMonth, "\xE2\x85\xA2", "date"},                 // roman numeral three
        {&w.txtYear, "1962\xC5\x81", "date"},
        {&w.txtBirthHour, "9\xC5\x81", "time"},
        {&w.txtBirthMinute, "3\xC5\x81", "time"},
        {&w.txtTZ, "5\xC5\x81", "time zone"},
        {&w.txtLongDeg, "75\xC5\x81", "longitude"},
        {&w.txtLongMin, "1\xC5\x81", "longitude"},
        {&w.txtLatDeg, "40\xC5\x81", "latitude"},
        {&w.txtLatMin, "43\xC5\x81", "latitude"},
        {&w.txtEmail, "jan@\xC5\x82\xC3\xB3" "d\xC5\xBA.pl", "e-mail address"},  // łódź
    };
    DialogResponder dialogs;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString kept = c.box->LineEdit()->text();
        {
            DialogRecorder hourRule;  // the hour box answers a paste it cannot read at once
            c.box->LineEdit()->setText(QString::fromUtf8(c.text));
        }
        dialogs.Answer(MsgResult::OK);
        w.cmdSave.PerformClick();
        ASSERT_FALSE(dialogs.Prompts().empty());
        EXPECT_EQ(dialogs.Prompts().back().text, std::string("You cannot have a character in the ") + c.what +
                                                     " that the names file cannot hold. Please remove or replace "
                                                     "that character and try again.");
        EXPECT_EQ(dialogs.Prompts().back().title, "Warning!");
        c.box->LineEdit()->setText(kept);
    }
    // A name typed key by key is refused the same way; so is a name of blanks only.
    Type(w.txtName, "");
    QTest::sendKeyEvent(QTest::Click, w.txtName.LineEdit(), Qt::Key_unknown, QString::fromUtf8("\xC5\x81"),
                        Qt::NoModifier);
    QTest::keyClicks(w.txtName.LineEdit(), "ukasz");
    EXPECT_EQ(w.txtName.Text(), "?ukasz");
    dialogs.Answer(MsgResult::OK);
    w.cmdSave.PerformClick();
    EXPECT_EQ(dialogs.Prompts().back().text.rfind("You cannot have a character in the name", 0), 0u);
    for (const char* blanks : {"   ", " \t "}) {
        w.txtName.LineEdit()->setText(blanks);
        dialogs.Answer(MsgResult::OK);
        w.cmdSave.PerformClick();
        EXPECT_EQ(dialogs.Prompts().back().text,
                  "You cannot save a person without a name. Please type a name and try again.");
    }
    EXPECT_EQ(dialogs.Prompts().size(), std::size(cases) + 3);
    EXPECT_EQ(chooserCalls, 0);
    EXPECT_EQ(testsupport::ReadBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(dir + "/NAMES.OLD"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/wfyert.hyq"));

    // Letters the code page holds are saved as they are.
    w.txtName.LineEdit()->setText(QString::fromUtf8("Zo\xC3\xAB \xC3\x85" "berg"));  // Zoë Åberg
    w.cmdSave.PerformClick();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(testsupport::ReadBytes(file),
              before + "Zo\xEB \xC5" "berg,14 Mar 1962,9.30,P,5,075.10,40.43,john@example.com\r\n");
}
