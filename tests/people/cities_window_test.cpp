#include "dialog_responder.h"
#include "people/ui/cities_editor_window.h"
#include "people/ui/cities_window.h"
#include "people/ui/input_window_link.h"
#include "people/ui/names_window.h"
#include "people_window_fixture.h"
#include "platform/ui/form_registry.h"
#include "test_support.h"

namespace {

const char* const kCities =
    "Atlanta,GA,84W23,33N45,5\r\n"
    "Oslo,Norway,010E45,59N55,-1\r\n"
    "Lower,Case,84e23,33n45,5\r\n"
    "Sydney,Australia,151E13,33S52,-10\r\n"
    "Faraway,West,160W00,10N00,-5\r\n"
    "Twin,Town,001W00,01N00,0\r\n"
    "Twin,Town,002E00,02S00,-1\r\n";

void ClickCity(Geograph& w, const std::string& text, int nth = 0) {
    for (int i = 0; i < w.CitiesOnFile.ListCount(); ++i) {
        if (w.CitiesOnFile.List(i) == text && nth-- == 0) {
            w.CitiesOnFile.SetListIndex(i);
            return;
        }
    }
    ADD_FAILURE() << "no row " << text;
}

class CitiesWindowTest : public PeopleWindowTest {
protected:
    void SetUp() override {
        PeopleWindowTest::SetUp();
        ps.settings.CurrentCitiesFile = ps.settings.AppPath + "/ga_ma.ll";
        WriteAppFile("ga_ma.ll", kCities);
    }
};

}  // namespace

TEST_F(CitiesWindowTest, ListsPlacesSortedWithLabel) {
    Geograph& w = FormOf<Geograph>();
    EXPECT_EQ(w.Caption(), "Cities");
    EXPECT_EQ(w.lblCitiesOnFile.Caption(), "GA_MA.LL");
    ASSERT_EQ(w.CitiesOnFile.ListCount(), 7);
    EXPECT_EQ(w.CitiesOnFile.List(0), "Atlanta,GA");
    EXPECT_EQ(w.CitiesOnFile.List(6), "Twin,Town");
}

TEST_F(CitiesWindowTest, ClickFillsThePlaceBoxes) {
    Geograph& w = FormOf<Geograph>();
    Natal().txtTZ.SetText("7");
    ClickCity(w, "Atlanta,GA");  // 84W23, 33N45
    EXPECT_EQ(TimeAndPlace(NatalInputBoxes()), "3:7P|5|84.23W|33.45N");
    // "Use natal data" ticked: the second set follows.
    EXPECT_EQ(TimeAndPlace(DiurnalInputBoxes()), "3:7P|5|84.23W|33.45N");
    ClickCity(w, "Oslo,Norway");  // 010E45
    EXPECT_EQ(TimeAndPlace(NatalInputBoxes()), "3:7P|-1|10.45E|59.55N");
    ClickCity(w, "Lower,Case");  // 84e23 is West, 33n45 North
    EXPECT_EQ(TimeAndPlace(NatalInputBoxes()), "3:7P|5|84.23W|33.45N");
    ClickCity(w, "Sydney,Australia");  // 33S52
    EXPECT_EQ(TimeAndPlace(NatalInputBoxes()), "3:7P|-10|151.13E|33.52S");
    // The zone's sign does not choose East or West: -5 stays with West.
    ClickCity(w, "Faraway,West");
    EXPECT_EQ(TimeAndPlace(NatalInputBoxes()), "3:7P|-5|160.0W|10.0N");
    EXPECT_EQ(Natal().txtName.Text(), "Now");

    // "Use natal data" unticked: the second set goes back to now at the default place.
    Second().chkNatOrNow.SetValue(0);
    ClickCity(w, "Oslo,Norway");
    EXPECT_EQ(TimeAndPlace(DiurnalInputBoxes()), "3:7P|5|71.4W|42.21N");
}

