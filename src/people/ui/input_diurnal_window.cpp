#include "people/ui/input_diurnal_window.h"

#include <QWidget>

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "people/ui/input_box_rules.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_data.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/input_window_layout.h"
#include "people/ui/second_person_menu.h"
#include "platform/ui/control_mirror.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

using namespace input_layout;

InputD1::InputD1() {
    SetCaption("Diurnal Input Data");
    // Before loading: AM, W, N, "Asc only", "Use natal data" and
    // "Benefics/Malefics?" ticked, every box empty.
    optDiurnalAM.SetValue(true);
    optDiurnalWest.SetValue(true);
    optDiurnalNorth.SetValue(true);
    Option2.SetValue(true);
    chkNatOrNow.SetValue(1);
    chkCheck2.SetValue(1);
    Arrange();
    Wire();
}

void InputD1::Arrange() {
    PlaceRow(1, lblDiurnalMonth, txtDiurnalMonth);
    PlaceRow(2, lblDiurnalDay, txtDiurnalDay);
    PlaceLink(2, Label2);
    PlaceRow(3, lblDiurnalYear, txtDiurnalYear);
    PlaceRow(4, lblDiurnalHour, txtDiurnalHour);
    PlacePair(4, fraAmPm, optDiurnalAM, optDiurnalPM);
    PlaceRow(5, lblDiurnalMinute, txtDiurnalMinute);
    PlaceRow(6, lblDiurnalTZ, txtDiurnalTZ);
    PlaceLink(6, Label1);
    PlaceRow(7, lblDiurnalLongDeg, txtDiurnalLongDeg);
    PlacePair(7, fraEastWest, optDiurnalEast, optDiurnalWest);
    PlaceRow(8, lblDiurnalLongMin, txtDiurnalLongMin);
    PlaceRow(9, lblDiurnalLatDeg, txtDiurnalLatDeg);
    PlacePair(9, fraNorthSouth, optDiurnalNorth, optDiurnalSouth);
    PlaceRow(10, lblDiurnalLatMin, txtDiurnalLatMin);
    const double checkWidth = kLabelWidth + kBoxWidth;
    CheckBox* checks[] = {&chkNatOrNow, &chk2ndPerson, &chkRelationship, &ChkOuterP, &chkCheck2};
    for (int i = 0; i < 5; ++i) {
        checks[i]->Move(kLabelLeft, RowTop(11 + i), checkWidth, kRowHeight);
        StyleBold(*checks[i]);
    }
    chkChiron.Move(kThirdLeft, RowTop(15), kThirdWidth, kRowHeight);
    StyleBold(chkChiron);
    fraAngles.Move(kThirdLeft, RowTop(11) + 20, kThirdWidth, 1250);
    Option1.Move(90, 260, 1150, 270);
    Option2.Move(90, 560, 1150, 270);
    Option3.Move(90, 860, 1150, 270);
    PlaceRow(16, lblDiurnalEmail, txtDiurnalEmail);
    txtDiurnalEmail.Move(kBoxLeft, RowTop(16), kWideBoxWidth, kRowHeight);
    Move(kSecondWindowLeft, kWindowTop, kWindowWidth + 240, RowTop(17) + 600);
    // The face colour, on which the white dividers and frames show.
    UseWindowFace(*this);

    QWidget* order[] = {txtDiurnalMonth.Widget(),   txtDiurnalDay.Widget(),     txtDiurnalYear.Widget(),
                        txtDiurnalHour.Widget(),    txtDiurnalMinute.Widget(),  txtDiurnalTZ.Widget(),
                        txtDiurnalLongDeg.Widget(), txtDiurnalLongMin.Widget(), txtDiurnalLatDeg.Widget(),
                        txtDiurnalLatMin.Widget(),  txtDiurnalEmail.Widget(),   optDiurnalAM.Widget(),
                        optDiurnalPM.Widget(),      optDiurnalEast.Widget(),    optDiurnalWest.Widget(),
                        optDiurnalNorth.Widget(),   optDiurnalSouth.Widget(),   chkNatOrNow.Widget(),
                        chk2ndPerson.Widget(),      chkRelationship.Widget(),   Option1.Widget(),
                        Option2.Widget(),           Option3.Widget(),           ChkOuterP.Widget(),
                        chkCheck2.Widget(),         chkChiron.Widget()};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void InputD1::Wire() {
    OnLoad = [this] { Form_Load(); };
    OnPaint = [this] { Form_Paint(); };
    OnMouseUp = [this](int button, int shift, double x, double y) { Form_MouseUp(button, shift, x, y); };
    Label1.Click = [this] { Label1_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    optDiurnalEast.Click = [this] { optDiurnalEast_Click(); };
    optDiurnalWest.Click = [this] { optDiurnalWest_Click(); };
    txtDiurnalHour.Change = [this] { txtDiurnalHour_Change(); };
    chk2ndPerson.Click = [this] { chk2ndPerson_Click(); };
    chkNatOrNow.Click = [this] { chkNatOrNow_Click(); };
    chkRelationship.Click = [this] { chkRelationship_Click(); };
    // The computing code reads these boxes through the program state, which
    // takes what they show as the window is made and every change.
    MirrorValue(chkChiron, [](int v) { UiState().chart.UseChiron = v == 1; });
    MirrorValue(chkCheck2, [](int v) { UiState().people.BeneficsMaleficsChecked = v; });
    MirrorValue(ChkOuterP, [](int v) { UiState().people.OuterPlanetsChecked = v; });
    MirrorText(txtDiurnalEmail, [](const std::string& t) { UiState().people.SecondEmailText = t; });

    for (TextBox* box : {&txtDiurnalMonth, &txtDiurnalDay, &txtDiurnalYear, &txtDiurnalHour, &txtDiurnalMinute,
                         &txtDiurnalTZ, &txtDiurnalLongDeg, &txtDiurnalLongMin, &txtDiurnalLatDeg,
                         &txtDiurnalLatMin, &txtDiurnalEmail})
        SelectOnEntry(*box);
    for (TextBox* box : {&txtDiurnalMonth, &txtDiurnalDay, &txtDiurnalYear, &txtDiurnalHour, &txtDiurnalLongDeg,
                         &txtDiurnalLongMin, &txtDiurnalLatDeg, &txtDiurnalLatMin})
        box->KeyPress = DigitsOnly;
    txtDiurnalMinute.KeyPress = MinuteKeys;
    txtDiurnalTZ.KeyPress = ZoneKeys;
}

DataSetFields InputD1::Fields() const {
    DataSetFields f;
    f.Month = txtDiurnalMonth.Text();
    f.Day = txtDiurnalDay.Text();
    f.Year = txtDiurnalYear.Text();
    f.Hour = txtDiurnalHour.Text();
    f.Minute = txtDiurnalMinute.Text();
    f.Zone = txtDiurnalTZ.Text();
    f.LongDeg = txtDiurnalLongDeg.Text();
    f.LongMin = txtDiurnalLongMin.Text();
    f.LatDeg = txtDiurnalLatDeg.Text();
    f.LatMin = txtDiurnalLatMin.Text();
    f.AM = optDiurnalAM.Value();
    f.East = optDiurnalEast.Value();
    f.West = optDiurnalWest.Value();
    f.South = optDiurnalSouth.Value();
    f.Email = txtDiurnalEmail.Text();
    return f;
}

void InputD1::Form_Load() {
    ProgramState& ps = UiState();
    ps.people.SecondPersonChecked = chk2ndPerson.Value();
    ps.people.SecondPersonCaption = chk2ndPerson.Caption();
    SetDiurnalToNow(ps);
    CallHook(InputHooks().ShowNames);
}

void InputD1::Form_MouseUp(int button, int, double, double) {
    if (button == 1) FormOf<InputD>().cmdOK.PerformClick();
    else if (button == 2) CallHook(InputHooks().FocusMainWindow);
}

void InputD1::Label1_Click() {
    UiState().people.TzPickerTarget = true;
    if (!InputHooks().LoadTimeZonePicker) return;
    Form* picker = InputHooks().LoadTimeZonePicker();
    if (!picker) return;
    picker->SetLeft(FormOf<InputD>().Left());
    picker->Show();
}

void InputD1::Label2_Click() {
    AtlasLabelClick(UiState(), txtDiurnalTZ, txtDiurnalLongDeg, txtDiurnalLongMin, optDiurnalEast, optDiurnalWest,
                    txtDiurnalLatDeg, txtDiurnalLatMin, optDiurnalNorth, optDiurnalSouth);
}

void InputD1::optDiurnalEast_Click() { ResignZone(txtDiurnalTZ, true); }
void InputD1::optDiurnalWest_Click() { ResignZone(txtDiurnalTZ, false); }

void InputD1::txtDiurnalHour_Change() {
    HourBoxChanged(txtDiurnalHour, optDiurnalPM, "Please fill in a value for diurnal hour.");
}

void InputD1::chkNatOrNow_Click() {
    if (chkNatOrNow.Value() == 1) CopyNatalToDiurnal(UiState());
    else SetDiurnalToNow(UiState());
}

void InputD1::chkRelationship_Click() {
    if (chk2ndPerson.Value() == 1) CalcRelationshipChartData(UiState());
}

void InputD1::chk2ndPerson_Click() {
    ProgramState& ps = UiState();
    ps.chart.CompositeLatText = "";
    const bool ticked = chk2ndPerson.Value() == 1;
    if (!ticked) {
        ps.wheels.WheelSwitched = 0;
        SetSecondPersonCaption("2nd Person");
    }
    ps.people.SecondPersonChecked = chk2ndPerson.Value();
    if (InputHooks().SecondPersonMenuItems) SetSecondPersonMenus(InputHooks().SecondPersonMenuItems(), ticked);
}

void InputD1::SetSecondPersonCaption(const std::string& name) {
    chk2ndPerson.SetCaption(name);
    UiState().people.SecondPersonCaption = name;
}

void InputD1::Form_Paint() {
    DrawLabelFrames(*this, {&lblDiurnalMonth, &lblDiurnalDay, &lblDiurnalYear, &lblDiurnalHour, &lblDiurnalMinute,
                            &lblDiurnalTZ, &lblDiurnalLongDeg, &lblDiurnalLongMin, &lblDiurnalLatDeg,
                            &lblDiurnalLatMin, &Label1, &Label2, &lblDiurnalEmail});
    const std::vector<double> tops = DividerTops();
    DrawDividers(*this, {tops[0], tops[1], tops[2]});
}

std::vector<double> InputD1::DividerTops() const { return {DividerTop(6), DividerTop(7), DividerTop(11)}; }
