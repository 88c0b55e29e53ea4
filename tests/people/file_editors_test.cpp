#include <QPlainTextEdit>
#include <QTest>

#include "dialog_responder.h"
#include "people/ui/cities_editor_window.h"
#include "people/ui/cities_window.h"
#include "people/ui/names_editor_window.h"
#include "people/ui/names_window.h"
#include "people_window_fixture.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

using testsupport::ReadBytes;

TEST(DataEditorBytes, KeepsTypedCharactersAndOneFinalLineEnd) {
    EXPECT_EQ(DataEditorBytes(""), "");
    EXPECT_EQ(DataEditorBytes("a,b\r\n"), "a,b\r\n");
    EXPECT_EQ(DataEditorBytes("a,b\r\n\r\n"), "a,b\r\n\r\n");
    // Without a final line end nothing typed is cut.
    EXPECT_EQ(DataEditorBytes("a,b\r\nc,d"), "a,b\r\nc,d\r\n");
    EXPECT_EQ(DataEditorBytes("x"), "x\r\n");
    // Bare line ends from the text box become CR LF.
    EXPECT_EQ(DataEditorBytes("a\nb\n"), "a\r\nb\r\n");
}

class FileEditorsTest : public PeopleWindowTest {};

TEST_F(FileEditorsTest, NamesEditorRoundTripsByteForByte) {
    const std::string bytes =
        "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n\r\nJos\xE9 M\xFCller,01 Jan 2000,1.00,A,0,000.10,"
        "51.30,\r\n";
    const std::string path = WriteAppFile("NAMES.FIL", bytes);
    NameEdit& editor = FormOf<NameEdit>();
    EXPECT_EQ(editor.Caption(), "Edit: " + path);
    EXPECT_EQ(editor.txtContent.Text(), bytes);
    ps.people.NamesListStale = 1;
    editor.btnSave.PerformClick();
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(ps.people.NamesListStale, 0);

    // A last line without a line end gains one; an emptied text empties the file.
    WriteAppFile("NAMES.FIL", "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,");
    UnloadPeopleWindows();
    FormOf<NameEdit>().btnSave.PerformClick();
    EXPECT_EQ(ReadBytes(path), "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n");
    FormOf<NameEdit>().txtContent.SetText("");
    FormOf<NameEdit>().btnSave.PerformClick();
    EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(FileEditorsTest, TypedTextIsSavedWhole) {
    const std::string path = WriteAppFile("NAMES.FIL", "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n");
    NameEdit& editor = FormOf<NameEdit>();
    editor.Show();
    QTest::keyClick(editor.txtContent.Widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor.txtContent.Widget(), "Amy,02 Feb 2001,2.00,P,0,000.10,51.30,me");
    editor.btnSave.PerformClick();
    EXPECT_EQ(ReadBytes(path),
              "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\nAmy,02 Feb 2001,2.00,P,0,000.10,51.30,me\r\n");
}

TEST_F(FileEditorsTest, QuitWithoutSaveKeepsFileAndReopensList) {
    const std::string bytes = "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n";
    const std::string path = WriteAppFile("NAMES.FIL", bytes);
    FormOf<Names>().cmdEditList.PerformClick();
    NameEdit& editor = FormOf<NameEdit>();
    editor.txtContent.SetText("Amy,02 Feb 2001,2.00,P,0,000.10,51.30,\r\n");
    editor.btnQuit.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FormLoaded<NameEdit>());
    EXPECT_EQ(ReadBytes(path), bytes);
    ASSERT_TRUE(FormLoaded<Names>());
    EXPECT_EQ(FormOf<Names>().NamesOnFile.List(0), "Kim Sample");
}

TEST_F(FileEditorsTest, CitiesEditorSavesAndTheListShowsTheEdit) {
    const std::string path = WriteAppFile("GA_MA.LL", "Atlanta,GA,84W23,33N45,5\r\n");
    FormOf<Geograph>().cmdEditList.PerformClick();
    LongLat& editor = FormOf<LongLat>();
    EXPECT_EQ(editor.Caption(), "Edit: " + path);
    EXPECT_EQ(editor.Label1.Caption(), "Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.");
    ps.people.NamesListStale = 1;
    editor.txtContent.SetText("Atlanta,GA,84W23,33N45,5\r\nOslo,Norway,010E45,59N55,-1");
    editor.btnSave.PerformClick();
    EXPECT_EQ(ReadBytes(path), "Atlanta,GA,84W23,33N45,5\r\nOslo,Norway,010E45,59N55,-1\r\n");
    EXPECT_EQ(ps.people.NamesListStale, 1);
    editor.btnQuit.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(FormLoaded<Geograph>());
    EXPECT_EQ(FormOf<Geograph>().CitiesOnFile.ListCount(), 2);
}

TEST_F(FileEditorsTest, TextTheFileCannotHoldIsNotSaved) {
    // A character without a byte in the code page would be written as '?':
    // the user is told its line and the file stays as it was.
    const std::string names = WriteAppFile("NAMES.FIL", "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n");
    const std::string cities = WriteAppFile("GA_MA.LL", "Atlanta,GA,84W23,33N45,5\r\n");
    const std::string namesBefore = ReadBytes(names), citiesBefore = ReadBytes(cities);
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 2);
    ps.people.NamesListStale = 1;
    NameEdit& nameEdit = FormOf<NameEdit>();
    nameEdit.txtContent.PlainTextEdit()->setPlainText(
        QString::fromUtf8("Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\n\xC5\x81ukasz,01 Jan 2000,1.00,A,0,"
                          "000.10,51.30,\n"));
    nameEdit.btnSave.PerformClick();
    LongLat& cityEdit = FormOf<LongLat>();
    cityEdit.txtContent.PlainTextEdit()->setPlainText(
        QString::fromUtf8("Atlanta,GA,84W23,33N45,5\nOslo,Norway,010E45,59N55,-1\n\xC5\x81\xC3\xB3" "d\xC5\xBA,PL,"
                          "019E28,51N46,-1"));
    cityEdit.btnSave.PerformClick();
    ASSERT_EQ(dialogs.Prompts().size(), 2u);
    EXPECT_EQ(dialogs.Prompts()[0].text,
              "You cannot have a character in line 2 that the file cannot hold. Please remove or replace that "
              "character and try again.");
    EXPECT_EQ(dialogs.Prompts()[0].title, "Warning!");
    EXPECT_EQ(dialogs.Prompts()[1].text.rfind("You cannot have a character in line 3 ", 0), 0u);
    EXPECT_EQ(ReadBytes(names), namesBefore);
    EXPECT_EQ(ReadBytes(cities), citiesBefore);
    EXPECT_EQ(ps.people.NamesListStale, 1);
}
