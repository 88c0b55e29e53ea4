#pragma once
// House cusps of the chart being computed, in nine house systems, and the
// local sidereal time as printed in the chart headers.
struct ChartState;

// Reads HouseSystemCode, Ramc (radians), ObliquityRad (minus the obliquity),
// Ascendant, Midheaven, the latitude values and the sidereal time parts left
// in LoopI, LoopK and RectX; writes WorkCusps (tenth house first), Cusp (the
// quadrant systems) and SiderealTimeText.
void ComputeHouseCusps(ChartState& cs);

// One Placidus cusp by ten semi-arc iterations from PlacidusRa with
// PlacidusDivisor and PlacidusBelow; leaves the longitude in PlacidusResult.
void PlacidusCusp(ChartState& cs);
