#include "chart/moon_theory.h"

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"

// Summed in this order. The argument M' - 4D appears three times: three
// separate terms.
const std::array<MoonLongitudeTerm, 71> kMoonLongitudeTerms = {{
    {0, 0, 1, 0, 22639.55},  // 1: M'
    {0, 0, 2, 0, 769.02},  // 2: 2M'
    {1, 0, 0, 0, -125.15},  // 3: D
    {2, 0, 0, 0, 2369.912},  // 4: 2D
    {0, 1, 0, 0, -668.15},  // 5: M
    {0, 0, 0, 2, -411.61},  // 6: 2F
    {2, 0, -2, 0, 211.66},  // 7: 2D - 2M'
    {2, 0, -1, 0, 4586.47},  // 8: 2D - M'
    {2, 0, 1, 0, 191.95},  // 9: 2D + M'
    {2, -1, 0, 0, 165.15},  // 10: 2D - M
    {2, -1, -1, 0, 205.96},  // 11: 2D - M - M'
    {0, 1, 1, 0, -109.67},  // 12: M + M'
    {0, -1, 1, 0, 147.69},  // 13: M' - M
    {-2, 0, 0, 2, -55.17},  // 14: 2F - 2D
    {0, 0, 1, 2, -45.099},  // 15: M' + 2F
    {0, 0, 1, -2, 39.53},  // 16: M' - 2F
    {-4, 0, 1, 0, -38.43},  // 17: M' - 4D
    {0, 0, 3, 0, 36.12},  // 18: 3M'
    {-4, 0, 2, 0, -30.77},  // 19: 2M' - 4D
    {-2, -1, 1, 0, 28.48},  // 20: M' - 2D - M
    {2, 1, 0, 0, -24.42},  // 21: 2D + M
    {-1, 0, 1, 0, 18.61},  // 22: M' - D
    {1, 1, 0, 0, 18.02},  // 23: D + M
    {2, -1, 1, 0, 14.58},  // 24: 2D + M' - M
    {2, 0, 2, 0, 14.39},  // 25: 2D + 2M'
    {4, 0, 0, 0, 13.9},  // 26: 4D
    {-2, 0, 3, 0, -13.19},  // 27: 3M' - 2D
    {0, -1, 2, 0, 9.7},  // 28: 2M' - M
    {-2, 0, 1, -2, 9.37},  // 29: M' - 2D - 2F
    {-2, 1, 2, 0, -8.63},  // 30: M + 2M' - 2D
    {1, 0, 1, 0, -8.47},  // 31: D + M'
    {-2, 2, 0, 0, -8.096},  // 32: 2M - 2D
    {0, 1, 2, 0, -7.65},  // 33: M + 2M'
    {0, 2, 0, 0, -7.49},  // 34: 2M
    {-2, 2, 1, 0, -7.41},  // 35: 2M + M' - 2D
    {2, 0, 1, -2, -6.38},  // 36: 2D + M' - 2F
    {2, 0, 0, 2, -5.74},  // 37: 2D + 2F
    {-4, 1, 1, 0, -4.39},  // 38: M + M' - 4D
    {0, 0, 2, 2, -3.99},  // 39: 2M' + 2F
    {-3, 0, 1, 0, 3.22},  // 40: M' - 3D
    {2, 1, 1, 0, -2.92},  // 41: 2D + M + M'
    {-4, 1, 2, 0, -2.74},  // 42: M + 2M' - 4D
    {-2, -1, 2, 0, -2.49},  // 43: 2M' - 2D - M
    {0, -2, 1, 0, 2.58},  // 44: M' - 2M
    {-2, -2, 1, 0, 2.53},  // 45: M' - 2D - 2M
    {-2, 1, 0, 2, -2.15},  // 46: M + 2F - 2D
    {-4, 0, 1, 0, 1.98},  // 47: M' - 4D
    {0, 0, 4, 0, 1.94},  // 48: 4M'
    {-4, 1, 0, 0, -1.88},  // 49: M - 4D
    {-1, 0, 2, 0, 1.75},  // 50: 2M' - D
    {2, 1, 0, -2, -1.44},  // 51: 2D + M - 2F
    {0, 0, 2, -2, -1.298},  // 52: 2M' - 2F
    {1, 1, 1, 0, 1.27},  // 53: D + M + M'
    {-3, 0, 2, 0, 1.23},  // 54: 2M' - 3D
    {-4, 0, 3, 0, -1.19},  // 55: 3M' - 4D
    {2, -1, 2, 0, 1.18},  // 56: 2D + 2M' - M
    {0, 2, 1, 0, -1.17},  // 57: 2M + M'
    {-1, -1, 1, 0, -1.09},  // 58: M' - D - M
    {2, 0, 3, 0, 1.06},  // 59: 2D + 3M'
    {1, 0, 2, 0, -0.59},  // 60: D + 2M'
    {2, 0, 1, 2, -0.99},  // 61: 2D + M' + 2F
    {-2, 0, 4, 0, -0.95},  // 62: 4M' - 2D
    {-6, 0, 2, 0, -0.57},  // 63: 2M' - 6D
    {-4, 0, 1, 0, 0.64},  // 64: M' - 4D
    {-1, 1, 0, 0, 0.56},  // 65: M - D
    {2, -2, 1, 0, 0.76},  // 66: 2D + M' - 2M
    {-1, 0, 0, 2, 0.58},  // 67: 2F - D
    {0, 1, 3, 0, -0.55},  // 68: M + 3M'
    {0, -1, 3, 0, 0.68},  // 69: 3M' - M
    {-2, 0, 2, 2, 0.557},  // 70: 2M' + 2F - 2D
    {-2, 0, 2, -2, 0.538},  // 71: 2M' - 2D - 2F
}};

