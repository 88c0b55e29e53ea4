// A stand-in for the interchart cosmodyne engine while it is built
// elsewhere: weak, so the engine's own definition takes its place as soon as
// it is linked in. It computes nothing.
#include "program_state.h"
#include "scans/scan_engines.h"

__attribute__((weak)) void InterchartCosmodynes(ProgramState&) {}
