#pragma once
// "Best Days According to Cosmodyne Harmony": chart A cast again for every
// day of a span of years (its time and place kept), each day scored by its
// own cosmodynes, the days listed by harmony through the batch score list.
#include "scans/names_pairs.h"

struct ProgramState;

// years: the answer to "Number of Years". Not positive: nothing happens. A
// span longer than the day counters hold says so; refused input data stop
// the run. The natal date of f is left at the last day computed.
void BestDaysForYears(ProgramState& ps, NamesRunFields& f, float years);
