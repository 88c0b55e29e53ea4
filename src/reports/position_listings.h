#pragma once
// The position listings of chart A (natal data) and chart B (transit or
// second-person data): house cusps, angles and one line per body.
struct ProgramState;

// House-system title and the twelve cusps of WorkCusps, three a line.
void PrintHouseCusps(ProgramState& ps);
// First columns of body CurrentBody's line: position, name, retrograde mark
// and, for chart A or a second person, the house.
void FormatPlanetLine(ProgramState& ps);
// Chart A's declination, solstice point and (Sun to Moon) latitude columns;
// appends the line.
void CompleteNatalPlanetLine(ProgramState& ps);
// Chart B's declination and solstice point columns; appends the line.
void CompleteTransitPlanetLine(ProgramState& ps);
// All listed bodies of chart A with the column legend.
void PrintNatalPlanetList(ProgramState& ps);
// All listed bodies of chart B with the column legend.
void PrintTransitPlanetList(ProgramState& ps);
// The natal data report body (after StartReportWithHeader).
void PrintNatalData(ProgramState& ps);
// The transit or second-person data report body (after StartReport).
void PrintTransitData(ProgramState& ps);
