#include <QTest>

#include "chart_run_setup.h"
#include "dialog_responder.h"
#include "people/ui/names_editor_window.h"
#include "people/ui/names_window.h"
#include "people/ui/input_window_hooks.h"
#include "people_window_fixture.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

namespace {

const char* const kPeople =
    "Robin Sample,21 Jun 1978,3.40,P,5,087.39,41.51,robin@example.com\r\n"
    "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n"
    "Sam Sample,30 Sep 1969,6.45,A,-10,-151.13,-33.52,\r\n"
    "Jane Doe,05 Mar 1960,5.30,P,5,075.30,40.45,jane@example.com\r\n"
    "Jane Doe,06 Apr 1961,7.05,A,6,080.00,30.00,other@example.com\r\n";

class NamesWindowTest : public PeopleWindowTest {
protected:
    // Selects the list row with this text and clicks it, as the user does.
    void ClickName(Names& w, const std::string& name, int nth = 0) {
        for (int i = 0; i < w.NamesOnFile.ListCount(); ++i) {
            if (w.NamesOnFile.List(i) == name && nth-- == 0) {
                w.NamesOnFile.SetListIndex(i);
                return;
            }
        }
        ADD_FAILURE() << "no row " << name;
    }
};

}  // namespace

TEST_F(NamesWindowTest, LoadsSortedListWithRecordIndexesAndFileLabel) {
    WriteAppFile("names.fil", kPeople);
    ps.settings.CurrentNamesFile = ps.settings.AppPath + "/names.fil";
    Names& w = FormOf<Names>();
    EXPECT_EQ(w.Caption(), "Names");
    EXPECT_EQ(w.lblNamesOnFile.Caption(), "NAMES.FIL");
    ASSERT_EQ(w.NamesOnFile.ListCount(), 5);
    const std::vector<std::string> order = {"Jane Doe", "Jane Doe", "Kim Sample", "Robin Sample", "Sam Sample"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(w.NamesOnFile.List(i), order[static_cast<size_t>(i)]);
    EXPECT_EQ(w.NamesOnFile.ItemData(2), 1);  // Kim is the second record of the file
    EXPECT_EQ(w.NamesOnFile.ItemData(4), 2);
    // The table holds the records in file order and one empty spare.
    ASSERT_EQ(ps.people.NamesName.size(), 6u);
    EXPECT_EQ(ps.people.NamesName[0], "Robin Sample");
    EXPECT_EQ(ps.people.NamesEmail[0], "robin@example.com");
    EXPECT_EQ(ps.people.NamesName[5], "");
    // Every run over the list can be started, the graph runs too.
    EXPECT_TRUE(w.Batch.Enabled());
    EXPECT_TRUE(w.cmdBDFY.Enabled());
    for (CommandButton* b : {&w.Command4, &w.Command5, &w.cmdNatalDynes_Graph, &w.cmdDualDynes_Graph,
                             &w.cmdBothDynes_Graph, &w.cmdDualDynesAroundClock})
        EXPECT_TRUE(b->Enabled()) << b->Caption();
    EXPECT_EQ(w.Text2.Text(), "99");
    EXPECT_EQ(w.Text1.Text(), "0");
}

TEST_F(NamesWindowTest, ClickFillsPersonAOrPersonB) {
    WriteAppFile("NAMES.FIL", kPeople);
    DialogResponder dialogs;
    Names& w = FormOf<Names>();
    ps.chart.CompositeLatText = "40.00";

    ClickName(w, "Kim Sample");
    EXPECT_EQ(NatalState(), "Kim Sample|11/3/1982|11:5P|-1|2.20E|48.52N|");
    // "Use natal data" ticked: the second set takes the natal time and place, keeping its date.
    EXPECT_EQ(SecondState(), "|3/9/2024|11:5P|-1|2.20E|48.52N|");
    EXPECT_EQ(ps.chart.CompositeLatText, "");
    EXPECT_EQ(ps.people.NamesListStale, 0);
    EXPECT_EQ(ps.people.LastClickedName, 1);

    // A record with East longitude and South latitude; the zone stands as stored.
    ClickName(w, "Sam Sample");
    EXPECT_EQ(NatalState(), "Sam Sample|9/30/1969|6:45A|-10|151.13E|33.52S|");
    // "Use natal data" unticked: the second set is now at the default place.
    Second().chkNatOrNow.SetValue(0);
    ClickName(w, "Jane Doe");
    EXPECT_EQ(NatalState(), "Jane Doe|3/5/1960|5:30P|5|75.30W|40.45N|jane@example.com");
    EXPECT_EQ(SecondState(), "|3/9/2024|3:7P|5|71.4W|42.21N|");

    // With "2nd Person" ticked the second window takes the person, and its caption the name.
    Second().chk2ndPerson.SetValue(1);
    const std::string natalBefore = NatalState();
    ClickName(w, "Robin Sample");
    EXPECT_EQ(SecondState(), "|6/21/1978|3:40P|5|87.39W|41.51N|robin@example.com");
    EXPECT_EQ(Second().chk2ndPerson.Caption(), "Robin Sample");
    EXPECT_EQ(ps.people.RunPersonName, "Robin Sample");
    EXPECT_EQ(NatalState(), natalBefore);
    EXPECT_TRUE(dialogs.Prompts().empty());
}

TEST_F(NamesWindowTest, SameNamesEachGiveTheirOwnRecord) {
    WriteAppFile("NAMES.FIL", kPeople);
    Names& w = FormOf<Names>();
    ClickName(w, "Jane Doe", 1);
    EXPECT_EQ(ps.people.LastClickedName, 4);
    EXPECT_EQ(NatalState(), "Jane Doe|4/6/1961|7:5A|6|80.0W|30.0N|other@example.com");
    ClickName(w, "Jane Doe", 0);
    EXPECT_EQ(ps.people.LastClickedName, 3);
    EXPECT_EQ(Natal().txtEmail.Text(), "jane@example.com");
}

TEST_F(NamesWindowTest, SkippedLinesKeepListAndRecordsInStep) {
    // An empty line, a record without a name and a line of blanks stay out
    // of the list; each entry still gives its own record, and replacing a
    // person after them leaves every other line as it stood.
    const std::string robin = "Robin Sample,21 Jun 1978,3.40,P,5,087.39,41.51,robin@example.com";
    const std::string nameless = ",01 Jan 1990,1.00,A,0,000.10,51.30,";
    const std::string sam = "Sam Sample,30 Sep 1969,6.45,A,-10,-151.13,-33.52,";
    const std::string path = WriteAppFile(
        "NAMES.FIL", robin + "\r\n\r\n" + nameless + "\r\nKim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n  \r\n" +
                         sam + "\r\n");
    DialogResponder dialogs;
    Names& w = FormOf<Names>();
    ASSERT_EQ(w.NamesOnFile.ListCount(), 3);
    ClickName(w, "Sam Sample");
    EXPECT_EQ(ps.people.LastClickedName, 2);
    EXPECT_EQ(NatalState(), "Sam Sample|9/30/1969|6:45A|-10|151.13E|33.52S|");
    ClickName(w, "Kim Sample");
    EXPECT_EQ(NatalState(), "Kim Sample|11/3/1982|11:5P|-1|2.20E|48.52N|");

    Natal().txtBirthMinute.SetText("10");
    dialogs.Answer(MsgResult::Yes);  // "Kim Sample already exists": replace it
    AnswerChooser("NAMES.FIL");
    Natal().cmdSave.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Kim Sample already exists");
    EXPECT_EQ(testsupport::ReadBytes(path), robin + "\r\n\r\n" + nameless + "\r\n  \r\n" + sam +
                                                "\r\nKim Sample,03 Nov 1982,11.10,P,-1,-002.20,48.52,\r\n");
    Names& reloaded = FormOf<Names>();
    ASSERT_EQ(reloaded.NamesOnFile.ListCount(), 3);
    ClickName(reloaded, "Kim Sample");
    EXPECT_EQ(NatalState(), "Kim Sample|11/3/1982|11:10P|-1|2.20E|48.52N|");
    ClickName(reloaded, "Robin Sample");
    EXPECT_EQ(NatalState(), "Robin Sample|6/21/1978|3:40P|5|87.39W|41.51N|robin@example.com");
}

TEST_F(NamesWindowTest, YearFirstDateOrderRewritesTheStoredDateOnce) {
    WriteAppFile("NAMES.FIL", kPeople);
    ps.settings.DateOrder = 2;
    Names& w = FormOf<Names>();
    ClickName(w, "Jane Doe");
    EXPECT_EQ(ps.people.NamesDate[3], "1960 Mar 05");
    EXPECT_EQ(Natal().txtMonth.Text() + "/" + Natal().txtDay.Text() + "/" + Natal().txtYear.Text(), "3/5/1960");
    w.NamesOnFile.SetListIndex(-1);
    ClickName(w, "Jane Doe");
    EXPECT_EQ(ps.people.NamesDate[3], "1960 Mar 05");
    EXPECT_EQ(Natal().txtYear.Text(), "1960");
}

TEST_F(NamesWindowTest, DoubleClickComputesOnlyForPersonA) {
    DialogResponder dialogs;  // the run asks nothing
    testsupport::PrepareChartRun(ps, ps.settings.AppPath);
    ps.settings.OptionValues[211] = 0;
    int menusShown = 0;
    InputHooks().ShowChartMenus = [&menusShown] { ++menusShown; };
    WriteAppFile("NAMES.FIL", kPeople);
    ps.output.OutputLineCount = 3;
    ps.output.OutputBuffer = {"a", "b", "c", ""};

    Names& w = FormOf<Names>();
    Second().chk2ndPerson.SetValue(1);
    ClickName(w, "Kim Sample");
    w.NamesOnFile.DblClick();
    EXPECT_EQ(menusShown, 0);
    EXPECT_TRUE(FormLoaded<Names>());

    Second().chk2ndPerson.SetValue(0);
    ClickName(w, "Sam Sample");
    w.NamesOnFile.DblClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FormLoaded<Names>());
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(ps.chart.ChartName, "Sam Sample");
    EXPECT_EQ(ps.chart.InputError, 0);
    // The old buffer is gone; the run's first page is all it holds.
    EXPECT_TRUE(ps.output.OutputLineCount == 0 || ps.output.OutputBuffer[0] != "a");
}

