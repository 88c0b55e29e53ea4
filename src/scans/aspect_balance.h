#pragma once
// The aspect balance of a day: over the 14 x 14 pairs of chart A and chart
// B bodies (1..15 without Chiron), +1 for a sextile or trine, -1 for a
// square, opposition or conjunction, with a fixed orb of 6 degrees.
struct ProgramState;

// Sets AspectBalance from NatalLongitudes and SecondLongitudes (-196..196).
void CountAspectBalance(ProgramState& ps);
