// The window sides of the runs over the names list: "All vs All" and "One
// vs All" of the names window (couples scored) and of the criteria window
// (couples tested against the criteria), and "BDFY".
#include "app/output_buffer.h"
#include "app/ui/ui_state.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_window.h"
#include "platform/dialogs.h"
#include "platform/screen_pointer.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/bdfy_run.h"
#include "scans/names_runs.h"
#include "scans/scan_days.h"
#include "scans/ui/params_window.h"
#include "scans/ui/run_windows.h"
#include "scans/ui/graph_launchers.h"
#include "scans/ui/scan_run_handlers.h"

namespace {

enum class NamesRun { CoupleAll, CoupleOne, CriteriaAll, CriteriaOne };

// The end of a run as the windows show it: the last records loaded stand in
// the input windows, "2nd Person" unticked with the last second name as its
// caption, and the chart menus shown once a chart was computed.
void ShowRunEnd(ProgramState& ps, const NamesRunFields& f, const std::string& lastSecondName) {
    PutRunFields(f);
    InputD1& second = FormOf<InputD1>();
    // Unticking runs the box's click, which puts back "2nd Person"; the name
    // is set after it.
    second.chk2ndPerson.SetValue(0);
    if (!lastSecondName.empty()) second.SetSecondPersonCaption(lastSecondName);
    if (f.ChartsComputed > 0) {
        CallHook(InputHooks().ShowChartMenus);
        second.chkRelationship.SetValue(0);
    }
    ps.people.SecondPersonChecked = 0;
    RefreshReportText();
}

void RunOverNames(NamesRun kind) {
    ProgramState& ps = UiState();
    RunGuard guard(ps);
    if (!guard.Active()) return;
    if (kind == NamesRun::CoupleAll && !CoupleAllVsAllFits(ps)) return;
    // The last records loaded stay in the windows; the charts held become theirs.
    RunInputsKept kept(ps, PutBack::None);
    const std::string selected = FormLoaded<Names>() ? FormOf<Names>().NamesOnFile.Text() : std::string();
    TakeChartRunSettings(ps);
    NamesRunFields f = GatherRunFields();
    const std::string before = ps.people.RunPersonName;
    ps.people.RunPersonName.clear();
    HideWindowsForRun();
    SetMousePointer(kHourglassPointer);
    NamesRunEnd end = NamesRunEnd::Done;
    switch (kind) {
        case NamesRun::CoupleAll: end = CoupleAllVsAll(ps, f); break;
        case NamesRun::CoupleOne: end = CoupleOneVsAll(ps, f, selected); break;
        case NamesRun::CriteriaAll: end = CriteriaAllVsAll(ps, f); break;
        case NamesRun::CriteriaOne: end = CriteriaOneVsAll(ps, f, selected); break;
    }
    const std::string lastSecond = ps.people.RunPersonName;
    if (lastSecond.empty()) ps.people.RunPersonName = before;
    ShowRunEnd(ps, f, lastSecond);
    if (end == NamesRunEnd::NoSelection && ShowInputMenuHook()) ShowInputMenuHook()();
    ShowWindowsWhenNoInputMenu();
}

void Bdfy() {
    ProgramState& ps = UiState();
    RunGuard guard(ps);
    if (!guard.Active()) return;
    const auto answer = InputBox(
        "Enter the number of days for which to do calculations, starting with the Diurnal Date:", "Number of Days",
        "30");
    const int days = BdfyDaysFromAnswer(answer.value_or(""));
    if (days <= 0) return;
    RunInputsKept kept(ps, PutBack::Second);
    TakeChartRunSettings(ps);
    NamesRunFields f = GatherRunFields();
    HideWindowsForRun();
    if (BdfyRun(ps, f, days)) f.ChartsComputed = 1;
    PutRunFields(f);
    if (f.ChartsComputed > 0) {
        CallHook(InputHooks().ShowChartMenus);
        FormOf<InputD1>().chkRelationship.SetValue(0);
    }
    SetMousePointer(kDefaultPointer);
    RefreshReportText();
    ShowWindowsWhenNoInputMenu();
}

}  // namespace

void Params::Command2_Click() { RunOverNames(NamesRun::CriteriaAll); }
void Params::Command3_Click() { RunOverNames(NamesRun::CriteriaOne); }

void InstallNamesRunHandlers() {
    NamesRunHooks& h = NamesRuns();
    h.Batch_Click = [] { RunOverNames(NamesRun::CoupleAll); };
    h.Batch1_Click = [] { RunOverNames(NamesRun::CoupleOne); };
    h.cmdBDFY_Click = [] { Bdfy(); };
    InstallBestDaysHandlers(h);
    InstallGraphHandlers(h);
}
