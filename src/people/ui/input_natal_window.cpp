#include "people/ui/input_natal_window.h"

#include <QWidget>

#include "app/ui/control_frames.h"
#include "app/ui/ui_state.h"
#include "people/name_save.h"
#include "people/second_set_values.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_box_rules.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/input_window_layout.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/ui/control_mirror.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

using namespace input_layout;

InputD::InputD() {
    SetCaption("Natal Input Data");
    // Before loading: AM, W and N set, every box empty.
    optAM.SetValue(true);
    optWest.SetValue(true);
    optNorth.SetValue(true);
    Arrange();
    Wire();
}

void InputD::Arrange() {
    PlaceRow(1, lblName, txtName);
    txtName.Move(kBoxLeft, RowTop(1), kWideBoxWidth, kRowHeight);
    PlaceRow(2, lblMonth, txtMonth);
    PlaceRow(3, lblDay, txtDay);
    PlaceLink(3, Label2);
    PlaceRow(4, lblYear, txtYear);
    PlaceRow(5, lblBirthHour, txtBirthHour);
    PlacePair(5, fraAmPm, optAM, optPM);
    PlaceRow(6, lblBirthMinute, txtBirthMinute);
    PlaceRow(7, lblBirthTZ, txtTZ);
    PlaceLink(7, Label1);
    PlaceRow(8, lblLongDeg, txtLongDeg);
    PlacePair(8, fraEastWest, optEast, optWest);
    PlaceRow(9, lblLongMin, txtLongMin);
    PlaceRow(10, lblLatDeg, txtLatDeg);
    PlacePair(10, fraNorthSouth, optNorth, optSouth);
    PlaceRow(11, lblLatMin, txtLatMin);
    cmdSave.Move(kLabelLeft, RowTop(12) + 60, kLabelWidth, 380);
    cmdOK.Move(kBoxLeft, RowTop(12) + 60, kWideBoxWidth, 380);
    cmdNow.Move(kLabelLeft, RowTop(13) + 70, kLabelWidth, 300);
    PlaceRow(14, lblEmail, txtEmail);
    txtEmail.Move(kBoxLeft, RowTop(14), kWideBoxWidth, kRowHeight);
    Move(0, kWindowTop, kWindowWidth + 240, RowTop(15) + 600);
    // The face colour, on which the white dividers and frames show.
    UseWindowFace(*this);

    QWidget* order[] = {txtName.Widget(),    txtMonth.Widget(),   txtDay.Widget(),   txtYear.Widget(),
                        txtBirthHour.Widget(), txtBirthMinute.Widget(), txtTZ.Widget(), txtLongDeg.Widget(),
                        txtLongMin.Widget(), txtLatDeg.Widget(),  txtLatMin.Widget(), txtEmail.Widget(),
                        optAM.Widget(),      optPM.Widget(),      optEast.Widget(),  optWest.Widget(),
                        optNorth.Widget(),   optSouth.Widget(),   cmdOK.Widget(),    cmdSave.Widget(),
                        cmdNow.Widget()};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void InputD::Wire() {
    OnLoad = [this] { Form_Load(); };
    OnPaint = [this] { Form_Paint(); };
    OnMouseUp = [this](int button, int shift, double x, double y) { Form_MouseUp(button, shift, x, y); };
    cmdNow.Click = [this] { cmdNow_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    Label1.Click = [this] { Label1_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    optEast.Click = [this] { optEast_Click(); };
    optWest.Click = [this] { optWest_Click(); };
    txtBirthHour.Change = [this] { txtBirthHour_Change(); };
    // The reports name person A by this box; the interchart batch lines
    // carry the e-mail texts. The state takes what the boxes show as the
    // window is made and every change.
    MirrorText(txtName, [](const std::string& t) { UiState().people.NatalNameText = t; });
    MirrorText(txtEmail, [](const std::string& t) { UiState().people.NatalEmailText = t; });

    for (TextBox* box : {&txtName, &txtMonth, &txtDay, &txtYear, &txtBirthHour, &txtBirthMinute, &txtTZ,
                         &txtLongDeg, &txtLongMin, &txtLatDeg, &txtLatMin, &txtEmail})
        SelectOnEntry(*box);
    for (TextBox* box : {&txtMonth, &txtDay, &txtYear, &txtBirthHour, &txtLongDeg, &txtLongMin, &txtLatDeg,
                         &txtLatMin})
        box->KeyPress = DigitsOnly;
    txtBirthMinute.KeyPress = MinuteKeys;
    txtTZ.KeyPress = ZoneKeys;
    SetDefaultButton(&cmdOK);
}

DataSetFields InputD::Fields() const {
    DataSetFields f;
    f.Month = txtMonth.Text();
    f.Day = txtDay.Text();
    f.Year = txtYear.Text();
    f.Hour = txtBirthHour.Text();
    f.Minute = txtBirthMinute.Text();
    f.Zone = txtTZ.Text();
    f.LongDeg = txtLongDeg.Text();
    f.LongMin = txtLongMin.Text();
    f.LatDeg = txtLatDeg.Text();
    f.LatMin = txtLatMin.Text();
    f.AM = optAM.Value();
    f.East = optEast.Value();
    f.West = optWest.Value();
    f.South = optSouth.Value();
    f.Email = txtEmail.Text();
    return f;
}

void InputD::SetToPresentMoment() {
    const MomentFill now = MomentAtDefaultPlace(UiState().settings, Now());
    txtName.SetText("Now");
    // A.M./P.M. first, so the hour rule works on the present hour.
    optAM.SetValue(true);
    if (now.PM) optPM.SetValue(true);
    txtMonth.SetText(now.Month);
    txtDay.SetText(now.Day);
    txtYear.SetText(now.Year);
    txtBirthHour.SetText(now.Hour);
    txtBirthMinute.SetText(now.Minute);
    txtTZ.SetText(now.Zone);
    txtLongDeg.SetText(now.LongDeg);
    txtLongMin.SetText(now.LongMin);
    txtLatDeg.SetText(now.LatDeg);
    txtLatMin.SetText(now.LatMin);
    if (now.East) optEast.SetValue(true);
    else optWest.SetValue(true);
    if (now.South) optSouth.SetValue(true);
    else optNorth.SetValue(true);
}

void InputD::Form_Load() {
    SetToPresentMoment();
    CallHook(InputHooks().ShowNames);
    FormOf<InputD1>().Show();
    CallHook(InputHooks().ShowParams);
}

void InputD::cmdNow_Click() { SetToPresentMoment(); }

void InputD::cmdOK_Click() { RecomputeCharts(UiState()); }

void InputD::cmdSave_Click() {
    ProgramState& ps = UiState();
    using F = NameSaveFields;
    const std::pair<const TextBox*, std::string F::*> boxes[] = {
        {&txtName, &F::Name},       {&txtDay, &F::Day},         {&txtMonth, &F::Month},
        {&txtYear, &F::Year},       {&txtBirthHour, &F::Hour},  {&txtBirthMinute, &F::Minute},
        {&txtTZ, &F::Zone},         {&txtLongDeg, &F::LongDeg}, {&txtLongMin, &F::LongMin},
        {&txtLatDeg, &F::LatDeg},   {&txtLatMin, &F::LatMin},   {&txtEmail, &F::Email}};
    NameSaveFields f;
    for (const auto& [box, field] : boxes) {
        f.*field = box->Text();
        if (box->LineNotInCodePage() != 0) f.NotInCodePage.push_back(field);
    }
    f.AM = optAM.Value();
    f.West = !optEast.Value();
    f.North = !optSouth.Value();
    auto choose = [&ps]() -> std::string {
        if (InputHooks().ChooseNamesFile) return InputHooks().ChooseNamesFile();
        FileChooserRequest request;
        request.title = "Select a File";
        request.folder = ps.settings.AppPath;
        request.patterns = {"*.FIL"};
        return ChooseFile(request).value_or("");
    };
    if (SaveToDisk(ps, f, choose) != SaveOutcome::Cancelled) CallHook(InputHooks().ReopenNames);
}

void InputD::Label1_Click() {
    UiState().people.TzPickerTarget = false;
    if (!InputHooks().LoadTimeZonePicker) return;
    Form* picker = InputHooks().LoadTimeZonePicker();
    if (!picker) return;
    // Its right edge on the right edge of the second data set window.
    InputD1& second = FormOf<InputD1>();
    picker->SetLeft(second.Left() + second.Width() - picker->Width());
    picker->Show();
}

void InputD::Label2_Click() {
    AtlasLabelClick(UiState(), txtTZ, txtLongDeg, txtLongMin, optEast, optWest, txtLatDeg, txtLatMin, optNorth,
                    optSouth);
}

void InputD::optEast_Click() { ResignZone(txtTZ, true); }
void InputD::optWest_Click() { ResignZone(txtTZ, false); }

void InputD::txtBirthHour_Change() {
    HourBoxChanged(txtBirthHour, optPM, "Please fill in a value for birth hour.");
}

void InputD::Form_Paint() {
    DrawLabelFrames(*this, {&lblName, &lblMonth, &lblDay, &lblYear, &lblBirthHour, &lblBirthMinute, &lblBirthTZ,
                            &lblLongDeg, &lblLongMin, &lblLatDeg, &lblLatMin, &Label1, &Label2, &lblEmail});
    const std::vector<double> tops = DividerTops();
    DrawDividers(*this, {tops[0], tops[1], tops[2], tops[3]});
}

std::vector<double> InputD::DividerTops() const {
    return {DividerTop(2), DividerTop(7), DividerTop(8), DividerTop(12)};
}

void InputD::Form_MouseUp(int button, int, double, double) {
    if (button == 2) CallHook(InputHooks().FocusMainWindow);
}

void InputD::FixDecimalComma(std::string& formattedNumberText) {
    const size_t comma = formattedNumberText.find(',');
    if (comma != std::string::npos) formattedNumberText[comma] = '.';
}
