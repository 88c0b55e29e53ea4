#pragma once
// Planet positions from mean orbital elements: element tables, the periodic
// perturbations of Jupiter to Neptune, Pluto's series, Kepler's equation and
// the heliocentric to geocentric conversion. Every procedure reads and writes
// ChartState; the body computed is ChartState::CurrentBody (1 Earth,
// 2 Mercury .. 9 Pluto), and the Earth (body 1) of the same loop must have
// been computed before any planet.
struct ChartState;

// Fills the nine mean-element tables; once at start-up.
void InitOrbitalElements(ChartState& cs);

// Bodies 1 to 4 from the linear elements at TimeCenturies (which the caller
// sets to centuries from J2000 for this loop); ends in SolveKepler.
void InnerPlanetElements(ChartState& cs);

// Bodies 1 and 5 to 9 from the cubic elements at TimeCenturies (centuries
// from 1900); Jupiter to Neptune are perturbed, Pluto comes from its series.
void CalcOuterPlanet(ChartState& cs);

// Working elements to heliocentric position; for a planet, on to
// GeoLongitude and GeoLatitude.
void SolveKepler(ChartState& cs);

// Argument of latitude, inclination and node to HelioLongitude/HelioLatitude.
void HelioEclipticCoords(ChartState& cs);

// Planet's and Earth's heliocentric positions to GeoLongitude/GeoLatitude.
void HelioToGeocentric(ChartState& cs);

// Arguments nu, P, Q, S, V, W, zeta and psi of the great-planet
// perturbations at TimeCenturies.
void CalcPerturbationArgs(ChartState& cs);

// Periodic corrections of the working elements, in place.
void PerturbJupiter(ChartState& cs);
void PerturbSaturn(ChartState& cs);
// Also set PertExtraLongitude, the direct correction of the geocentric
// longitude that the chart-position step adds for bodies 7 and 8.
void PerturbUranus(ChartState& cs);
void PerturbNeptune(ChartState& cs);

// Pluto's heliocentric longitude (1950 equinox, not reduced), latitude and
// radius (AU) at TimeCenturies.
void CalcPlutoSeries(ChartState& cs);
