#pragma once
// The two dual-cosmodyne pages of the Data menu: each person in turn scored
// against a third chart, both results on one page. The chart arrays are the
// same afterwards as before.
#include <array>

struct ProgramState;

// A chart turned into the Venus zodiac: every body moved so that the chart's
// own Venus stands at 0 Aries (bodies 1..15).
std::array<double, 16> VenusZodiacLongitudes(const std::array<double, 16>& longitudes);

// Data, Composite - Dual Cosmodynes: person A, then person B, against the
// couple's composite chart.
void DualCompositeCosmodynes(ProgramState& ps);
// Data, Venus Zodiac - Dual Cosmodynes: person A in the Venus zodiac against
// person B's natal chart, then person B in the Venus zodiac against person
// A's natal chart.
void DualVenusZodiacCosmodynes(ProgramState& ps);