TEST_F(NamesWindowTest, BadFilesAreReported) {
    // A blank line is passed over silently; a short last record is an error.
    WriteAppFile("NAMES.FIL",
                 "Robin Sample,21 Jun 1978,3.40,P,5,087.39,41.51,\r\n\r\nKim Sample,03 Nov 1982,11.05,P,-1,-002.20,"
                 "48.52,\r\n");
    EXPECT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 2);
    UnloadPeopleWindows();

    WriteAppFile("NAMES.FIL", "Robin Sample,21 Jun 1978,3.40,P,5,087.39,41.51,\r\nKim Sample,03 Nov 1982,11.05\r\n");
    {
        DialogResponder dialogs;
        dialogs.Answer(MsgResult::OK);
        EXPECT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 1);
        ASSERT_EQ(dialogs.Prompts().size(), 1u);
        EXPECT_EQ(dialogs.Prompts()[0].title, "Error!");
        EXPECT_EQ(dialogs.Prompts()[0].text.rfind("You have an error in the current names file. You need to check "
                                                  "and see if you have entered",
                                                  0),
                  0u);
    }
    UnloadPeopleWindows();

    // A date that cannot be read stops the click with a message.
    WriteAppFile("NAMES.FIL", "Robin Sample,31 Feb 1978,3.40,P,5,087.39,41.51,\r\n");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    Names& w = FormOf<Names>();
    w.NamesOnFile.SetListIndex(0);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].text.rfind("Format error or typographical error in selected data.", 0), 0u);
    EXPECT_EQ(Natal().txtName.Text(), "Now");
}

