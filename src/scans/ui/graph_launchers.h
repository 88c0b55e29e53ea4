#pragma once
// The names window's graph buttons: "N" (natal series), "D" (dual series)
// and "Both" (their sum cell by cell), each opening the graph window on the
// table it wrote; and the window side of the series (the input windows'
// fields in and out, the angles choice, the criteria window's box).
struct NamesRunHooks;
struct ProgramState;

// Fills the names window's hooks of the four graph buttons.
void InstallGraphHandlers(NamesRunHooks& hooks);

void cmdNatalDynes_Graph_Click(ProgramState& ps);
void cmdDualDynes_Graph_Click(ProgramState& ps);
void cmdBothDynes_Graph_Click(ProgramState& ps);

// "Cosmodynes put in natal chart?" of the criteria window and its state.
void SetCheck21(ProgramState& ps, int value);
// Selects "None" (0), "Asc only" (1) or "Asc + MC" (2) in the diurnal window.
void SelectAngles(int choice);
