#pragma once
// The computing core of a chart run: from the chart input of both data sets
// (already read from the input windows), the house system code and the mode
// flags, both charts and the relationship data the scores read. The window
// side (checks, reading the windows, menus, the first report page) calls
// these in order.
#include <array>
#include <string>

struct ProgramState;

// The house system code of the first checked item, in the order
// Regiomontanus, Koch, Campanus, Porphyry, Equal - Asc, Equal - MC,
// Meridian, Morinus; "P" (Placidus) when none is checked.
std::string HouseCodeFromChecks(const std::array<bool, 8>& checked);

// Julian date of a typed moment: time as h.mm on the 12-hour clock, zone in
// hours (West positive), "P.M." adding half a day. The Gregorian correction
// is applied to every date.
double DriverJulianDate(double time, double zone, const std::string& amPm, int day, int month, int year);

// Both Julian dates and chart B's centuries; chart A; chart B.
void ComputeJulianDates(ProgramState& ps);
void ComputeChartA(ProgramState& ps);
void ComputeChartB(ProgramState& ps);

// Relationship-order longitudes, house rulers and the house overlay of the
// two charts.
void ComputeRelationshipData(ProgramState& ps);

// Everything a full run computes once the input is read: Julian dates,
// chart A, chart B and, unless AroundClockMode is set, the relationship
// data.
void ComputeChartsCore(ProgramState& ps);

// The around-the-clock graph's variants: chart A alone after the natal
// input was read, and chart B alone after the diurnal input was read.
void ComputeChartsForGraphCore(ProgramState& ps);
void ComputeDiurnalForGraphCore(ProgramState& ps);