TEST_F(NamesWindowTest, MissingFileFallsBackToDefaultThenToEmptyList) {
    WriteAppFile("NAMES.FIL", kPeople);
    ps.settings.CurrentNamesFile = ps.settings.AppPath + "/GONE.FIL";
    EXPECT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 5);
    EXPECT_EQ(ps.settings.CurrentNamesFile, "");
    EXPECT_EQ(FormOf<Names>().lblNamesOnFile.Caption(), "");
    UnloadPeopleWindows();

    std::remove((ps.settings.AppPath + "/NAMES.FIL").c_str());
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    EXPECT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 0);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "File Not Found");
}

TEST_F(NamesWindowTest, ChangeListEmptiesAndReloads) {
    WriteAppFile("NAMES.FIL", kPeople);
    const std::string other =
        WriteAppFile("OTHER.FIL", "Zed Other,01 Jan 2000,1.00,A,0,000.10,51.30,\r\nAmy Other,02 Feb 2001,2.00,P,0,"
                                  "000.10,51.30,\r\n");
    Names& w = FormOf<Names>();
    AnswerChooser(std::nullopt, false);  // cancel: nothing changes
    w.cmdNewFileList.PerformClick();
    EXPECT_EQ(w.NamesOnFile.ListCount(), 5);
    EXPECT_EQ(seenPattern, "*.FIL");
    EXPECT_EQ(seenPreselected, "NAMES.FIL");

    AnswerChooser("OTHER.FIL");
    w.cmdNewFileList.PerformClick();
    ASSERT_EQ(w.NamesOnFile.ListCount(), 2);
    EXPECT_EQ(w.NamesOnFile.List(0), "Amy Other");
    EXPECT_EQ(ps.settings.CurrentNamesFile, other);
    EXPECT_EQ(w.lblNamesOnFile.Caption(), "OTHER.FIL");
    EXPECT_EQ(ps.people.NamesName.size(), 3u);
    EXPECT_EQ(ps.people.LockedIndex, 0);

    // Select on the preselected current file reads it again, not twice over.
    AnswerChooser(std::nullopt);
    w.cmdNewFileList.PerformClick();
    EXPECT_EQ(seenPreselected, "OTHER.FIL");
    EXPECT_EQ(w.NamesOnFile.ListCount(), 2);
}

