#pragma once
// Listings of the couple's derived charts: the composite chart beside both
// charts, the composite's own aspect grid, and both charts in the Venus
// zodiac (each person's Venus at 0 Aries).
struct ProgramState;

// The aspect code of one cell of the composite grid, for a separation folded
// to 0..180, the cell's orb (options 51 to 53 by the pair) and the quincunx
// orb (option 54).
int CompositeGridCode(double separation, double orb, float quincunxOrb);

// Starts a page with both headers, computes the composite chart into the
// working chart and lists it beside both charts.
void CompositePlanetListing(ProgramState& ps);
// Starts a page with both headers and lists both charts in the Venus zodiac.
void VenusZodiacPlanetListing(ProgramState& ps);
// Appends the composite chart's aspect grid; computes the composite chart.
void PrintCompositeAspects(ProgramState& ps);
