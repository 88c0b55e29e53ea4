#pragma once
// The chart run from the input windows: checks, reading both windows, both
// charts, the menus that need a chart, and the first report page. Also the
// input windows' part of the main window's Input item and house items.
struct ProgramState;

// The whole run. Stops after the input checks' messages when one failed
// (InputError = 1), computing and showing nothing.
void ComputeCharts(ProgramState& ps);

// The natal, second, names, cities and criteria windows hidden; and the
// natal, second, criteria and names windows shown again, none modal.
void HideInputAndListWindows();
void ShowInputAndListWindows();

// The Input item's part of the input windows: shows them again and, when the
// natal window holds "Now", puts the present moment into its date and time.
void InputMenuShowWindows(ProgramState& ps);

// OK's run, also after a house-system change: hides the input and list
// windows, unloads the time-zone picker and the tip window, empties the
// output and runs the charts. When the input is refused before any chart
// exists (no Input menu yet), the input windows are shown again.
void RecomputeCharts(ProgramState& ps);

// The around-the-clock graph's runs. ComputeChartsForGraph makes the same
// checks as the whole run, then computes chart A alone from the natal
// window: no window hidden, no pointer, menu or report touched.
// ComputeDiurnalForGraph reads the second window without checks and
// computes chart B alone.
void ComputeChartsForGraph(ProgramState& ps);
void ComputeDiurnalForGraph(ProgramState& ps);
