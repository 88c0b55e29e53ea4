#include "app/ui/window_links.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "app/ui/about_window.h"
#include "app/ui/main_window.h"
#include "app/ui/options_editor_window.h"
#include "app/ui/report_window.h"
#include "app/ui/tip_window.h"
#include "app/ui/title_window.h"
#include "app/ui/ui_state.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/people_window_hooks.h"
#include "platform/ui/form_registry.h"
#include "wheels/ui/aspect_list_window.h"
#include "wheels/ui/astro_line_window.h"
#include "wheels/ui/wheels_window.h"
#include "program_state.h"
#include "scans/ui/cosmodyne_graphs_window.h"
#include "scans/ui/graph_chart_window.h"
#include "scans/ui/params_window.h"

// Windows not yet part of the program (the graph window) join the calls
// below as they are built.

bool LoadStartupNotice(ProgramState&) {
    FormOf<TITLE>();
    return true;
}

void WaitForStartupNotice(ProgramState& ps) {
    if (!FormLoaded<TITLE>()) return;
    FormOf<TITLE>().cmdOK.SetVisible(true);
    // The wait also ends when the notice is gone, so a notice closed some
    // other way cannot hold start-up for ever.
    while (ps.settings.TitleAcknowledged == 0 && FormLoaded<TITLE>())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void LinkInputWindowsTo(TANDRELL& w) {
    // The names, cities and time-zone windows' part; the criteria window and
    // the runs over the names list.
    InstallPeopleWindowHooks();
    InstallScanWindowHooks([&w] { w.mnuInputData.SetVisible(true); });
    InputWindowHooks& hooks = InputHooks();
    hooks.FocusMainWindow = [&w] { w.Show(); };
    hooks.SecondPersonMenuItems = [&w] {
        SecondPersonMenu m;
        m.mnuDataTransits = &w.mnuDataTransits;
        m.mnuDataTransitData = &w.mnuDataTransitData;
        m.mnuDataTransitsAspectstoNatal = &w.mnuDataTransitsAspectstoNatal;
        m.mnuDataTransitAspectsToTransits = &w.mnuDataTransitAspectsToTransits;
        m.mnuWheelsSingleTransits = &w.mnuWheelsSingleTransits;
        m.mnuWheelsDualNatTran = &w.mnuWheelsDualNatTran;
        m.mnuWheelsDualNatTranMagi = &w.mnuWheelsDualNatTranMagi;
        m.mnuWheelsDualNatTran_Venus = &w.mnuWheelsDualNatTran_Venus;
        m.mnuDataComposite = &w.mnuDataComposite;
        m.mnuWheelsSingleComposite = &w.mnuWheelsSingleComposite;
        m.mnuDataCompositeDC = &w.mnuDataCompositeDC;
        return m;
    };
    hooks.HouseChecks = [&w] {
        const auto items = w.HouseItems();
        std::array<bool, 8> checked{};
        for (size_t k = 2; k <= 9; ++k) checked[k - 2] = items[k]->Checked();
        return checked;
    };
    hooks.ShowChartMenus = [&w] {
        w.mnuInputData.SetVisible(true);
        w.mnuData.SetVisible(true);
        w.mnuWheels.SetVisible(true);
    };
    hooks.ChartMenusVisible = [&w] { return w.mnuInputData.Visible(); };
    hooks.UnloadTip = [] { UnloadForm<frmTip>(); };
    InstallWheelWindows(w);
}

void ReleaseMainWindowLinks(const TANDRELL&) {
    RemovePeopleWindowHooks();
    RemoveScanWindowHooks();
    InputWindowHooks& hooks = InputHooks();
    hooks.FocusMainWindow = nullptr;
    hooks.SecondPersonMenuItems = nullptr;
    hooks.HouseChecks = nullptr;
    hooks.ShowChartMenus = nullptr;
    hooks.ChartMenusVisible = nullptr;
    hooks.UnloadTip = nullptr;
}

void ShowInputWindows(ProgramState&) { ShowInputAndListWindows(); }

void ShowInputWindowsForInput(ProgramState& ps) { InputMenuShowWindows(ps); }

void UnloadResultWindows() {
    UnloadForm<Wheels>();
    UnloadForm<AstrLine>();
    UnloadForm<CWAspect>();
    UnloadForm<OutputD1>();
    UnloadForm<Cosmodyne_graphs>();
    UnloadForm<Graph>();
}

void RecomputeChartsFromInput(ProgramState& ps) { RecomputeCharts(ps); }

bool SecondPersonChecked() { return FormLoaded<InputD1>() && FormOf<InputD1>().chk2ndPerson.Value() == 1; }

void ShowTipWindow() { FormOf<frmTip>().Show(); }
void ShowOptionsEditor() { FormOf<Options>().Show(); }
void ShowAboutWindow() { FormOf<About>().Show(); }