TEST_F(CitiesWindowTest, SecondPersonTakesThePlaceAndSamePlacesKeepTheirOwnData) {
    Geograph& w = FormOf<Geograph>();
    Second().chk2ndPerson.SetValue(1);
    const std::string natalBefore = NatalState();
    const std::string secondDate = SecondState().substr(0, SecondState().find('|', 1));
    ClickCity(w, "Sydney,Australia");
    EXPECT_EQ(TimeAndPlace(DiurnalInputBoxes()), "3:7P|-10|151.13E|33.52S");
    EXPECT_EQ(NatalState(), natalBefore);
    EXPECT_EQ(SecondState().substr(0, secondDate.size()), secondDate);
    ClickCity(w, "Twin,Town", 0);
    EXPECT_EQ(TimeAndPlace(DiurnalInputBoxes()), "3:7P|0|1.0W|1.0N");
    ClickCity(w, "Twin,Town", 1);
    EXPECT_EQ(TimeAndPlace(DiurnalInputBoxes()), "3:7P|-1|2.0E|2.0S");
}

TEST_F(CitiesWindowTest, ChangeListCancelAndChoice) {
    const std::string other = WriteAppFile("EUROPE.LL", "Paris,France,002E20,48N51,-1\r\n\r\nPast,Gap,1W00,1N00,0\r\n");
    WriteAppFile("NAMES.FIL", "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n");
    ASSERT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 1);
    Geograph& w = FormOf<Geograph>();
    AnswerChooser(std::nullopt, false);
    w.cmdNewFileList.PerformClick();
    EXPECT_EQ(w.CitiesOnFile.ListCount(), 7);
    EXPECT_EQ(ps.settings.CurrentCitiesFile, ps.settings.AppPath + "/ga_ma.ll");
    EXPECT_EQ(seenPattern, "*.LL");
    EXPECT_EQ(seenPreselected, "ga_ma.ll");

    AnswerChooser("EUROPE.LL");
    w.cmdNewFileList.PerformClick();
    ASSERT_EQ(w.CitiesOnFile.ListCount(), 2);  // the empty line is passed over
    EXPECT_EQ(w.CitiesOnFile.List(0), "Paris,France");
    EXPECT_EQ(w.CitiesOnFile.List(1), "Past,Gap");
    EXPECT_EQ(w.lblCitiesOnFile.Caption(), "EUROPE.LL");
    EXPECT_EQ(ps.settings.CurrentCitiesFile, other);
    // Choosing a cities file leaves the names list as it was.
    EXPECT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 1);
}

TEST_F(CitiesWindowTest, FaultyFileKeepsPlacesBeforeTheFault) {
    WriteAppFile("ga_ma.ll", "Atlanta,GA,84W23,33N45,5\r\nOslo,Norway,010E45\r\n");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    Geograph& w = FormOf<Geograph>();
    EXPECT_EQ(w.CitiesOnFile.ListCount(), 1);
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Error!");
    EXPECT_NE(dialogs.Prompts()[0].text.find("in the Cities window and edit the incorrect data."), std::string::npos);
}

TEST_F(CitiesWindowTest, PlaceWithAnUnusableZoneIsReported) {
    WriteAppFile("ga_ma.ll", "Bad,Zone,084W23,33N45,1e99\r\n");
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    Geograph& w = FormOf<Geograph>();
    const std::string before = NatalState();
    ClickCity(w, "Bad,Zone");
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "Error!");
    EXPECT_NE(dialogs.Prompts()[0].text.find("associated with your chosen city."), std::string::npos);
    EXPECT_EQ(NatalState(), before);
}

TEST_F(CitiesWindowTest, NamesAndCitiesWindowsLeadToEachOther) {
    WriteAppFile("NAMES.FIL", "Kim Sample,03 Nov 1982,11.05,P,-1,-002.20,48.52,\r\n");
    FormOf<Names>().Command1.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FormLoaded<Names>());
    ASSERT_TRUE(FormLoaded<Geograph>());
    FormOf<Geograph>().Command1.PerformClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(FormLoaded<Geograph>());
    EXPECT_TRUE(FormLoaded<Names>());
    EXPECT_EQ(FormOf<Names>().NamesOnFile.ListCount(), 1);
}
