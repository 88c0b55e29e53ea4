#pragma once
// The click handlers of the runs the names window starts, filled into its
// run hooks.
void InstallNamesRunHandlers();
