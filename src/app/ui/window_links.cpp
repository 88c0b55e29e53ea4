#include "app/ui/window_links.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "app/ui/about_window.h"
#include "app/ui/options_editor_window.h"
#include "app/ui/report_window.h"
#include "app/ui/tip_window.h"
#include "app/ui/title_window.h"
#include "app/ui/ui_state.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"

// The windows below are joined to the program one by one; a call whose
// window is not part of the program yet does nothing.
//
// While the start-up notice waits for its OK, the window events run; the
// wait also ends when the notice is gone, so a notice closed some other way
// cannot hold start-up for ever.

bool LoadStartupNotice(ProgramState&) {
    FormOf<TITLE>();
    return true;
}

void WaitForStartupNotice(ProgramState& ps) {
    if (!FormLoaded<TITLE>()) return;
    FormOf<TITLE>().cmdOK.SetVisible(true);
    while (ps.settings.TitleAcknowledged == 0 && FormLoaded<TITLE>())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ShowInputWindows(ProgramState&) {}

void HideInputWindows() {}

void UnloadResultWindows() { UnloadForm<OutputD1>(); }

bool TipWindowAvailable() { return true; }
void ShowTipWindow() { FormOf<frmTip>().Show(); }
void UnloadTipWindow() { UnloadForm<frmTip>(); }

bool OptionsEditorAvailable() { return true; }
void ShowOptionsEditor() { FormOf<Options>().Show(); }

bool AboutWindowAvailable() { return true; }
void ShowAboutWindow() { FormOf<About>().Show(); }

// The input windows keep these in step with their controls.
bool SecondPersonChecked() { return UiState().people.SecondPersonChecked == 1; }

std::string NatalNameText() { return UiState().people.NatalNameText; }

void PutMomentIntoNatalWindow(int, int, int, int, int, bool) {}

bool ChartRunAvailable() { return false; }

void RunChartsFromInput(ProgramState&) {}
