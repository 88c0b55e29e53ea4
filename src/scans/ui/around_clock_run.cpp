#include "scans/ui/around_clock_run.h"

#include "program_state.h"
#include "scans/ui/set_start_time_window.h"

void DrawAroundClockGraph(ProgramState&, frmSetStartTime&) {}
