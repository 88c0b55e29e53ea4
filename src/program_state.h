#pragma once
// The program-wide state: one struct per subsystem, gathered in ProgramState.
// Procedures take ProgramState& (or the part they need) as their first
// parameter; tests make a fresh ProgramState for each case.
#include "app/output_state.h"
#include "app/settings.h"
#include "chart/chart_state.h"
#include "cosmodynes/cosmodyne_state.h"
#include "cosmodynes/interchart_state.h"
#include "people/people_state.h"
#include "scans/scan_state.h"
#include "scoring/scoring_state.h"
#include "wheels/wheel_state.h"

struct ProgramState {
    ChartState chart;
    Settings settings;
    OutputState output;
    PeopleState people;
    ScoringState scoring;
    CosmodyneState cosmodynes;
    InterchartState interchart;
    WheelState wheels;
    ScanState scans;
};
