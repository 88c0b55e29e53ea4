#pragma once
// The natal input window: person A or chart A. Its boxes are filled by
// typing, by "NOW", from the lists, the time-zone picker and the atlas; OK
// runs the chart computation of both data sets.
#include <string>
#include <vector>

#include "people/input_fields.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"

class InputD : public Form {
public:
    InputD();

    Label lblName{Container(), "Name"};
    TextBox txtName{Container()};
    Label lblMonth{Container(), "Birth Month"};
    TextBox txtMonth{Container()};
    Label lblDay{Container(), "Birth Day"};
    TextBox txtDay{Container()};
    Label Label2{Container(), "ACS Atlas"};
    Label lblYear{Container(), "Birth Year"};
    TextBox txtYear{Container()};
    Label lblBirthHour{Container(), "Birth Hour"};
    TextBox txtBirthHour{Container()};
    Frame fraAmPm{Container(), "Am/Pm"};
    OptionButton optAM{fraAmPm.Container(), "AM"};
    OptionButton optPM{fraAmPm.Container(), "PM"};
    Label lblBirthMinute{Container(), "Birth Minute"};
    TextBox txtBirthMinute{Container()};
    Label lblBirthTZ{Container(), "Time Zone"};
    TextBox txtTZ{Container()};
    Label Label1{Container(), "TZ Help"};
    Label lblLongDeg{Container(), "Long Degrees"};
    TextBox txtLongDeg{Container()};
    Frame fraEastWest{Container(), "Ea/We"};
    OptionButton optEast{fraEastWest.Container(), "E"};
    OptionButton optWest{fraEastWest.Container(), "W"};
    Label lblLongMin{Container(), "Long Minutes"};
    TextBox txtLongMin{Container()};
    Label lblLatDeg{Container(), "Lat Degrees"};
    TextBox txtLatDeg{Container()};
    Frame fraNorthSouth{Container(), "No/So"};
    OptionButton optNorth{fraNorthSouth.Container(), "N"};
    OptionButton optSouth{fraNorthSouth.Container(), "S"};
    Label lblLatMin{Container(), "Lat Minutes"};
    TextBox txtLatMin{Container()};
    CommandButton cmdSave{Container(), "Save to disk"};
    CommandButton cmdOK{Container(), "OK"};
    CommandButton cmdNow{Container(), "NOW"};
    Label lblEmail{Container(), "E-mail"};
    TextBox txtEmail{Container()};

    void Form_Load();
    void Form_Paint();
    // The heights (twips) of the white dividing lines.
    std::vector<double> DividerTops() const;
    void Form_MouseUp(int button, int shift, double x, double y);
    void cmdNow_Click();
    void cmdOK_Click();
    void cmdSave_Click();
    void Label1_Click();
    void Label2_Click();
    void optEast_Click();
    void optWest_Click();
    void txtBirthHour_Change();

    // Replaces the first "," of a formatted number by ".".
    static void FixDecimalComma(std::string& formattedNumberText);

    // The data set as the checks and the reader take it.
    DataSetFields Fields() const;

private:
    void SetToPresentMoment();
    void Arrange();
    void Wire();
};
