#include "wheels/ui/wheels_window.h"

#include <QMenuBar>

#include "app/help_text.h"
#include "app/ui/ui_state.h"
#include "app/ui/wait_cursor.h"
#include "people/ui/input_window_hooks.h"
#include "platform/numbers.h"
#include "platform/screen_pointer.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "wheels/ui/aspect_list_window.h"
#include "wheels/wheel_paint.h"

Wheels::Wheels()
    : mnuAspects(menuBar(), "&Aspects", MenuKind::Item),
      mnuOrbs(menuBar(), "&Orbs"),
      mnuOrbsChange(mnuOrbs, "&Select new orb file", "F11"),
      mnuOrbsEdit(mnuOrbs, "&Edit orb file", "F12"),
      mnuPrintChartwheel(menuBar(), "&Print", MenuKind::Item),
      mnuSwitch(menuBar(), "S&witch", MenuKind::Item),
      mnuChartType(menuBar(), "&Type"),
      mnuCTAmerican(mnuChartType, "&American", "F7"),
      mnuCTEuropean(mnuChartType, "&European", "F8"),
      mnuHelp(menuBar(), "&Help", MenuKind::Item) {
    mnuCTAmerican.SetChecked(true);
    mnuAspects.Click = [this] { mnuAspects_Click(); };
    mnuOrbsChange.Click = [this] { mnuOrbsChange_Click(); };
    mnuOrbsEdit.Click = [this] { mnuOrbsEdit_Click(); };
    mnuPrintChartwheel.Click = [this] { mnuPrintChartwheel_Click(); };
    mnuSwitch.Click = [this] { mnuSwitch_Click(); };
    mnuCTAmerican.Click = [this] { mnuCTAmerican_Click(); };
    mnuCTEuropean.Click = [this] { mnuCTEuropean_Click(); };
    mnuHelp.Click = [this] { mnuHelp_Click(); };
    OnLoad = [this] { Form_Load(); };
    OnResize = [this] { Form_Resize(); };
    OnPaint = [this] { Form_Paint(); };
    OnKeyPress = [this](int& key) { Form_KeyPress(key); };
    OnMouseUp = [this](int button, int shift, double x, double y) { Form_MouseUp(button, shift, x, y); };
    OnClick = [] {};
}

void Wheels::Form_Load() {
    ProgramState& ps = UiState();
    WheelState& ws = ps.wheels;
    LoadWheelCharts(ps);
    SetTop(0);
    ws.FormLoading = 1;
    SetWidth(ps.settings.WheelWindowWidth);
    SetHeight(ps.settings.WheelWindowHeight);
    ws.FormLoading = 0;
    const bool twoPeople = ps.people.SecondPersonChecked == 1 && ws.ChartCount == 2;
    mnuSwitch.SetVisible(twoPeople && !NinetyDegreeWheel(ps));
    if (ws.ChartCount == 1) {
        mnuChartType.SetVisible(true);
        mnuCTAmerican.SetChecked(ps.settings.ChartStyle == 0);
        mnuCTEuropean.SetChecked(ps.settings.ChartStyle == 1);
    } else {
        mnuChartType.SetVisible(false);
    }
    UnloadForm<CWAspect>();
    Form_Resize();
}

void Wheels::Form_Resize() {
    ProgramState& ps = UiState();
    if (!ResizeWheelWindow(ps, InsideWidth(), InsideHeight())) return;
    if (ps.wheels.FormLoading != 1) Refresh();
}

void Wheels::Form_Paint() {
    ProgramState& ps = UiState();
    if (!PaintWheelWindow(ps, Surface(), InsideWidth(), InsideHeight())) return;
    SetCaption(ps.chart.CaptionPrefix + "Chartwheels");
}

void Wheels::PaintNow() {
    Refresh();
    repaint();
}

void Wheels::Form_KeyPress(int& keyAscii) {
    if (keyAscii != 27) return;
    CallHook(InputHooks().FocusMainWindow);
    keyAscii = 0;
}

void Wheels::Form_MouseUp(int button, int, double, double) {
    if (button == 2) CallHook(InputHooks().FocusMainWindow);
}

void Wheels::mnuCTAmerican_Click() {
    WaitCursor wait;
    mnuCTEuropean.SetChecked(false);
    mnuCTAmerican.SetChecked(true);
    UiState().settings.ChartStyle = 0;
    PaintNow();
}

void Wheels::mnuCTEuropean_Click() {
    ProgramState& ps = UiState();
    if (NinetyDegreeWheel(ps)) return;
    WaitCursor wait;
    mnuCTAmerican.SetChecked(false);
    mnuCTEuropean.SetChecked(true);
    ps.settings.ChartStyle = 1;
    PaintNow();
}

void Wheels::mnuHelp_Click() {
    ProgramState& ps = UiState();
    ps.output.HelpFileName = "\\WHEELS.HLP";
    ShowHelpText(ps);
}
