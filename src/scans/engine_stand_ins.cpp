// Stand-ins for the cosmodyne engines while they are built elsewhere: weak,
// so the engines' own definitions take their place as soon as they are
// linked in. They compute nothing.
#include "program_state.h"
#include "scans/scan_engines.h"

__attribute__((weak)) void NatalCosmodynes(ProgramState&) {}
__attribute__((weak)) void InterchartCosmodynes(ProgramState&) {}
