#pragma once
// The other windows the main window opens, hides or reads, and the chart run
// of the input windows, gathered in one place. Each call reaches its window
// through FormOf<T>() once that window is part of the program; until then it
// does nothing (and the Available functions say so, so that the menu can
// disable what would do nothing).
#include <string>

struct ProgramState;

// --- start-up notice
// Loads the notice, which shows itself with its OK button hidden. False when
// there is no notice to wait for.
bool LoadStartupNotice(ProgramState& ps);
// Shows the notice's OK button and lets window events run until the notice
// is acknowledged (or closed by its frame).
void WaitForStartupNotice(ProgramState& ps);

// --- windows shown at start and by the Input item
// The natal and diurnal input windows, the day-search criteria window and the
// names list, none modal; the names list takes the focus.
void ShowInputWindows(ProgramState& ps);
// Hides the input, names, cities and criteria windows and unloads the
// time-zone picker, before the charts are computed again.
void HideInputWindows();
// Unloads the windows that show results: wheels, aspect lines, aspect grid,
// the report window and the graph window.
void UnloadResultWindows();

// --- small windows
bool TipWindowAvailable();
void ShowTipWindow();
void UnloadTipWindow();
bool OptionsEditorAvailable();
void ShowOptionsEditor();
bool AboutWindowAvailable();
void ShowAboutWindow();

// --- the input windows' values
// Whether the diurnal window's "2nd Person" box is ticked.
bool SecondPersonChecked();
// The natal window's name box ("" while there is no natal window).
std::string NatalNameText();
// Puts a moment into the natal window's date and time boxes and selects
// A.M. or P.M.
void PutMomentIntoNatalWindow(int month, int day, int year, int hour, int minute, bool pm);

// --- the chart run from the input windows
bool ChartRunAvailable();
// Checks and reads both input windows, computes both charts and shows the
// first report page.
void RunChartsFromInput(ProgramState& ps);
