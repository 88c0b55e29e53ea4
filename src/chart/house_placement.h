#pragma once
// House placement of the fifteen chart bodies, and solstice points.
#include <array>
#include <string>

struct ChartState;
struct ProgramState;

// Places WorkLongitudes 1..15 among WorkCusps 1..12 (tenth house first) and
// writes each body's house number and " HOUSE" into its ten-character field
// of HouseString.
void AssignHouses(ChartState& cs);
// The same over given arrays: longitudes 1..15 among cusps 1..12 (tenth
// house first) into houseString, whose other characters stay.
void AssignHouses(const std::array<double, 16>& longitudes, const std::array<double, 14>& cusps,
                  std::string& houseString);

// Mirrors the longitude in LoopK across the solstice axis (antiscion), or
// across the equinox axis when option 167 is set (contra-antiscion), into
// SolsticeResult, 0..360.
void SolsticePoint(ProgramState& ps);
