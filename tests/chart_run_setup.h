#pragma once
// A program state ready for a chart run, as the program's start leaves it: the
// shipped options and data tables read where they stand, and a program folder
// of the test's own for everything the run writes.
#include <string>

#include "program_state.h"

namespace testsupport {

// Reads OPTIONS.OPT and the data tables from the shipped folder, then sets
// AppPath to programFolder and makes its "REPORTS" folder, fills the constant
// tables and the orbital elements, installs the chart headers and sets the
// decimal separator to '.'. programFolder is a copy: it may name the very
// AppPath being replaced.
void PrepareChartRun(ProgramState& ps, std::string programFolder);

}  // namespace testsupport
