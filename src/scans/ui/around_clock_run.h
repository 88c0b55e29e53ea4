#pragma once
// The around-the-clock run from its settings window: the table of 12 natal
// times against 24 transit times, written to "out_1.csv" and opened in the
// graph window.
struct ProgramState;
class frmSetStartTime;

// Draw graph after the clamps: refuses while another run is under way and
// when a time would reach 24:00; otherwise runs the table, opens the graph
// window, puts the input windows' own times back and computes both charts
// from them.
void DrawAroundClockGraph(ProgramState& ps, frmSetStartTime& settings);
