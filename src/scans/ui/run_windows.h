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

// Which input windows' boxes a long run puts back at its end.
enum class PutBack { None, Second, Both };

// Held for the length of a long run. It keeps the input windows' boxes as
// the run finds them; at its end it puts back those named (the days and
// times the run wrote there are not the people's own), then computes the
// charts the program holds from the windows as the run leaves them, quietly
// (ComputeChartsQuietly): the run's page, files and clipboard stay as the
// run left them, so the Data and Wheels menus and a later "Save to disk"
// see the windows' data.
class RunInputsKept {
public:
    RunInputsKept(ProgramState& ps, PutBack which);
    ~RunInputsKept();
    RunInputsKept(const RunInputsKept&) = delete;
    RunInputsKept& operator=(const RunInputsKept&) = delete;
    // Puts the named boxes back at once, before the run's last chart run.
    void PutBackNow();

private:
    ProgramState& ps_;
    PutBack which_;
    NamesRunFields before_;
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
