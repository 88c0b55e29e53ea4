#include "app/ui/window_links.h"

#include "program_state.h"

// The windows below are joined to the program one by one; a call whose
// window is not part of the program yet does nothing.

bool LoadStartupNotice(ProgramState&) { return false; }

void WaitForStartupNotice(ProgramState&) {}

void ShowInputWindows(ProgramState&) {}

void HideInputWindows() {}

void UnloadResultWindows() {}

bool TipWindowAvailable() { return false; }
void ShowTipWindow() {}
void UnloadTipWindow() {}

bool OptionsEditorAvailable() { return false; }
void ShowOptionsEditor() {}

bool AboutWindowAvailable() { return false; }
void ShowAboutWindow() {}

bool SecondPersonChecked() { return false; }

std::string NatalNameText() { return std::string(); }

void PutMomentIntoNatalWindow(int, int, int, int, int, bool) {}

bool ChartRunAvailable() { return false; }

void RunChartsFromInput(ProgramState&) {}
