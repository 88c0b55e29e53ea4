#pragma once
// The grids of person A's chart (rows) against person B's (columns): aspects
// of longitude, parallels of declination and the magnetic harmony of Sun,
// Moon and Ascendant.
struct ProgramState;

// The aspect code of one cell of the A x B aspect grid, for a separation
// already folded to 0..180, the cell's orb (options 55 to 57 by the pair)
// and the minor-aspect orb (option 58).
int AspectGridCode(double separation, double orb, float minorOrb);

void PrintAspectGrid(ProgramState& ps);
void PrintParallelGrid(ProgramState& ps);
void PrintMagneticHarmony(ProgramState& ps);
