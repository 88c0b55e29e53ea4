// The criteria window and the scans' runs joined to the input and names
// windows, which reach them only through their hook tables.
#include "people/ui/input_window_hooks.h"
#include "people/ui/names_window.h"
#include "platform/ui/form_registry.h"
#include "scans/ui/params_window.h"
#include "scans/run_progress.h"
#include "scans/ui/run_windows.h"
#include "scans/ui/scan_run_handlers.h"

void InstallScanWindowHooks(std::function<void()> showInputMenu) {
    ShowInputMenuHook() = std::move(showInputMenu);
    InputWindowHooks& h = InputHooks();
    h.ShowParams = [] { FormOf<Params>().Show(); };
    h.HideParams = [] {
        if (FormLoaded<Params>()) FormOf<Params>().Hide();
    };
    InstallNamesRunHandlers();
    InstallProgressWindow();
}

void RemoveScanWindowHooks() {
    InputWindowHooks& h = InputHooks();
    h.ShowParams = nullptr;
    h.HideParams = nullptr;
    NamesRuns() = NamesRunHooks{};
    RunProgress() = RunProgressHooks{};
    ShowInputMenuHook() = nullptr;
}
