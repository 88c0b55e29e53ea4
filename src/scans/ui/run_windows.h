#pragma once
// What the window sides of the long runs share: the guard against a second
// run, the input windows' boxes copied into a run's fields and back, the
// windows hidden before a run, and the progress window.
#include <functional>
#include <string>

#include "scans/names_pairs.h"

struct ProgramState;

// Holds the scan state's run flag for its lifetime; a run started while
// another is in progress is refused (Active() false) and does nothing.
class RunGuard {
public:
    explicit RunGuard(ProgramState& ps);
    ~RunGuard();
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;
    bool Active() const { return active_; }

private:
    ProgramState& ps_;
    bool active_;
};

// The settings of a chart run that the input windows' other controls give:
// the chart's name, the angles, the house system, "Use Chiron?" and
// "2nd Person".
void TakeChartRunSettings(ProgramState& ps);
// The boxes of both input windows.
NamesRunFields GatherRunFields();
// Writes the fields back into both input windows' boxes.
void PutRunFields(const NamesRunFields& f);

// Hides the input, list and criteria windows and unloads the time-zone
// picker and the tip window, as every run does before it computes.
void HideWindowsForRun();
// After a run: redraws the report window's text when it is loaded.
void RefreshReportText();
// After a run: before the first chart the main window has no Input menu,
// so a run that computed no chart brings the input and list windows back
// at once rather than leave them out of reach.
void ShowWindowsWhenNoInputMenu();

// The main window's Input item made visible ("One vs All" without a name).
std::function<void()>& ShowInputMenuHook();

// The progress window as the runs' progress.
void InstallProgressWindow();
