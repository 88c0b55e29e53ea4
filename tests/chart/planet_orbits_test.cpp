// Element evaluation, Kepler's equation and the coordinate conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"

namespace {
ChartState Prepared() {
    ChartState cs;
    InitOrbitalElements(cs);
    return cs;
}

// Sets up a circular or elliptic orbit of the Earth directly.
void SetOrbit(ChartState& cs, double e, double M, double w, double i, double node, double a) {
    cs.CurrentBody = 1;
    cs.Eccentricity = e;
    cs.CalcMonth = M;
    cs.PerihelionArg = w;
    cs.Inclination = i;
    cs.NodeLongitude = node;
    cs.SemiMajorAxis() = a;
}
}  // namespace

TEST(PlanetOrbits, MeanElementsAtTheEpochs) {
    ChartState cs = Prepared();
    cs.TimeCenturies = 0.0;
    cs.CurrentBody = 2;
    InnerPlanetElements(cs);
    EXPECT_DOUBLE_EQ(cs.CalcMonth, 174.7947);
    EXPECT_DOUBLE_EQ(cs.PerihelionArg, 77.4552 - 48.331);
    EXPECT_DOUBLE_EQ(cs.SemiMajorAxis(), 0.387099 * cs.KmPerAU);

    cs.CurrentBody = 5;
    CalcOuterPlanet(cs);
    // Before their perturbations: L and e at 1900.
    EXPECT_NEAR(cs.MeanLongitude - cs.PertLongitude, 238.049257, 1e-12);
    EXPECT_NEAR(cs.Eccentricity - cs.PertEccentricity, 0.04833475, 1e-15);
    // The semi-major axis lives in the plane-angle register, in km by now.
    EXPECT_NEAR(cs.PolarAngle, (5.202561 + cs.PertSemiAxis) * cs.KmPerAU, 1e-3);
}

TEST(PlanetOrbits, EarthMeanAnomalyIsTurnedHalfACircle) {
    ChartState cs = Prepared();
    cs.TimeCenturies = 0.5;
    cs.CurrentBody = 1;
    CalcOuterPlanet(cs);
    const double L = 279.696678 + 36000.768925 * 0.5 + 0.0003025 * 0.25;
    const double w = 101.22085 + 1.71917 * 0.5 + 0.0004525 * 0.25 + 0.0000033 * 0.125;
    EXPECT_NEAR(cs.CalcMonth, Normalize360(L - w) + 180.0, 1e-9);

    // Both element sets place the Earth alike.
    const double cubic = Normalize360(cs.EarthHelioLongitude);
    cs.TimeCenturies = (2415020.0 + 0.5 * 36525.0 - 2451545.0) / 36525.0;
    InnerPlanetElements(cs);
    EXPECT_NEAR(cubic, Normalize360(cs.EarthHelioLongitude), 0.02);
    EXPECT_NEAR(cs.EarthHelioLatitude, 0.0, 1e-12);
}

TEST(PlanetOrbits, KeplerSolution) {
    ChartState cs = Prepared();
    // e = 0: the first step already lands on E = M.
    SetOrbit(cs, 0.0, 123.4, 0, 0, 0, 1000.0);
    SolveKepler(cs);
    EXPECT_DOUBLE_EQ(cs.EccentricAnomaly, 123.4);
    EXPECT_NEAR(cs.TrueAnomaly, 123.4, 1e-9);
    EXPECT_DOUBLE_EQ(cs.EarthRadius, 1000.0);

    // A strongly eccentric orbit satisfies Kepler's equation in degrees.
    for (double M : {3.0, 95.0, 181.0, 359.0, 14999.0}) {
        SetOrbit(cs, 0.2056, M, 0, 0, 0, 1000.0);
        SolveKepler(cs);
        const double E = cs.EccentricAnomaly;
        EXPECT_NEAR(E - RadToDeg(0.2056) * SinDeg(E), M, 1e-6) << M;
        EXPECT_NEAR(cs.EarthRadius, 1000.0 * (1 - 0.2056 * CosDeg(E)), 1e-9);
        EXPECT_GE(cs.TrueAnomaly, 0.0);
        EXPECT_LT(cs.TrueAnomaly, 360.0);
    }

    // A non-finite element ends the iteration instead of looping forever.
    SetOrbit(cs, std::numeric_limits<double>::quiet_NaN(), 10.0, 0, 0, 0, 1.0);
    SolveKepler(cs);
    EXPECT_TRUE(std::isnan(cs.EccentricAnomaly));
}

