#pragma once
// The couple the chart benchmarks compute: 9.30 P.M. on 14 March 1962 at
// 75 W 10, 40 N 43 (zone 5), and 6.05 A.M. on 2 November 1965 at 2 E 20,
// 48 N 52 (zone -1), Placidus houses, computed quietly.
#include "chart/planet_theory.h"
#include "program_state.h"

inline void FillBenchCouple(ProgramState& ps) {
    ChartState& cs = ps.chart;
    cs.NatalDay = 14, cs.NatalMonth = 3, cs.NatalYear = 1962;
    cs.NatalTime = 9.30f, cs.NatalAmPm = "P.M.", cs.NatalZone = 5;
    cs.NatalLongitude = 75.10f, cs.NatalLatitude = 40.43f;
    cs.WorkEastWest = "WEST", cs.WorkNorthSouth = "NORTH";
    cs.DiurnalDay = 2, cs.DiurnalMonth = 11, cs.DiurnalYear = 1965;
    cs.DiurnalTime = 6.05f, cs.SecondAmPm = "A.M.", cs.DiurnalZone = -1;
    cs.DiurnalLongitude = -2.20f, cs.DiurnalLatitude = 48.52f;
    cs.SecondEastWest = "EAST", cs.SecondNorthSouth = "NORTH";
    cs.HouseSystemCode = "P";
    cs.QuietMode = 1;
    InitOrbitalElements(cs);
}
