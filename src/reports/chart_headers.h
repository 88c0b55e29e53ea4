#pragma once
// The chart headers at the top of report pages.
struct ProgramState;

// A blank line, two blanks and the chart name, then chart A's data line.
void PrintNatalHeader(ProgramState& ps);
// PrintNatalHeader and the line with the diurnal date.
void PrintNatalHeader2(ProgramState& ps);
// Chart B's data line alone.
void PrintDiurnalHeader(ProgramState& ps);
