// How the great-planet perturbations change the working elements and the
// shared registers they leave behind.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"

namespace {
struct Elements {
    double L, M, Pl, Pa, e, a;
};

void Load(ChartState& cs, const Elements& el) {
    cs.MeanLongitude = el.L;
    cs.CalcMonth = el.M;
    cs.PerihelionLongitude = el.Pl;
    cs.PerihelionArg = el.Pa;
    cs.Eccentricity = el.e;
    cs.SemiMajorAxis() = el.a;
}

// The order of application: B / e taken with the eccentricity from before
// De is added, the same B / e on both perihelion values.
void ExpectApplied(const ChartState& cs, const Elements& el, double meanAnomaly) {
    const double bOverE = cs.PertPerihelion / el.e;
    EXPECT_DOUBLE_EQ(cs.MeanLongitude, el.L + cs.PertLongitude);
    EXPECT_DOUBLE_EQ(cs.CalcMonth, meanAnomaly + cs.PertLongitude - bOverE);
    EXPECT_DOUBLE_EQ(cs.PerihelionLongitude, el.Pl + bOverE);
    EXPECT_DOUBLE_EQ(cs.PerihelionArg, el.Pa + bOverE);
    EXPECT_DOUBLE_EQ(cs.Eccentricity, el.e + cs.PertEccentricity);
    EXPECT_DOUBLE_EQ(cs.SemiMajorAxis(), el.a + cs.PertSemiAxis);
}
}  // namespace

TEST(PlanetPerturbations, ArgumentsAtTheEpochAreNotReduced) {
    ChartState cs;
    cs.TimeCenturies = 0.0;
    CalcPerturbationArgs(cs);
    EXPECT_DOUBLE_EQ(cs.PertNu, 0.1);
    EXPECT_DOUBLE_EQ(cs.SignOrCode, 265.9165);
    EXPECT_DOUBLE_EQ(cs.LoopK, 265.9165 - 237.47555);
    EXPECT_NEAR(cs.PertV, 5 * 265.9165 - 2 * 237.47555, 1e-9);
    EXPECT_GT(cs.PertV, 360.0);
    EXPECT_NEAR(cs.PertW, 2 * 237.47555 - 6 * 265.9165 + 3 * 243.51721, 1e-9);
    EXPECT_LT(cs.PertW, 0.0);
    EXPECT_DOUBLE_EQ(cs.PertPsi, 243.51721 - 265.9165);
}

TEST(PlanetPerturbations, JupiterAndSaturnCorrectElementsInOrder) {
    const Elements el{238.0, 120.0, 14.0, 275.0, 0.048, 5.2};
    for (int body : {5, 6}) {
        ChartState cs;
        cs.TimeCenturies = 0.37;
        cs.PertExtraLongitude = 99.0;
        Load(cs, el);
        if (body == 5)
            PerturbJupiter(cs);
        else
            PerturbSaturn(cs);
        ExpectApplied(cs, el, el.M);
        // The arguments of the moment stay behind in the shared registers.
        const double P = 237.47555 + 3034.9061 * 0.37, Q = 265.9165 + 1222.1139 * 0.37;
        EXPECT_DOUBLE_EQ(cs.SignOrCode, Q);
        EXPECT_DOUBLE_EQ(cs.LoopK, Q - P);
        EXPECT_DOUBLE_EQ(cs.PertExtraLongitude, 99.0);
        // Sizes: tenths of a degree and thousandths of an AU at most.
        EXPECT_LT(std::fabs(cs.PertLongitude), body == 5 ? 0.6 : 1.5);
        EXPECT_LT(std::fabs(cs.PertEccentricity), 0.01);
        EXPECT_LT(std::fabs(cs.PertSemiAxis), 0.06);
        EXPECT_NE(cs.PertSemiAxis, 0.0);
    }
}

TEST(PlanetPerturbations, RecomputingAPlanetDoesNotAccumulate) {
    ChartState cs;
    InitOrbitalElements(cs);
    cs.TimeCenturies = 1.17;
    cs.CurrentBody = 1;
    CalcOuterPlanet(cs);
    for (int body : {5, 6, 7, 8}) {
        cs.CurrentBody = body;
        CalcOuterPlanet(cs);
        const double lon = cs.GeoLongitude, e = cs.Eccentricity, M = cs.CalcMonth;
        CalcOuterPlanet(cs);
        EXPECT_EQ(cs.GeoLongitude, lon) << body;
        EXPECT_EQ(cs.Eccentricity, e) << body;
        EXPECT_EQ(cs.CalcMonth, M) << body;
    }
}

TEST(PlanetPerturbations, UranusUsesItsOwnMeanAnomaly) {
    const Elements el{244.0, 12345.0, 171.0, 98.0, 0.046, 19.2};
    ChartState cs;
    cs.TimeCenturies = 0.0;
    Load(cs, el);
    PerturbUranus(cs);
    EXPECT_DOUBLE_EQ(cs.PertG, 83.76922);
    EXPECT_DOUBLE_EQ(cs.PertH, 2 * 83.76922 - 243.51721);
    EXPECT_DOUBLE_EQ(cs.PertTheta, 83.76922 - 243.51721);
    EXPECT_DOUBLE_EQ(cs.LoopK, 243.51721 - 237.47555);
    EXPECT_DOUBLE_EQ(cs.CalcHourAngle, 243.51721 - 265.9165);
    ExpectApplied(cs, el, 72.64878);
    EXPECT_DOUBLE_EQ(cs.UranusMeanAnomaly, cs.CalcMonth);
    // The single semi-axis term is in AU as it stands.
    EXPECT_DOUBLE_EQ(cs.PertSemiAxis, -0.003825 * CosDeg(cs.PertH));
    EXPECT_NE(cs.PertExtraLongitude, 0.0);
    EXPECT_LT(std::fabs(cs.PertExtraLongitude), 0.15);
}

TEST(PlanetPerturbations, NeptuneUsesItsOwnMeanAnomaly) {
    const Elements el{84.0, -500.0, 47.0, 276.0, 0.009, 30.1};
    ChartState cs;
    cs.TimeCenturies = 0.0;
    Load(cs, el);
    PerturbNeptune(cs);
    EXPECT_DOUBLE_EQ(cs.LoopK, 83.76922 - 237.47555);
    EXPECT_DOUBLE_EQ(cs.CalcHourAngle, 83.76922 - 265.9165);
    ExpectApplied(cs, el, 37.73063);
    EXPECT_DOUBLE_EQ(cs.NeptuneMeanAnomaly, cs.CalcMonth);
    const double H = cs.PertH;
    // At 1900 the coefficient polynomials are taken at nu = 0.1.
    const double A = (-0.589833 + 0.001089 * 0.1) * SinDeg(H) + (-0.056094 + 0.004658 * 0.1) * CosDeg(H) -
                     0.024286 * SinDeg(2 * H);
    EXPECT_NEAR(cs.PertLongitude, A, 1e-15);
    EXPECT_NEAR(cs.PertSemiAxis, (-817 * SinDeg(H) + 8189 * CosDeg(H) + 781 * CosDeg(2 * H)) / 1e6, 1e-15);
    const double G = cs.PertG, theta = cs.PertTheta;
    const double direct = -0.009556 * SinDeg(cs.LoopK) - 0.005178 * SinDeg(cs.CalcHourAngle) +
                          0.002572 * SinDeg(2 * theta) - 0.002972 * CosDeg(2 * theta) * SinDeg(G) -
                          0.002833 * SinDeg(2 * theta) * CosDeg(G);
    EXPECT_NEAR(cs.PertExtraLongitude, direct, 1e-15);
}
