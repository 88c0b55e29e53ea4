#pragma once
// House placement of the fifteen chart bodies, and solstice points.
struct ChartState;
struct ProgramState;

// Places WorkLongitudes 1..15 among WorkCusps 1..12 (tenth house first) and
// writes each body's house number and " HOUSE" into its ten-character field
// of HouseString.
void AssignHouses(ChartState& cs);

// Mirrors the longitude in LoopK across the solstice axis (antiscion), or
// across the equinox axis when option 167 is set (contra-antiscion), into
// SolsticeResult, 0..360.
void SolsticePoint(ProgramState& ps);
