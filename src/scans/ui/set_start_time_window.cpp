#include "scans/ui/set_start_time_window.h"

#include "app/ui/main_window.h"
#include "app/ui/ui_state.h"
#include "platform/dialogs.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/ui/around_clock_run.h"

namespace {

void AllowKeys(TextBox& box, bool point) {
    box.KeyPress = [point](int& key) {
        if (key == 8 || (key >= '0' && key <= '9') || (point && key == '.')) return;
        key = 0;
    };
    box.GotFocus = [&box] { box.SetSelection(0, static_cast<int>(box.Text().size())); };
}

}  // namespace

frmSetStartTime::frmSetStartTime() {
    SetCaption("Set Natal and Transit Start Times");
    Move(0, 0, 6000, 2400);
    const AroundClockBoxes start;
    struct Place {
        TextBox* box;
        Label* label;
        const std::string* text;
        int maxLength;
        bool point;
        double left, top;
    };
    const Place places[] = {
        {&txtStartHour, &lblStartHour, &start.StartHour, 2, false, 120, 240},
        {&txtStartMinute, &lblStartMinute, &start.StartMinute, 2, true, 120, 720},
        {&txtInterval, &lblInterval, &start.Interval, 8, true, 120, 1200},
        {&txtStartHour_Transit, &Label2, &start.StartHourTransit, 2, false, 3960, 240},
        {&txtStartMinute_Transit, &Label3, &start.StartMinuteTransit, 2, false, 3960, 720},
        {&txtInterval_Transit, &Label1, &start.IntervalTransit, 8, true, 3960, 1200},
    };
    for (const Place& p : places) {
        p.label->Move(p.left, p.top + 40, 1200, 255);
        p.label->SetFont("MS Sans Serif", 8.25, true);
        p.box->Move(p.left + 1200, p.top, 660, 315);
        p.box->SetFont("Arial", 8.25);
        p.box->SetMaxLength(p.maxLength);
        p.box->SetText(*p.text);
        AllowKeys(*p.box, p.point);
    }
    cmdDrawGraph.Move(2160, 240, 1560, 435);
    cmdHelp.Move(2160, 840, 1560, 435);
    for (CommandButton* b : {&cmdDrawGraph, &cmdHelp}) b->SetFont("MS Sans Serif", 8.25, true);
    SetDefaultButton(&cmdDrawGraph);
    // Tab order as stored: natal hour, minute, interval, then transit, then the buttons.
    QWidget::setTabOrder(txtStartHour.Widget(), txtStartMinute.Widget());
    QWidget::setTabOrder(txtStartMinute.Widget(), txtInterval.Widget());
    QWidget::setTabOrder(txtInterval.Widget(), txtStartHour_Transit.Widget());
    QWidget::setTabOrder(txtStartHour_Transit.Widget(), txtStartMinute_Transit.Widget());
    QWidget::setTabOrder(txtStartMinute_Transit.Widget(), txtInterval_Transit.Widget());
    QWidget::setTabOrder(txtInterval_Transit.Widget(), cmdDrawGraph.Widget());
    QWidget::setTabOrder(cmdDrawGraph.Widget(), cmdHelp.Widget());

    cmdDrawGraph.Click = [this] { cmdDrawGraph_Click(); };
    cmdHelp.Click = [this] { cmdHelp_Click(); };
    OnLoad = [this] { Form_Load(); };
    // The run reads these boxes as it goes: the window stays while it runs.
    OnQueryUnload = [](int& cancel) {
        if (UiState().scans.RunActive) cancel = 1;
    };
}

void frmSetStartTime::Form_Load() {
    // Just right of the main window, level with its top.
    if (FormLoaded<TANDRELL>()) {
        TANDRELL& main = FormOf<TANDRELL>();
        Move(main.Left() + main.Width(), main.Top());
    }
}

AroundClockBoxes frmSetStartTime::Boxes() const {
    AroundClockBoxes b;
    b.StartHour = txtStartHour.Text();
    b.StartMinute = txtStartMinute.Text();
    b.Interval = txtInterval.Text();
    b.StartHourTransit = txtStartHour_Transit.Text();
    b.StartMinuteTransit = txtStartMinute_Transit.Text();
    b.IntervalTransit = txtInterval_Transit.Text();
    return b;
}

void frmSetStartTime::SetBoxes(const AroundClockBoxes& b) {
    txtStartHour.SetText(b.StartHour);
    txtStartMinute.SetText(b.StartMinute);
    txtInterval.SetText(b.Interval);
    txtStartHour_Transit.SetText(b.StartHourTransit);
    txtStartMinute_Transit.SetText(b.StartMinuteTransit);
    txtInterval_Transit.SetText(b.IntervalTransit);
}

void frmSetStartTime::cmdDrawGraph_Click() {
    AroundClockBoxes boxes = Boxes();
    ClampAroundClockBoxes(boxes);
    SetBoxes(boxes);
    DrawAroundClockGraph(UiState(), *this);
}

void frmSetStartTime::cmdHelp_Click() { MsgBox(AroundClockHelpText(), MsgButtons::OK, "Help", MsgIcon::Information); }

void cmdDualDynesAroundClock_Click() {
    UnloadForm<frmSetStartTime>();
    frmSetStartTime& w = FormOf<frmSetStartTime>();
    w.Show(false);
}
