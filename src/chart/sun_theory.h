#pragma once
// Apparent geocentric longitude of the Sun from a series solar theory.
#include <array>

struct ChartState;

// One planetary perturbation term of the Sun: amplitude (arc seconds) times
// cos(phase + v*V + r*R + j*J + s*S + m*M), V, R, J, S the mean anomalies of
// Venus, Mars, Jupiter and Saturn, M the Sun's.
struct SunPerturbationTerm {
    double amplitude, phase;
    int v, r, j, s, m;
};
extern const std::array<SunPerturbationTerm, 35> kSunPerturbationTerms;

// Reads TimeCenturies; leaves the apparent longitude (not reduced to 0..360)
// in LoopJ and 3600 in SignOrCode.
void CalcSun(ChartState& cs);
