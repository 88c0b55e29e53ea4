#include "dialog_responder.h"
#include "people/ui/input_window_link.h"
#include "people/ui/time_zone_window.h"
#include "people_window_fixture.h"
#include "platform/ui/form_registry.h"

namespace {

class TimeZoneWindowTest : public PeopleWindowTest {
protected:
    int Row(TimeZone& w, const std::string& prefix) {
        for (int i = 0; i < w.lstTimeZones.ListCount(); ++i)
            if (w.lstTimeZones.List(i).rfind(prefix, 0) == 0) return i;
        ADD_FAILURE() << "no zone " << prefix;
        return -1;
    }
};

}  // namespace

TEST_F(TimeZoneWindowTest, ColumnsLineUpInNameOrder) {
    WriteAppFile("TZ.DAT",
                 "Eastern Standard Time,EST,5\r\nCentral European Time,CET,-1\r\nIndia Standard Time,IST,-5.5\r\n"
                 "Chatham Islands Standard Time Zn,CHAS,-12.75\r\nMid-Atlantic,MAT,2\r\n\r\nAfter Blank,AB,0\r\n");
    TimeZone& w = FormOf<TimeZone>();
    EXPECT_EQ(w.Caption(), "Time Zones");
    ASSERT_EQ(w.lstTimeZones.ListCount(), 6);  // the empty line is passed over
    const std::vector<std::string> expected = {
        "After Blank                      -   AB =   0",
        "Central European Time            -  CET =  -1",
        "Chatham Islands Standard Time Zn - CHAS = -12.75",
        "Eastern Standard Time            -  EST =   5",
        "India Standard Time              -  IST =  -5.5",
        "Mid-Atlantic                     -  MAT =   2",
    };
    for (int i = 0; i < 6; ++i) {
        const std::string line = w.lstTimeZones.List(i);
        EXPECT_EQ(line, expected[static_cast<size_t>(i)]);
        // Abbreviations end in column 39, whole hours in column 45.
        EXPECT_EQ(line.substr(38, 3), line.substr(38, 1) + " =");
        EXPECT_NE(line[44], ' ');
    }
}

TEST_F(TimeZoneWindowTest, ClickFillsTheWindowThatOpenedThePicker) {
    WriteAppFile("TZ.DAT", "Central European Time,CET,-1\r\nGreenwich Mean Time,GMT,0\r\nMid-Atlantic,MAT,2\r\n");
    // "TZ Help" of the natal window opens the picker with its right edge on
    // the second window's right edge.
    Natal().Label1.Click();
    ASSERT_TRUE(FormLoaded<TimeZone>());
    TimeZone& w = FormOf<TimeZone>();
    EXPECT_DOUBLE_EQ(w.Left() + w.Width(), Second().Left() + Second().Width());
    EXPECT_FALSE(ps.people.TzPickerTarget);
    w.lstTimeZones.SetListIndex(Row(w, "Central"));
    EXPECT_TRUE(Natal().optEast.Value());
    EXPECT_EQ(Natal().txtTZ.Text(), "-1");
    w.lstTimeZones.SetListIndex(Row(w, "Greenwich"));
    EXPECT_TRUE(Natal().optWest.Value());
    EXPECT_EQ(Natal().txtTZ.Text(), "0");

    // From the second window's "TZ Help" the second window takes it; a name
    // holding "-" can be chosen too.
    Second().Label1.Click();
    EXPECT_TRUE(ps.people.TzPickerTarget);
    const std::string natalBefore = NatalState();
    w.lstTimeZones.SetListIndex(Row(w, "Mid-Atlantic"));
    EXPECT_EQ(Second().txtDiurnalTZ.Text(), "2");
    EXPECT_TRUE(Second().optDiurnalWest.Value());
    EXPECT_EQ(NatalState(), natalBefore);
    EXPECT_TRUE(FormLoaded<TimeZone>());  // the picker stays open until Quit

    w.Command1.PerformClick();
    EXPECT_FALSE(FormLoaded<TimeZone>());
}

TEST_F(TimeZoneWindowTest, MissingOrCorruptFileIsReported) {
    {
        DialogResponder dialogs;
        dialogs.Answer(MsgResult::OK);
        EXPECT_EQ(FormOf<TimeZone>().lstTimeZones.ListCount(), 0);
        EXPECT_EQ(dialogs.Prompts().at(0).title, "File Not Found");
    }
    UnloadPeopleWindows();
    WriteAppFile("TZ.DAT", "Greenwich Mean Time,GMT,0\r\nA Name Much Longer Than Thirty-Two Letters,X,1\r\n");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    EXPECT_EQ(FormOf<TimeZone>().lstTimeZones.ListCount(), 1);
    EXPECT_EQ(dialogs.Prompts().at(0).text, "The file TZ.DAT is corrupt.");
    EXPECT_EQ(dialogs.Prompts().at(0).title, "Error!");
}
