#pragma once
// The important factors in synastry and the aspects within one degree,
// collected pair by pair; their printing at the end of a printed run; and
// the clipboard copy of the run's report that closes it.
struct ProgramState;

// Whether (chart A body, chart B body) is one of the important factor pairs:
// the first eleven always, the eight Chiron pairs only when Chiron is used.
bool IsImportantFactor(int i, int j, bool chiron);

// After the pair's parallel: files its factor line when it carries power.
void CollectFactors(ProgramState& ps, int i, int j);

// Prints both lists, then the power and harmony tables, and puts the run's
// report text on the clipboard (also kept in ClipboardReportText).
void PrintFactorsTablesAndCopy(ProgramState& ps);
