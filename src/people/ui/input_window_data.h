#pragma once
// The procedures that read, copy and fill the two input windows' data sets,
// reaching the windows through their default instances (loaded on first
// use).
struct ProgramState;

// The natal window into the natal chart input; the second window into the
// diurnal chart input (after the natal one, whose date it reads).
void ReadNatalInput(ProgramState& ps);
void ReadDiurnalInput(ProgramState& ps);

// The natal time and place into the second window; its own date, name and
// e-mail stay.
void CopyNatalToDiurnal(ProgramState& ps);
// The second window to the present moment (the installed clock) at the
// default place of options 18 to 24.
void SetDiurnalToNow(ProgramState& ps);

// With "Relationship chart" ticked: the relationship chart of the two
// persons into the natal window, and the second window back to transits for
// now. Does nothing when either window holds a box that is not a number.
void CalcRelationshipChartData(ProgramState& ps);
