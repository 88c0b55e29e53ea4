#include "scans/ui/scan_run_handlers.h"

#include "people/ui/names_window.h"

void InstallNamesRunHandlers() {
    NamesRunHooks& h = NamesRuns();
    (void)h;
}
