#pragma once
// The report stage of the interchart run: ranks, totals and the table of
// both charts with the power-times-harmony line, or, in a quiet run, the
// summary, batch and dated lines; then the mutual-receptions heading.
#include <string>

struct ProgramState;

// The heading line of the table, by mode (transits or second person, the
// composite passes, the Venus-zodiac passes).
std::string ReportHeadingLine(const ProgramState& ps);
// The name up to its first blank (the whole text when it has none).
std::string FirstName(const std::string& name);

// Runs the stage for chart A's bodies 1..lastBody. Sets LastDualTotalA and
// LastDualTotalB in every mode.
void InterchartReport(ProgramState& ps, int lastBody);
