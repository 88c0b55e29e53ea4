#pragma once
// The fifteen chart bodies of one moment: Sun, Moon and planets from their
// theories, the nodes, Chiron from its daily table and the angles, with
// declinations, right ascensions and retrograde marks.
#include <array>

struct ChartState;
struct ProgramState;

// Full computation of one chart moment, after the time step has run for it:
// sidereal corrections, slots 1 to 15, right ascensions and declinations,
// and the retrograde marks from a second pass one day later. Leaves
// TimeCenturies at the next day's value.
void CalcChartPositions(ChartState& cs, const std::array<float, 287>& OptionValues);
void CalcChartPositions(ProgramState& ps);

// Lighter variant for day-by-day series: slots 1 to 12 at GraphT1900 (Sun,
// Moon, nodes, outer planets) and TimeCenturies2000 (inner planets), with
// declinations only. JulianDayNumber and ObliquityRad (minus the obliquity)
// are set by the caller. No next-day pass, no angles, no Chiron.
void CalcPositionsAtTime(ChartState& cs);

// Chiron's longitude, declination and retrograde mark (slot 13) interpolated
// in the daily tables at Julian date jd. Skipped, leaving slot 13 as it is,
// when Chiron is not wanted during a quiet run. Dates outside the tables
// give 0 and 0.
void CalcChironFromTable(ChartState& cs, const double& jd, bool useChiron, bool quietMode);

// Retrograde marks of Mercury to Pluto from WorkLongitudes and
// NextDayLongitudes: "R" where the longitude falls over the day, a step
// across 0 Aries unwrapped first. Never clears a mark.
void MarkRetrogrades(ChartState& cs);

// Declinations of the nodes (slots 11, 12) and the angles (14, 15).
void ComputeDeclinations(ChartState& cs);
