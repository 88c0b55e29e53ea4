#pragma once
// The click handlers of the runs the names window starts, filled into its
// run hooks.
struct NamesRunHooks;

void InstallNamesRunHandlers();
// "Best Days", "Best Days for You", "G" and "T".
void InstallBestDaysHandlers(NamesRunHooks& hooks);
