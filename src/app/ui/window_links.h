#pragma once
// The other windows the main window opens, hides or reads, and the chart run
// of the input windows, gathered in one place. Each call reaches its window
// through FormOf<T>() once that window is part of the program; until then it
// does nothing.
struct ProgramState;
class TANDRELL;

// --- start-up notice
// Loads the notice, which shows itself with its OK button hidden. False when
// there is no notice to wait for.
bool LoadStartupNotice(ProgramState& ps);
// Shows the notice's OK button and lets window events run until the notice
// is acknowledged (or closed by its frame).
void WaitForStartupNotice(ProgramState& ps);

// --- the input windows
// What the input windows ask of the main window (its menus, its house check
// marks, the focus) goes to this window; ReleaseMainWindowLinks undoes it.
void LinkInputWindowsTo(TANDRELL& window);
void ReleaseMainWindowLinks(const TANDRELL& window);
// At start: the natal and diurnal input windows, the day-search criteria
// window and the names list, none modal; the names list takes the focus.
void ShowInputWindows(ProgramState& ps);
// The Input item's part: the same windows again and, when the natal window
// holds "Now", the present moment in its date and time boxes.
void ShowInputWindowsForInput(ProgramState& ps);
// Unloads the windows that show results: wheels, aspect lines, aspect grid,
// the report window and the graph window.
void UnloadResultWindows();
// After a house change: hides the input, names, cities and criteria windows,
// unloads the time-zone picker and the tip window, empties the output and
// runs the charts from the input windows.
void RecomputeChartsFromInput(ProgramState& ps);
// Whether the diurnal window's "2nd Person" box is ticked.
bool SecondPersonChecked();

// --- small windows
void ShowTipWindow();
void ShowOptionsEditor();
void ShowAboutWindow();
