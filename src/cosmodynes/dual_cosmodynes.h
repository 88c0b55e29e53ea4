#pragma once
// The two dual-cosmodyne pages of the Data menu: each person in turn scored
// against a third chart, both results on one page. The chart arrays are the
// same afterwards as before.
struct ProgramState;

// Data, Composite - Dual Cosmodynes: person A, then person B, against the
// couple's composite chart.
void DualCompositeCosmodynes(ProgramState& ps);
// Data, Venus Zodiac - Dual Cosmodynes: person A in the Venus zodiac against
// person B's natal chart, then person B in the Venus zodiac against person
// A's natal chart.
void DualVenusZodiacCosmodynes(ProgramState& ps);
