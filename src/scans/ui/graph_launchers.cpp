#include "scans/ui/graph_launchers.h"

#include "app/ui/ui_state.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_window.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "platform/dialogs.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/series_runs.h"
#include "scans/series_table.h"
#include "scans/ui/cosmodyne_graphs_window.h"
#include "scans/ui/params_window.h"
#include "scans/ui/run_windows.h"
#include "scans/ui/set_start_time_window.h"

namespace {

// The years of a series, asked once; 0 or less when cancelled or not a number.
float AskYears() {
    return SeriesYearsFromAnswer(InputBox("Enter number of years:", "Number of Years", SeriesYearsDefault()));
}

// The common opening of the three launchers.
void Opening(ProgramState& ps, bool tickCheck21) {
    ps.chart.AroundClockMode = 0;
    SelectAngles(0);
    if (tickCheck21) SetCheck21(ps, 1);
    HideWindowsForRun();
}

// The graph window on the table the run has just written.
void OpenGraph(ProgramState& ps, const char* title) {
    ps.scans.Graph.GraphTitle = title;
    OpenCosmodyneGraphs(ps);
}

bool NatalSeriesFromWindows(ProgramState& ps, float years) {
    TakeChartRunSettings(ps);
    DataSetFields natal = FormOf<InputD>().Fields();
    const bool done = ComputeNatalDynesSeries(ps, natal, FormOf<InputD1>().Fields(), years);
    // The series computed charts: the menus that need a chart show, as
    // after every chart run.
    if (ps.chart.InputError == 0) CallHook(InputHooks().ShowChartMenus);
    return done;
}

bool DualSeries(ProgramState& ps, float years) {
    ps.scans.BestDaysMode = 1;
    const bool done = ComputeDualDynesSeries(ps, years);
    ps.scans.BestDaysMode = 0;
    return done;
}

}  // namespace

void InstallGraphHandlers(NamesRunHooks& h) {
    h.cmdNatalDynes_Graph_Click = [] { cmdNatalDynes_Graph_Click(UiState()); };
    h.cmdDualDynes_Graph_Click = [] { cmdDualDynes_Graph_Click(UiState()); };
    h.cmdBothDynes_Graph_Click = [] { cmdBothDynes_Graph_Click(UiState()); };
    h.cmdDualDynesAroundClock_Click = [] { cmdDualDynesAroundClock_Click(); };
}

void SelectAngles(int choice) {
    InputD1& d = FormOf<InputD1>();
    (choice == 0 ? d.Option1 : choice == 1 ? d.Option2 : d.Option3).SetValue(true);
}

void SetCheck21(ProgramState& ps, int value) {
    FormOf<Params>().Check21.SetValue(value);
    ps.scans.Check21 = value;
}

void cmdNatalDynes_Graph_Click(ProgramState& ps) {
    RunGuard guard(ps);
    if (!guard.Active()) return;
    RunInputsKept kept(ps, PutBack::None);
    Opening(ps, false);
    const float years = AskYears();
    const bool done = years > 0 && NatalSeriesFromWindows(ps, years);
    SelectAngles(1);
    // Cancel or no years opens nothing: the file still holds an earlier
    // run's table, not this run's.
    if (done) OpenGraph(ps, "Natal Cosmodynes");
    ShowWindowsWhenNoInputMenu();
}

void cmdDualDynes_Graph_Click(ProgramState& ps) {
    RunGuard guard(ps);
    if (!guard.Active()) return;
    RunInputsKept kept(ps, PutBack::None);
    Opening(ps, true);
    ComputeCharts(ps);
    const float years = AskYears();
    const bool done = years > 0 && DualSeries(ps, years);
    SelectAngles(1);
    SetCheck21(ps, 0);
    if (done) OpenGraph(ps, "Dual Cosmodynes");
    ShowWindowsWhenNoInputMenu();
}

void cmdBothDynes_Graph_Click(ProgramState& ps) {
    RunGuard guard(ps);
    if (!guard.Active()) return;
    RunInputsKept kept(ps, PutBack::None);
    Opening(ps, false);
    const float years = AskYears();
    if (years <= 0 || !NatalSeriesFromWindows(ps, years)) {
        SelectAngles(1);
        ShowWindowsWhenNoInputMenu();
        return;
    }
    GraphState& g = ps.scans.Graph;
    const std::vector<GraphRow> natal = g.GraphValues;
    SetCheck21(ps, 1);
    ComputeCharts(ps);
    const bool done = DualSeries(ps, g.GraphYears);
    SelectAngles(1);
    SetCheck21(ps, 0);
    if (!done) {
        ShowWindowsWhenNoInputMenu();
        return;
    }
    const int rows = g.GraphDays + 1;
    for (int r = 1; r <= rows && r < static_cast<int>(natal.size()); ++r)
        for (int c = 1; c <= 12; ++c) g.GraphValues[r][c] = natal[r][c] + g.GraphValues[r][c];
    if (WriteGraphFile(ps, rows)) OpenGraph(ps, "Natal and Dual Cosmodynes");
    ShowWindowsWhenNoInputMenu();
}
