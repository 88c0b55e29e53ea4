// Periodic corrections of the mean elements of Jupiter, Saturn, Uranus and
// Neptune, applied before Kepler's equation is solved. Each routine sums its
// term tables into the corrections A (mean longitude), De (eccentricity),
// B (perihelion, divided by e) and Da (semi-major axis).
#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/jupiter_saturn_terms.h"
#include "chart/planet_theory.h"
#include "chart/uranus_neptune_terms.h"

using namespace planet_terms;

namespace {
// Eccentricity terms are in units of 1e-7, semi-axis terms in 1e-6 AU.
constexpr double kEccentricityUnit = 10000000.0;
constexpr double kSemiAxisUnit = 1000000.0;

ArgValues CurrentArgs(const ChartState& cs) {
    ArgValues a;
    a.Value[V] = cs.PertV;
    a.Value[W] = cs.PertW;
    a.Value[Zeta] = cs.LoopK;
    a.Value[Q] = cs.SignOrCode;
    a.Value[Psi] = cs.PertPsi;
    a.Value[H] = cs.PertH;
    a.Value[S] = cs.PertS;
    a.Value[Eta] = cs.CalcHourAngle;
    a.Value[Theta] = cs.PertTheta;
    a.Value[G] = cs.PertG;
    return a;
}

// Corrections to the elements other than the mean anomaly, with e the
// eccentricity before De is added.
void ApplyElementCorrections(ChartState& cs, double bOverE) {
    cs.PerihelionLongitude = cs.PerihelionLongitude + bOverE;
    cs.PerihelionArg = cs.PerihelionArg + bOverE;
    cs.Eccentricity = cs.Eccentricity + cs.PertEccentricity;
    cs.SemiMajorAxis() = cs.SemiMajorAxis() + cs.PertSemiAxis;
}

template <std::size_t NA, std::size_t NE, std::size_t NB, std::size_t ND>
void PerturbGreatPlanet(ChartState& cs, const PerturbationTerm (&a)[NA], const PerturbationTerm (&e)[NE],
                        const PerturbationTerm (&b)[NB], const PerturbationTerm (&d)[ND]) {
    CalcPerturbationArgs(cs);
    TrigTable table(CurrentArgs(cs));
    const double nu = cs.PertNu;
    cs.PertLongitude = SumTerms(a, table, nu);
    cs.PertEccentricity = SumTerms(e, table, nu) / kEccentricityUnit;
    cs.PertPerihelion = SumTerms(b, table, nu);
    cs.PertSemiAxis = SumTerms(d, table, nu) / kSemiAxisUnit;

    const double bOverE = cs.PertPerihelion / cs.Eccentricity;
    cs.MeanLongitude = cs.MeanLongitude + cs.PertLongitude;
    cs.CalcMonth = cs.CalcMonth + cs.PertLongitude - bOverE;
    ApplyElementCorrections(cs, bOverE);
}

// The shared opening of the Uranus and Neptune routines: G and H.
void SetOuterArgs(ChartState& cs) {
    CalcPerturbationArgs(cs);
    const double T = cs.TimeCenturies;
    cs.PertG = 83.76922 + 218.4901 * T;
    cs.PertH = 2.0 * cs.PertG - cs.PertS;
    cs.PertTheta = cs.PertG - cs.PertS;
}

// Sums A, De, B and Da; applies them with the planet's own mean anomaly,
// which replaces the one derived from the element table. Returns the
// corrected mean anomaly.
template <std::size_t NA, std::size_t NE, std::size_t NB, std::size_t ND>
double ApplyOuterCorrections(ChartState& cs, TrigTable& table, double meanAnomaly, const PerturbationTerm (&a)[NA],
                             const PerturbationTerm (&e)[NE], const PerturbationTerm (&b)[NB],
                             const PerturbationTerm (&d)[ND], double semiAxisUnit) {
    const double nu = cs.PertNu;
    cs.PertLongitude = SumTerms(a, table, nu);
    cs.PertEccentricity = SumTerms(e, table, nu) / kEccentricityUnit;
    cs.PertPerihelion = SumTerms(b, table, nu);
    cs.PertSemiAxis = SumTerms(d, table, nu) / semiAxisUnit;

    const double bOverE = cs.PertPerihelion / cs.Eccentricity;
    cs.MeanLongitude = cs.MeanLongitude + cs.PertLongitude;
    meanAnomaly = meanAnomaly + cs.PertLongitude - bOverE;
    cs.CalcMonth = meanAnomaly;
    ApplyElementCorrections(cs, bOverE);
    return meanAnomaly;
}
}  // namespace

void CalcPerturbationArgs(ChartState& cs) {
    const double T = cs.TimeCenturies;
    cs.PertNu = T / 5.0 + 0.1;
    cs.PertP = 237.47555 + 3034.9061 * T;
    cs.SignOrCode = 265.9165 + 1222.1139 * T;
    cs.PertS = 243.51721 + 428.4677 * T;
    const double P = cs.PertP, Q = cs.SignOrCode, S = cs.PertS;
    cs.PertV = 5.0 * Q - 2.0 * P;
    cs.PertW = 2.0 * P - 6.0 * Q + 3.0 * S;
    cs.LoopK = Q - P;
    cs.PertPsi = S - Q;
}

void PerturbJupiter(ChartState& cs) {
    PerturbGreatPlanet(cs, kJupiterA, kJupiterEccentricity, kJupiterB, kJupiterSemiAxis);
}

void PerturbSaturn(ChartState& cs) {
    PerturbGreatPlanet(cs, kSaturnA, kSaturnEccentricity, kSaturnB, kSaturnSemiAxis);
}

void PerturbUranus(ChartState& cs) {
    SetOuterArgs(cs);
    const double T = cs.TimeCenturies;
    cs.UranusMeanAnomaly = 72.64878 + 428.37911 * T + 0.000079 * T * T;
    cs.LoopK = cs.PertS - cs.PertP;
    cs.CalcHourAngle = cs.PertS - cs.SignOrCode;
    // The element corrections leave the arguments as they are: one table
    // serves the direct correction too. The single semi-axis term is
    // already in AU.
    TrigTable table(CurrentArgs(cs));
    cs.UranusMeanAnomaly = ApplyOuterCorrections(cs, table, cs.UranusMeanAnomaly, kUranusA, kUranusEccentricity,
                                                 kUranusB, kUranusSemiAxis, 1.0);
    cs.PertExtraLongitude = SumTerms(kUranusDirect, table, cs.PertNu);
}

void PerturbNeptune(ChartState& cs) {
    SetOuterArgs(cs);
    const double T = cs.TimeCenturies;
    cs.NeptuneMeanAnomaly = 37.73063 + 218.46134 * T - 0.00007 * T * T;
    cs.LoopK = cs.PertG - cs.PertP;
    cs.CalcHourAngle = cs.PertG - cs.SignOrCode;
    TrigTable table(CurrentArgs(cs));
    cs.NeptuneMeanAnomaly = ApplyOuterCorrections(cs, table, cs.NeptuneMeanAnomaly, kNeptuneA, kNeptuneEccentricity,
                                                  kNeptuneB, kNeptuneSemiAxis, kSemiAxisUnit);
    cs.PertExtraLongitude = SumTerms(kNeptuneDirect, table, cs.PertNu);
}
