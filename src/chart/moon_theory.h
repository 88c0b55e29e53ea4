#pragma once
// Apparent geocentric longitude and latitude of the Moon, with the mean and
// the true ascending node, from a truncated trigonometric lunar theory.
#include <array>

struct ChartState;

// One periodic term in longitude: coefficient (arc seconds) times
// sin(d*D + m*M + mp*M' + f*F), D the mean elongation, M the Sun's mean
// anomaly, M' the Moon's, F the argument of latitude.
struct MoonLongitudeTerm {
    int d, m, mp, f;
    double coefficient;
};
extern const std::array<MoonLongitudeTerm, 71> kMoonLongitudeTerms;

// Reads TimeCenturies. Leaves the longitude (not reduced) in LoopJ, the mean
// node (0..360) in LoopI, the latitude in MoonLatitude, the true node (not
// reduced) in MoonTrueNode and 3600 in SignOrCode.
void CalcMoon(ChartState& cs);
