#pragma once
// The second data set window: chart B, a moment (transits) or, with
// "2nd Person" ticked, a second person, and the boxes that steer the
// computation. A left click on it runs the computation as OK does.
#include <string>
#include <vector>

#include "people/input_fields.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class InputD1 : public Form {
public:
    InputD1();

    Label lblDiurnalMonth{Container(), "Diurnal Month"};
    TextBox txtDiurnalMonth{Container()};
    Label lblDiurnalDay{Container(), "Diurnal Day"};
    TextBox txtDiurnalDay{Container()};
    Label Label2{Container(), "ACS Atlas"};
    Label lblDiurnalYear{Container(), "Diurnal Year"};
    TextBox txtDiurnalYear{Container()};
    Label lblDiurnalHour{Container(), "Diurnal Hour"};
    TextBox txtDiurnalHour{Container()};
    Frame fraAmPm{Container(), "Am/Pm"};
    OptionButton optDiurnalAM{fraAmPm.Container(), "AM"};
    OptionButton optDiurnalPM{fraAmPm.Container(), "PM"};
    Label lblDiurnalMinute{Container(), "Diurnal Min."};
    TextBox txtDiurnalMinute{Container()};
    Label lblDiurnalTZ{Container(), "D. Time Zone"};
    TextBox txtDiurnalTZ{Container()};
    Label Label1{Container(), "TZ Help"};
    Label lblDiurnalLongDeg{Container(), "D. Long Deg."};
    TextBox txtDiurnalLongDeg{Container()};
    Frame fraEastWest{Container(), "Ea/We"};
    OptionButton optDiurnalEast{fraEastWest.Container(), "E"};
    OptionButton optDiurnalWest{fraEastWest.Container(), "W"};
    Label lblDiurnalLongMin{Container(), "D. Long Min."};
    TextBox txtDiurnalLongMin{Container()};
    Label lblDiurnalLatDeg{Container(), "D. Lat Deg."};
    TextBox txtDiurnalLatDeg{Container()};
    Frame fraNorthSouth{Container(), "No/So"};
    OptionButton optDiurnalNorth{fraNorthSouth.Container(), "N"};
    OptionButton optDiurnalSouth{fraNorthSouth.Container(), "S"};
    Label lblDiurnalLatMin{Container(), "D. Lat Min."};
    TextBox txtDiurnalLatMin{Container()};
    CheckBox chkNatOrNow{Container(), "Use natal data"};
    Frame fraAngles{Container(), "Incl. Angles?"};
    OptionButton Option1{fraAngles.Container(), "None"};
    OptionButton Option2{fraAngles.Container(), "Asc only"};
    OptionButton Option3{fraAngles.Container(), "Asc + MC"};
    CheckBox chk2ndPerson{Container(), "2nd Person"};
    CheckBox chkRelationship{Container(), "Relationship chart"};
    CheckBox ChkOuterP{Container(), "Outer planets"};
    CheckBox chkCheck2{Container(), "Benefics/Malefics?"};
    CheckBox chkChiron{Container(), "Use Chiron?"};
    Label lblDiurnalEmail{Container(), "E-mail"};
    TextBox txtDiurnalEmail{Container()};

    void Form_Load();
    void Form_Paint();
    // The heights (twips) of the white dividing lines.
    std::vector<double> DividerTops() const;
    void Form_MouseUp(int button, int shift, double x, double y);
    void Label1_Click();
    void Label2_Click();
    void optDiurnalEast_Click();
    void optDiurnalWest_Click();
    void txtDiurnalHour_Change();
    void chk2ndPerson_Click();
    void chkNatOrNow_Click();
    void chkRelationship_Click();

    // Writes person B's name as the caption of "2nd Person".
    void SetSecondPersonCaption(const std::string& name);

    DataSetFields Fields() const;

private:
    void Arrange();
    void Wire();
};
