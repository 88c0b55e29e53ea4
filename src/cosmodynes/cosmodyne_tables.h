#pragma once
// The ranked planet, sign and house tables of the cosmodyne reports, and
// their clipboard copy.
struct ProgramState;
struct CosmodyneState;
struct ChartState;

// Rows of the planet table's power listing: the ranked bodies less the
// nodes and an unused Chiron (natal), or 11 and 12 with Chiron (composite).
int NatalPlanetRows(const ChartState& cs);
int CompositePlanetRows(const ChartState& cs);

// The planet table's totals over its first `rows` ranks of the current
// ranking: power, and harmony less discord.
void PlanetTableTotals(const CosmodyneState& cd, int rows, double& power, double& harDisc);

// The three tables, after the engine has run and ranked the bodies. The
// composite form adds a share column to each Har/Disc listing and leaves
// the MC out of it. Leaves the copy's count at the house TOTALS slot.
void PrintCosmodyneTables(ProgramState& ps, bool composite);
