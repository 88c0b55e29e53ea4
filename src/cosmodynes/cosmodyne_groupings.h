#pragma once
// The natal cosmodyne report's sums by element, quality, polarity,
// department, trigon group and hemisphere.
struct ProgramState;

// Expects the copy's count at the house TOTALS slot; leaves it 23 further.
void PrintCosmodyneGroupings(ProgramState& ps);
