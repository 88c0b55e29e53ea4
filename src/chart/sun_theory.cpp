#include "chart/sun_theory.h"

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"

namespace {
constexpr double kArcsec = 3600.0;
}

const std::array<SunPerturbationTerm, 35> kSunPerturbationTerms = {{
    // Venus
    {4.838, 299.102, 1, 0, 0, 0, -1},
    {0.116, 148.9, 2, 0, 0, 0, -1},
    {5.526, 148.313, 2, 0, 0, 0, -2},
    {2.497, 315.943, 2, 0, 0, 0, -3},
    {0.666, 177.71, 3, 0, 0, 0, -3},
    {1.559, 345.253, 3, 0, 0, 0, -4},
    {1.024, 318.15, 3, 0, 0, 0, -5},
    {0.210, 206.2, 4, 0, 0, 0, -4},
    {0.144, 195.4, 4, 0, 0, 0, -5},
    {0.152, 343.8, 4, 0, 0, 0, -6},
    {0.123, 195.3, 5, 0, 0, 0, -7},
    {0.154, 359.6, 5, 0, 0, 0, -8},
    // Mars
    {0.273, 217.7, 0, -1, 0, 0, 1},
    {2.043, 343.888, 0, -2, 0, 0, 2},
    {1.770, 200.402, 0, -2, 0, 0, 1},
    {0.129, 294.2, 0, -3, 0, 0, 3},
    {0.425, 338.88, 0, -3, 0, 0, 2},
    {0.500, 105.18, 0, -4, 0, 0, 3},
    {0.585, 334.06, 0, -4, 0, 0, 2},
    {0.204, 100.8, 0, -5, 0, 0, 3},
    {0.154, 227.4, 0, -6, 0, 0, 4},
    {0.101, 96.3, 0, -6, 0, 0, 3},
    {0.106, 222.7, 0, -7, 0, 0, 4},
    // Jupiter
    {0.163, 198.6, 0, 0, -1, 0, 2},
    {7.208, 179.532, 0, 0, -1, 0, 1},
    {2.600, 263.217, 0, 0, -1, 0, 0},
    {2.731, 87.145, 0, 0, -2, 0, 2},
    {1.610, 109.493, 0, 0, -2, 0, 1},
    {0.164, 170.5, 0, 0, -3, 0, 3},
    {0.556, 82.65, 0, 0, -3, 0, 2},
    {0.210, 98.5, 0, 0, -3, 0, 1},
    // Saturn
    {0.419, 100.58, 0, 0, 0, -1, 1},
    {0.320, 269.46, 0, 0, 0, -1, 0},
    {0.108, 290.6, 0, 0, 0, -2, 2},
    {0.112, 293.6, 0, 0, 0, -2, 1},
}};

void CalcSun(ChartState& cs) {
    const double T = cs.TimeCenturies;
    cs.SignOrCode = kArcsec;
    const double sc = cs.SignOrCode;

    // Long-period terms shared by the mean anomaly and the mean longitude.
    const double P = (1.882 / 3600.0 - 0.016 / 3600.0 * T) * SinDeg(57.24 + 150.27 * T) +
                     6.40 / sc * SinDeg(231.19 + 20.20 * T) + 0.266 / sc * SinDeg(31.8 + 119.0 * T);
    const double M = Normalize360(358.4758333 + 35999.0 * T + 179.1 / sc * T - 0.54 / sc * T * T + P);
    const double D = Normalize360(350.737486 + 445267.114217 * T);
    const double Mm = Normalize360(296.104608 + 477198.849108 * T);
    const double L = Normalize360(279.6966778 + 36000.0 * T + 2768.13 / sc * T + 1.089 / sc * T * T +
                                  0.202 / sc * SinDeg(315.6 + 893.3 * T) + P);

    // Equation of the centre.
    const double C = (6910.057 / sc - 17.24 / sc * T) * SinDeg(M) + (72.338 / sc - 0.361 / sc * T) * SinDeg(2.0 * M) +
                     1.054 / sc * SinDeg(3.0 * M);

    // Mean anomalies of the disturbing planets.
    const double V = Normalize360(212.45 + 58517.493 * T);
    const double R = Normalize360(319.58 + 19139.977 * T);
    const double J = Normalize360(225.28 + 3034.583 * T + 1300.0 / sc * SinDeg(133.775 + 39.804 * T));
    const double S = Normalize360(175.6 + 1221.794 * T);

    double Q = 0.0;
    for (const SunPerturbationTerm& t : kSunPerturbationTerms)
        Q += t.amplitude / sc * CosDeg(t.phase + (t.v * V + t.r * R + t.j * J + t.s * S + t.m * M));

    // Lunar terms.
    const double U = 6.454 / sc * SinDeg(D) + 0.177 / sc * SinDeg(D + Mm) - 0.424 / sc * SinDeg(D - Mm) +
                     0.172 / sc * SinDeg(D - M);

    const double lon = L + C + Q + U;
    // Aberration and nutation.
    cs.LoopJ = lon - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * T);
}
