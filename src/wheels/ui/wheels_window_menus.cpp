// The wheel window's Aspects, Orbs, Print and Switch menus.
#include <QMenuBar>
#include <QScreen>

#include "app/ui/file_chooser_window.h"
#include "app/ui/orbs_editor_window.h"
#include "app/ui/ui_state.h"
#include "app/ui/wait_cursor.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "wheels/orb_file_choice.h"
#include "wheels/ui/aspect_list_window.h"
#include "wheels/ui/wheel_print.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_setup.h"

void Wheels::mnuAspects_Click() {
    UnloadForm<CWAspect>();
    FormOf<CWAspect>();  // its load shows the window and fills the list
}

void Wheels::mnuOrbsChange_Click() {
    ProgramState& ps = UiState();
    Settings& s = ps.settings;
    // The chooser opens on the program folder whether or not the current
    // orb file is there; it starts on that file when the folder holds it.
    const std::string current = s.CurrentOrbFile.empty() ? JoinPath(s.AppPath, "NATAL.ORB") : s.CurrentOrbFile;
    SelectFIle& chooser = FormOf<SelectFIle>();
    chooser.filList.SetPattern("*.ORB");
    s.ChosenFile = s.CurrentOrbFile;
    std::vector<std::string> entries;
    for (int i = 0; i < chooser.filList.ListCount(); ++i) entries.push_back(chooser.filList.List(i));
    const int row = PreselectedOrbFile(entries, current);
    if (row >= 0) chooser.filList.SetListIndex(row);
    chooser.Show(true);
    if (s.ChosenFile.empty()) return;
    s.CurrentOrbFile = s.ChosenFile;
    mnuAspects_Click();
}

void Wheels::mnuOrbsEdit_Click() { FormOf<OrbsEdit>().Show(); }

void Wheels::mnuPrintChartwheel_Click() {
    ProgramState& ps = UiState();
    const MsgResult answer =
        MsgBoxWithDefault("Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.",
                          MsgButtons::YesNoCancel, 3, "Full page or half page chartwheel", MsgIcon::Question);
    WaitCursor wait;
    if (answer == MsgResult::Yes) {
        // Drawn straight into the page, whatever the window's state.
        PrintWheelFullPage(ps);
    } else if (answer == MsgResult::No) {
        const QSize size = MaximisedInsideSize();
        PrintWheelHalfPage(ps, size.width(), size.height());
    }
    // Every answer leaves the window in its normal state.
    if (WindowState() != 0) SetWindowState(0);
}

void Wheels::mnuSwitch_Click() {
    ProgramState& ps = UiState();
    WheelState& ws = ps.wheels;
    ws.WheelSwitched = ws.WheelSwitched == 0 ? 1 : 0;
    // The filler that set up the bi-wheel runs again, with its own legends
    // and orb file.
    const DualFiller filler = ws.VenusZodiacFlag != 0 ? DualFiller::Venus : static_cast<DualFiller>(ws.DualFillerUsed);
    FillDualWheelLegend(ps, filler);
    // The window is loaded anew with the charts in their new order; this
    // instance goes once control returns to the event loop.
    UnloadForm<Wheels>();
    FormOf<Wheels>().Show();
}

QSize Wheels::MaximisedInsideSize() const {
    const QScreen* s = screen();
    const QRect available = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frameWidth = frameGeometry().width() - geometry().width();
    const int frameHeight = frameGeometry().height() - geometry().height();
    const int menuHeight = menuBar() ? menuBar()->sizeHint().height() : 0;
    return {std::max(1, available.width() - frameWidth), std::max(1, available.height() - frameHeight - menuHeight)};
}