void CalcMoon(ChartState& cs) {
    const double T = cs.TimeCenturies, T2 = T * T, T3 = T2 * T;

    // Mean elements.
    double Lp = 270.434164 + 481267.883142 * T - 0.001133 * T2 + 0.0000019 * T3;
    double Mp = 296.104608 + 477198.849108 * T + 0.009192 * T2 + 0.0000144 * T3;
    double Om = 259.183275 - 1934.142008 * T + 0.002078 * T2 + 0.0000022 * T3;
    double L = 279.696678 + 36000.768925 * T + 0.000303 * T2;
    double M = 358.475833 + 35999.04975 * T - 0.00015 * T2 - 0.0000033 * T3;

    // True node sum in arc seconds, from the unreduced elements.
    {
        const double D = Lp - L, F = Lp - Om;
        const double N = 3600.0 * Om + 5392.0 * SinDeg(2.0 * (L - Om)) - 541.0 * SinDeg(M) - 442.0 * SinDeg(2.0 * D) +
                         423.0 * SinDeg(2.0 * F) - 291.0 * SinDeg(2.0 * Mp - 2.0 * F);
        cs.MoonTrueNode = N / 3600.0;
    }

    Lp = Normalize360(Lp);
    Mp = Normalize360(Mp);
    Om = Normalize360(Om);
    L = Normalize360(L);
    M = Normalize360(M);
    const double D = Lp - L, F = Lp - Om;

    cs.SignOrCode = 3600.0;

    // Nutation in longitude.
    const double dPsi = (-17.2 * SinDeg(Om) + 0.206 * SinDeg(2.0 * Om) - 1.319 * SinDeg(2.0 * L) + 0.143 * SinDeg(M) -
                         0.227 * SinDeg(2.0 * Lp) + 0.071 * SinDeg(Mp)) /
                        3600.0;

    double sum = 0.0;
    for (const MoonLongitudeTerm& t : kMoonLongitudeTerms)
        sum += t.coefficient * SinDeg(t.d * D + t.m * M + t.mp * Mp + t.f * F);
    const double lambda = sum / 3600.0 + dPsi + Lp;
    cs.LoopJ = lambda;
    cs.LoopI = Om;

    // Latitude from the perturbed argument of latitude.
    const double S = Normalize360(lambda) - Om + 0.114 * SinDeg(2.0 * F) + 0.15 * SinDeg(M);
    const double H = 2.0 * L - Lp - Om;
    cs.MoonLatitude = (18519.7 * SinDeg(S) - 526.1 * SinDeg(H) + 44.3 * SinDeg(H + Mp) - 30.6 * SinDeg(H - Mp) -
                       22.6 * SinDeg(H + M) + 11.0 * SinDeg(H - M) - 24.6 * SinDeg(F - 2.0 * Mp) +
                       20.6 * SinDeg(F - Mp)) /
                      3600.0;
}