TEST_F(NamesWindowTest, LockListReturnsToKeptPosition) {
    WriteAppFile("NAMES.FIL", NamesFileOf(40));
    {
        Names& w = FormOf<Names>();
        w.Show();
        w.NamesOnFile.SetListIndex(30);
        w.Check1.SetValue(1);
        EXPECT_EQ(ps.people.ListLocked, 1);
        EXPECT_EQ(ps.people.LockedIndex, 30);
        w.NamesOnFile.SetListIndex(30);  // a click keeps the position too
        Natal().txtName.SetText("");
    }
    // The editor saved and quit: the reloaded list returns to position 30, top 18.
    {
        NameEdit& editor = FormOf<NameEdit>();
        editor.btnSave.PerformClick();
        EXPECT_EQ(ps.people.NamesListStale, 0);
        editor.btnQuit.PerformClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    {
        Names& w = FormOf<Names>();
        EXPECT_EQ(w.Check1.Value(), 1);
        EXPECT_EQ(w.NamesOnFile.ListIndex(), 30);
        EXPECT_EQ(w.NamesOnFile.TopIndex(), 18);
        EXPECT_EQ(Natal().txtName.Text(), "");  // returning is not a click
    }
    // The file now holds 20 people: the last one is selected.
    WriteAppFile("NAMES.FIL", NamesFileOf(20));
    UnloadPeopleWindows();
    FormOf<Names>().Show();
    EXPECT_EQ(FormOf<Names>().NamesOnFile.ListIndex(), 19);
    EXPECT_EQ(FormOf<Names>().NamesOnFile.TopIndex(), 7);
    EXPECT_EQ(ps.people.LockedIndex, 19);

    // After "Save to disk" the list does not return.
    AnswerChooser("NAMES.FIL");
    InputD& natal = Natal();
    natal.txtName.SetText("New Person");
    natal.cmdSave.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Names& w = FormOf<Names>();
    EXPECT_EQ(w.NamesOnFile.ListCount(), 21);
    EXPECT_EQ(w.NamesOnFile.ListIndex(), -1);

    // Unlocking keeps nothing; the keys of the threshold box are filtered.
    w.Check1.SetValue(0);
    EXPECT_EQ(ps.people.ListLocked, 0);
    QTest::keyClicks(w.Text1.Widget(), "4a2");
    EXPECT_EQ(w.Text1.Text(), "042");
}
