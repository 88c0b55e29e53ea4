// The two input windows driven through their controls: key filters, the
// hour rule, the zone sign rule, "NOW", the second set's fills and the
// "2nd Person" box.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "dialog_responder.h"
#include "input_window_fixture.h"
#include "people/ui/second_person_menu.h"
#include "platform/ui/menu_item.h"

namespace {

void Paste(TextBox& box, const char* text) {
    QApplication::clipboard()->setText(text);
    box.SelectAll();
    box.LineEdit()->paste();
}

}  // namespace

TEST_F(InputWindowTest, HourRuleWhileTypingAndPasting) {
    InputD& w = Natal();
    w.optAM.SetValue(true);
    Type(w.txtBirthHour, "15");
    EXPECT_EQ(w.txtBirthHour.Text(), "3");
    EXPECT_TRUE(w.optPM.Value());

    w.optAM.SetValue(true);
    Type(w.txtBirthHour, "0");
    EXPECT_EQ(w.txtBirthHour.Text(), "12");
    EXPECT_TRUE(w.optAM.Value());  // the half of the day stays
    Type(w.txtBirthHour, "12");
    EXPECT_EQ(w.txtBirthHour.Text(), "12");
    EXPECT_TRUE(w.optAM.Value());

    Paste(w.txtBirthHour, "27");
    EXPECT_EQ(w.txtBirthHour.Text(), "3");
    EXPECT_TRUE(w.optPM.Value());
    // A long paste comes down at once, without a handler run per step.
    w.optAM.SetValue(true);
    Paste(w.txtBirthHour, "9999999999");
    EXPECT_EQ(w.txtBirthHour.Text(), "3");
    EXPECT_TRUE(w.optPM.Value());
    Paste(w.txtBirthHour, "24");
    EXPECT_EQ(w.txtBirthHour.Text(), "12");

    DialogResponder responder;
    responder.Answer(MsgResult::OK).Answer(MsgResult::OK);
    w.txtBirthHour.SetText("1");
    w.txtBirthHour.LineEdit()->end(false);
    QTest::keyClick(w.txtBirthHour.LineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(w.txtBirthHour.Text(), "");
    Paste(w.txtBirthHour, "1x");
    ASSERT_EQ(responder.Prompts().size(), 2u);
    EXPECT_EQ(responder.Prompts()[0].text, "Please fill in a value for birth hour.");
    EXPECT_EQ(responder.Prompts()[0].title, "Warning!");
    EXPECT_EQ(responder.Prompts()[1].text, "You are typing too fast. Please slow down.");
    EXPECT_EQ(w.txtBirthHour.SelLength(), 2);
}

TEST_F(InputWindowTest, KeyFiltersByKindOfBox) {
    InputD& w = Natal();
    Type(w.txtMonth, "1a2");
    EXPECT_EQ(w.txtMonth.Text(), "12");
    Type(w.txtBirthMinute, "5.5");
    EXPECT_EQ(w.txtBirthMinute.Text(), "5.5");
    Type(w.txtLongMin, "5.5-");
    EXPECT_EQ(w.txtLongMin.Text(), "55");
    Type(w.txtTZ, "-5.5");
    EXPECT_EQ(w.txtTZ.Text(), "-5.5");
    Type(w.txtName, "Ann-Marie 2.");
    EXPECT_EQ(w.txtName.Text(), "Ann-Marie 2.");
    InputD1& d = Second();
    Type(d.txtDiurnalYear, "-19.5x");
    EXPECT_EQ(d.txtDiurnalYear.Text(), "195");
    Type(d.txtDiurnalTZ, "-3");
    EXPECT_EQ(d.txtDiurnalTZ.Text(), "-3");
}

TEST_F(InputWindowTest, ClickingIntoABoxSelectsItsTextSoTypingReplacesIt) {
    InputD& w = Natal();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.txtName.SetFocus();
    w.txtMonth.SetText("12");
    QTest::mouseClick(w.txtMonth.LineEdit(), Qt::LeftButton, {}, QPoint(4, 4));
    QCoreApplication::processEvents();
    EXPECT_EQ(w.txtMonth.LineEdit()->selectedText().toStdString(), "12");
    QTest::keyClicks(w.txtMonth.LineEdit(), "3");
    EXPECT_EQ(w.txtMonth.Text(), "3");
}

TEST_F(InputWindowTest, ZoneFollowsEastAndWest) {
    InputD& w = Natal();
    w.optWest.SetValue(true);
    w.txtTZ.SetText("5");
    w.optEast.SetValue(true);
    EXPECT_EQ(w.txtTZ.Text(), "-5");
    w.optWest.SetValue(true);
    EXPECT_EQ(w.txtTZ.Text(), "5");
    w.txtTZ.SetText("-5");
    w.optWest.SetValue(true);  // already set: nothing runs
    EXPECT_EQ(w.txtTZ.Text(), "-5");
    w.txtTZ.SetText("-");      // no number: left as it is
    w.optEast.SetValue(true);
    EXPECT_EQ(w.txtTZ.Text(), "-");
    InputD1& d = Second();
    d.txtDiurnalTZ.SetText("5.5");
    d.optDiurnalEast.SetValue(true);
    EXPECT_EQ(d.txtDiurnalTZ.Text(), "-5.5");
}

TEST_F(InputWindowTest, NowAtThreeMoments) {
    InputD& w = Natal();
    const struct {
        int hour, minute;
        const char *box, *minuteBox;
        bool pm;
    } cases[] = {{0, 45, "12", "45", false}, {12, 30, "12", "30", true}, {15, 7, "3", "7", true}};
    for (int timeFormat : {1, 0}) {
        ps.settings.TimeFormat = timeFormat;
        for (const auto& c : cases) {
            SetNow(c.hour, c.minute);
            w.txtName.SetText("Ann");
            w.txtTZ.SetText("-3");
            w.cmdNow.PerformClick();
            EXPECT_EQ(w.txtBirthHour.Text(), c.box) << c.hour;
            EXPECT_EQ(w.txtBirthMinute.Text(), c.minuteBox);
            EXPECT_EQ(w.optPM.Value(), c.pm) << c.hour << " clock " << timeFormat;
            EXPECT_EQ(w.txtName.Text(), "Now");
            EXPECT_EQ(w.txtMonth.Text() + "/" + w.txtDay.Text() + "/" + w.txtYear.Text(), "3/9/2024");
            EXPECT_EQ(w.txtTZ.Text(), "5");
            EXPECT_EQ(w.txtLongDeg.Text() + " " + w.txtLongMin.Text(), "71 4");
            EXPECT_EQ(w.txtLatDeg.Text() + " " + w.txtLatMin.Text(), "42 21");
            EXPECT_TRUE(w.optWest.Value());
            EXPECT_TRUE(w.optNorth.Value());
        }
    }
    EXPECT_EQ(ps.people.NatalNameText, "Now");
}

TEST_F(InputWindowTest, SecondWindowOpensOnNowAndFollowsUseNatalData) {
    ps.settings.OptionValues[21] = 1;
    ps.settings.OptionValues[18] = -1;
    InputD1& d = Second();
    EXPECT_EQ(d.txtDiurnalTZ.Text(), "-1");
    EXPECT_TRUE(d.optDiurnalEast.Value());
    EXPECT_EQ(d.txtDiurnalHour.Text(), "3");
    EXPECT_TRUE(d.optDiurnalPM.Value());
    EXPECT_EQ(d.chkNatOrNow.Value(), 1);
    EXPECT_TRUE(d.Option2.Value());
    EXPECT_EQ(d.chkCheck2.Value(), 1);

    // Ticking "Use natal data" copies the natal time and place, not the date.
    InputD& w = Natal();
    w.txtMonth.SetText("6"), w.txtDay.SetText("15"), w.txtYear.SetText("1950");
    w.txtBirthHour.SetText("9"), w.txtBirthMinute.SetText("5"), w.optAM.SetValue(true);
    w.optWest.SetValue(true);
    w.txtTZ.SetText("8"), w.txtLongDeg.SetText("122"), w.txtLongMin.SetText("25");
    w.optSouth.SetValue(true), w.txtLatDeg.SetText("37"), w.txtLatMin.SetText("47");
    d.txtDiurnalEmail.SetText("b@example.org");
    d.chkNatOrNow.SetValue(0);
    d.chkNatOrNow.SetValue(1);
    EXPECT_EQ(d.txtDiurnalHour.Text() + ":" + d.txtDiurnalMinute.Text(), "9:5");
    EXPECT_TRUE(d.optDiurnalAM.Value());
    EXPECT_EQ(d.txtDiurnalTZ.Text(), "8");
    EXPECT_TRUE(d.optDiurnalWest.Value());
    EXPECT_TRUE(d.optDiurnalSouth.Value());
    EXPECT_EQ(d.txtDiurnalLongDeg.Text() + " " + d.txtDiurnalLatMin.Text(), "122 47");
    EXPECT_EQ(d.txtDiurnalMonth.Text() + "/" + d.txtDiurnalDay.Text(), "3/9");
    EXPECT_EQ(d.txtDiurnalEmail.Text(), "b@example.org");
    // Unticking sets it back to now at the default place.
    d.chkNatOrNow.SetValue(0);
    EXPECT_EQ(d.txtDiurnalTZ.Text(), "-1");
    EXPECT_TRUE(d.optDiurnalNorth.Value());
    EXPECT_EQ(d.txtDiurnalLongDeg.Text(), "71");
}

TEST_F(InputWindowTest, SecondPersonSwapsMenuCaptions) {
    QMenuBar bar;
    MenuItem mnuData(&bar, "&Data");
    MenuItem mnuDataTransits(mnuData, "&Transits", "", MenuKind::Menu);
    MenuItem mnuDataTransitData(mnuDataTransits, "&Data");
    MenuItem mnuDataTransitsAspectstoNatal(mnuDataTransits, "&Aspects to Natal");
    MenuItem mnuDataTransitAspectsToTransits(mnuDataTransits, "Aspects to &Transits");
    MenuItem mnuDataComposite(mnuData, "&Composite");
    MenuItem mnuDataCompositeDC(mnuData, "&Composite - Dual Cosmodynes");
    MenuItem mnuWheels(&bar, "&Wheels");
    MenuItem mnuWheelsSingleTransits(mnuWheels, "&Transits");
    MenuItem mnuWheelsSingleComposite(mnuWheels, "&Composite");
    MenuItem mnuWheelsDualNatTran(mnuWheels, "&Transits vs Natal");
    MenuItem mnuWheelsDualNatTranMagi(mnuWheels, "Transits vs Natal (Magi)");
    MenuItem mnuWheelsDualNatTran_Venus(mnuWheels, "Transits vs Natal (&Venus Zodiac)");
    for (MenuItem* m : {&mnuDataComposite, &mnuDataCompositeDC, &mnuWheelsSingleComposite}) m->SetEnabled(false);
    SecondPersonMenu menu{&mnuDataTransits,         &mnuDataTransitData,       &mnuDataTransitsAspectstoNatal,
                          &mnuDataTransitAspectsToTransits, &mnuWheelsSingleTransits, &mnuWheelsDualNatTran,
                          &mnuWheelsDualNatTranMagi, &mnuWheelsDualNatTran_Venus, &mnuWheelsSingleComposite,
                          &mnuDataComposite,        &mnuDataCompositeDC};
    InputHooks().SecondPersonMenuItems = [&] { return menu; };

    InputD1& d = Second();
    ps.chart.CompositeLatText = "40.30";
    ps.wheels.WheelSwitched = 1;
    d.chk2ndPerson.SetValue(1);
    EXPECT_EQ(mnuDataTransits.Caption(), "2nd &Person");
    EXPECT_EQ(mnuDataTransitData.Caption(), "&Natal Data");
    EXPECT_EQ(mnuDataTransitsAspectstoNatal.Caption(), "&Interchart Aspects");
    EXPECT_EQ(mnuDataTransitAspectsToTransits.Caption(), "Natal &Aspects");
    EXPECT_EQ(mnuWheelsSingleTransits.Caption(), "2nd &Person");
    EXPECT_EQ(mnuWheelsDualNatTran.Caption(), "2nd &Person Natal vs Natal");
    EXPECT_EQ(mnuWheelsDualNatTranMagi.Caption(), "2nd &Person Natal vs Natal (Magi)");
    EXPECT_EQ(mnuWheelsDualNatTran_Venus.Caption(), "2nd &Person Natal (VZ) vs Natal");
    EXPECT_TRUE(mnuDataComposite.Enabled() && mnuDataCompositeDC.Enabled() && mnuWheelsSingleComposite.Enabled());
    EXPECT_EQ(ps.chart.CompositeLatText, "");
    EXPECT_EQ(ps.wheels.WheelSwitched, 1);
    EXPECT_EQ(ps.people.SecondPersonChecked, 1);

    d.SetSecondPersonCaption("Mary Ann Jones");
    EXPECT_EQ(ps.people.SecondPersonCaption, "Mary Ann Jones");
    d.chk2ndPerson.SetValue(0);
    EXPECT_EQ(d.chk2ndPerson.Caption(), "2nd Person");
    EXPECT_EQ(ps.people.SecondPersonCaption, "2nd Person");
    EXPECT_EQ(mnuDataTransits.Caption(), "&Transits");
    EXPECT_EQ(mnuDataTransitData.Caption(), "&Data");
    EXPECT_EQ(mnuDataTransitsAspectstoNatal.Caption(), "&Aspects to Natal");
    EXPECT_EQ(mnuDataTransitAspectsToTransits.Caption(), "Aspects to &Transits");
    EXPECT_EQ(mnuWheelsDualNatTran_Venus.Caption(), "&Transits (VZ) vs Natal");
    EXPECT_FALSE(mnuDataComposite.Enabled() || mnuDataCompositeDC.Enabled() || mnuWheelsSingleComposite.Enabled());
    EXPECT_EQ(ps.wheels.WheelSwitched, 0);
    EXPECT_EQ(ps.people.SecondPersonChecked, 0);
}

TEST_F(InputWindowTest, RelationshipChartThroughTheWindows) {
    InputD& w = Natal();
    InputD1& d = Second();
    w.txtName.SetText("John Smith");
    w.txtMonth.SetText("1"), w.txtDay.SetText("1"), w.txtYear.SetText("2000");
    w.optAM.SetValue(true), w.txtBirthHour.SetText("10"), w.txtBirthMinute.SetText("0");
    w.optWest.SetValue(true), w.txtTZ.SetText("5");
    w.txtLongDeg.SetText("10"), w.txtLongMin.SetText("0");
    w.optNorth.SetValue(true), w.txtLatDeg.SetText("40"), w.txtLatMin.SetText("30");
    w.txtEmail.SetText("john@example.org");
    d.chkNatOrNow.SetValue(0);
    d.txtDiurnalMonth.SetText("1"), d.txtDiurnalDay.SetText("2"), d.txtDiurnalYear.SetText("2000");
    d.optDiurnalAM.SetValue(true), d.txtDiurnalHour.SetText("10"), d.txtDiurnalMinute.SetText("0");
    d.optDiurnalEast.SetValue(true), d.txtDiurnalTZ.SetText("-1");
    d.txtDiurnalLongDeg.SetText("20"), d.txtDiurnalLongMin.SetText("0");
    d.optDiurnalSouth.SetValue(true), d.txtDiurnalLatDeg.SetText("30"), d.txtDiurnalLatMin.SetText("30");
    ps.people.RunPersonName = "Mary Ann Jones";

    // Without a second person the box changes nothing.
    d.chkRelationship.SetValue(1);
    EXPECT_EQ(w.txtName.Text(), "John Smith");
    d.chkRelationship.SetValue(0);
    d.chk2ndPerson.SetValue(1);
    d.chkRelationship.SetValue(1);
    EXPECT_EQ(w.txtName.Text(), "John & Mary relationship");
    EXPECT_EQ(w.txtMonth.Text() + "/" + w.txtDay.Text() + "/" + w.txtYear.Text(), "1/1/2000");
    EXPECT_EQ(w.txtBirthHour.Text() + ":" + w.txtBirthMinute.Text(), "10:0");
    EXPECT_TRUE(w.optPM.Value());
    EXPECT_EQ(w.txtTZ.Text(), "2");
    EXPECT_TRUE(w.optEast.Value());
    EXPECT_EQ(w.txtLongDeg.Text() + " " + w.txtLongMin.Text(), "5 0");
    EXPECT_TRUE(w.optNorth.Value());
    EXPECT_EQ(w.txtLatDeg.Text() + " " + w.txtLatMin.Text(), "5 0");
    EXPECT_EQ(w.txtEmail.Text(), "john@example.org");
    // The second window is back to transits for now.
    EXPECT_EQ(d.chk2ndPerson.Value(), 0);
    EXPECT_EQ(d.chkNatOrNow.Value(), 0);
    EXPECT_EQ(d.chkRelationship.Value(), 1);
    EXPECT_EQ(d.txtDiurnalYear.Text(), "2024");
    EXPECT_EQ(d.txtDiurnalTZ.Text(), "5");

    // An empty box in either window: nothing is written.
    d.chkRelationship.SetValue(0);
    d.chk2ndPerson.SetValue(1);
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    d.txtDiurnalHour.SetText("");
    d.chkRelationship.SetValue(1);
    EXPECT_EQ(w.txtName.Text(), "John & Mary relationship");
    EXPECT_EQ(d.chk2ndPerson.Value(), 1);
}
