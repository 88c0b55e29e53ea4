#include "people/ui/compute_charts.h"

#include "app/output_buffer.h"
#include "chart/chart_driver.h"
#include "people/chart_run.h"
#include "people/input_checks.h"
#include "people/second_set_values.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_data.h"
#include "people/ui/input_window_hooks.h"
#include "platform/dates.h"
#include "platform/screen_pointer.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

namespace {

void SetHourglass() { SetMousePointer(kHourglassPointer); }

void SetDefaultPointer() { SetMousePointer(kDefaultPointer); }

std::optional<std::array<bool, 8>> HouseChecks() {
    if (InputHooks().HouseChecks) return InputHooks().HouseChecks();
    return std::nullopt;
}

// The program state the reports read from the two windows' controls.
void KeepWindowStateInStep(ProgramState& ps, const InputD& natal, const InputD1& second) {
    ps.people.NatalNameText = natal.txtName.Text();
    ps.people.SecondPersonChecked = second.chk2ndPerson.Value();
    ps.people.SecondPersonCaption = second.chk2ndPerson.Caption();
    ps.chart.UseChiron = second.chkChiron.Value() == 1;
}

}  // namespace

void HideInputAndListWindows() {
    if (FormLoaded<InputD>()) FormOf<InputD>().Hide();
    if (FormLoaded<InputD1>()) FormOf<InputD1>().Hide();
    CallHook(InputHooks().HideNames);
    CallHook(InputHooks().HideCities);
    CallHook(InputHooks().HideParams);
}

void ShowInputAndListWindows() {
    FormOf<InputD>().Show();
    FormOf<InputD1>().Show();
    CallHook(InputHooks().ShowParams);
    CallHook(InputHooks().ShowNames);
}

namespace {

// The first steps of a run from the windows: the angles setting and every
// input check. False when a check failed (its messages shown).
bool AnglesAndChecks(ProgramState& ps, const std::optional<std::array<bool, 8>>& houses) {
    ChartState& cs = ps.chart;
    InputD& natal = FormOf<InputD>();
    InputD1& second = FormOf<InputD1>();
    KeepWindowStateInStep(ps, natal, second);
    cs.AnglesSetting = second.Option1.Value() ? 0 : second.Option2.Value() ? 1 : 2;
    const bool meridianOrMorinus = houses ? ((*houses)[6] || (*houses)[7])
                                          : (cs.HouseSystemCode == "M" || cs.HouseSystemCode == "I");
    return RunInputChecks(ps, natal.Fields(), second.Fields(), meridianOrMorinus);
}

// Empties the wheel legends, names the chart and takes the house system.
void StartChartRun(ProgramState& ps, const std::optional<std::array<bool, 8>>& houses) {
    ps.wheels.WheelHeader1.assign(8, "");
    ps.wheels.WheelHeader2.assign(8, "");
    ps.wheels.WheelSwitched = 0;
    ps.chart.ChartName = FormOf<InputD>().txtName.Text();
    if (houses) ps.chart.HouseSystemCode = HouseCodeFromChecks(*houses);
}

}  // namespace

void ComputeCharts(ProgramState& ps) {
    ChartState& cs = ps.chart;
    InputD1& second = FormOf<InputD1>();
    const std::optional<std::array<bool, 8>> houses = HouseChecks();
    if (!AnglesAndChecks(ps, houses)) return;

    SetHourglass();
    HideInputAndListWindows();
    if (houses) cs.HouseSystemCode = HouseCodeFromChecks(*houses);
    // The window-free run on the boxes, with the menus shown before its page.
    RunCheckedCharts(ps, FormOf<InputD>().Fields(), second.Fields(), ReadAndComputeCharts, [&] {
        if (cs.QuietMode == 0) SetDefaultPointer();
        CallHook(InputHooks().ShowChartMenus);
        second.chkRelationship.SetValue(0);
    });
    if (cs.AroundClockMode == 1) {
        CallHook(InputHooks().ShowChartMenus);
        SetDefaultPointer();
    }
}

void InputMenuShowWindows(ProgramState& ps) {
    ShowInputAndListWindows();
    InputD& natal = FormOf<InputD>();
    if (natal.txtName.Text() != "Now") return;
    const MomentFill now = MomentAtDefaultPlace(ps.settings, Now());
    natal.txtMonth.SetText(now.Month);
    natal.txtDay.SetText(now.Day);
    natal.txtYear.SetText(now.Year);
    natal.txtBirthHour.SetText(now.Hour);
    natal.txtBirthMinute.SetText(now.Minute);
    natal.optAM.SetValue(true);
    if (now.PM) natal.optPM.SetValue(true);
}

void RecomputeCharts(ProgramState& ps) {
    HideInputAndListWindows();
    CallHook(InputHooks().UnloadTimeZonePicker);
    CallHook(InputHooks().UnloadTip);
    EmptyOutput(ps.output);
    ComputeCharts(ps);
    // Before the first chart there is no Input menu to bring the windows
    // back: after a refused input they come back at once.
    const bool menusVisible = InputHooks().ChartMenusVisible && InputHooks().ChartMenusVisible();
    if (ps.chart.InputError == 1 && !menusVisible) ShowInputAndListWindows();
}

void ComputeChartsForGraph(ProgramState& ps) {
    const std::optional<std::array<bool, 8>> houses = HouseChecks();
    if (!AnglesAndChecks(ps, houses)) return;
    StartChartRun(ps, houses);
    ReadNatalInput(ps);
    ComputeChartsForGraphCore(ps);
}

void ComputeDiurnalForGraph(ProgramState& ps) {
    ReadDiurnalInput(ps);
    ComputeDiurnalForGraphCore(ps);
}