TEST(PlanetOrbits, HeliocentricCoordinates) {
    ChartState cs = Prepared();
    // A circle in the ecliptic: latitude 0, longitude u + node, unreduced.
    SetOrbit(cs, 0.0, 200.0, 100.0, 0.0, 80.0, 1.0);
    SolveKepler(cs);
    // (The short pi literal leaves a few 1e-8 degree in the anomaly.)
    EXPECT_NEAR(cs.ArgLatitude, 300.0, 1e-6);
    EXPECT_NEAR(cs.HelioLongitude, 380.0, 1e-6);
    EXPECT_NEAR(cs.HelioLatitude, 0.0, 1e-12);
    EXPECT_NEAR(cs.EarthHelioLongitude, 380.0, 1e-6);

    // An inclined orbit at 90 degrees past the node reaches latitude i.
    SetOrbit(cs, 0.0, 90.0, 0.0, 7.0, 48.0, 1.0);
    SolveKepler(cs);
    EXPECT_NEAR(cs.HelioLatitude, 7.0, 1e-6);
    EXPECT_NEAR(cs.HelioLongitude, 138.0, 1e-6);
}

TEST(PlanetOrbits, GeocentricConversionMovesTheOrigin) {
    ChartState cs = Prepared();
    cs.EarthRadius = 1.0;
    cs.EarthHelioLongitude = 0.0;
    cs.EarthHelioLatitude = 0.0;
    cs.CurrentBody = 3;
    cs.PlanetRadius = 2.0;
    cs.PlanetHelioLongitude = 90.0;
    cs.PlanetHelioLatitude = 0.0;
    HelioToGeocentric(cs);
    EXPECT_NEAR(cs.GeoLongitude, RadToDeg(std::atan2(2.0, -1.0)), 1e-7);
    EXPECT_NEAR(cs.GeoLatitude, 0.0, 1e-12);

    // Seen from an Earth at the Sun, a planet keeps its heliocentric place.
    cs.EarthRadius = 0.0;
    cs.PlanetHelioLongitude = 250.0;
    cs.PlanetHelioLatitude = -3.0;
    HelioToGeocentric(cs);
    EXPECT_NEAR(cs.GeoLongitude, 250.0, 1e-7);
    EXPECT_NEAR(cs.GeoLatitude, -3.0, 1e-7);
}

TEST(PlanetOrbits, PlutoSeriesAndItsConversion) {
    ChartState cs = Prepared();
    cs.TimeCenturies = 2.0;
    CalcPlutoSeries(cs);
    // Not reduced: towards 2100 the longitude runs past a full circle.
    EXPECT_GT(cs.PlutoHelioLongitude, 360.0);
    EXPECT_GT(cs.PlutoHelioRadius, 29.0);
    EXPECT_LT(cs.PlutoHelioRadius, 50.0);
    EXPECT_LT(std::fabs(cs.PlutoHelioLatitude), 18.0);

    // Body 9 goes from the series straight to the geocentric place, the
    // radius turned from AU into the Earth's kilometres.
    cs.TimeCenturies = 1.0;
    cs.CurrentBody = 1;
    CalcOuterPlanet(cs);
    cs.CurrentBody = 9;
    CalcOuterPlanet(cs);
    const double r = cs.PlutoHelioRadius * cs.KmPerAU;
    const double l = cs.PlutoHelioLongitude, b = cs.PlutoHelioLatitude;
    const double x = r * CosDeg(b) * CosDeg(l) - cs.EarthRadius * CosDeg(cs.EarthHelioLongitude);
    const double y = r * CosDeg(b) * SinDeg(l) - cs.EarthRadius * SinDeg(cs.EarthHelioLongitude);
    EXPECT_NEAR(cs.GeoLongitude, Normalize360(RadToDeg(std::atan2(y, x))), 1e-7);
    // The parallax of one AU at Pluto's distance is under two degrees.
    EXPECT_LT(std::fabs(cs.GeoLongitude - Normalize360(l)), 2.0);
}
