#include "chart/planet_theory.h"

#include "chart/chart_state.h"

void InitOrbitalElements(ChartState&) {}
void InnerPlanetElements(ChartState&) {}
void CalcOuterPlanet(ChartState&) {}
void SolveKepler(ChartState&) {}
void HelioEclipticCoords(ChartState&) {}
void HelioToGeocentric(ChartState&) {}
void CalcPerturbationArgs(ChartState&) {}
void PerturbJupiter(ChartState&) {}
void PerturbSaturn(ChartState&) {}
void PerturbUranus(ChartState&) {}
void PerturbNeptune(ChartState&) {}
void CalcPlutoSeries(ChartState&) {}
