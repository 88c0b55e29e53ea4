// Planet positions from mean elements: the element evaluation, Kepler's
// equation, heliocentric ecliptic coordinates and the change of origin from
// the Sun to the Earth.
#include <cmath>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"

namespace {
// Kepler's equation is solved to this many degrees.
constexpr double kKeplerTolerance = 0.0000001;
// Newton's method converges in a handful of steps for planetary
// eccentricities; the cap only keeps a non-finite input from looping forever.
constexpr int kKeplerMaxSteps = 100;

constexpr int kEarth = 1;
constexpr int kPluto = 9;

const std::array<double, 12>* LinearSet(const ChartState& cs, int body) {
    switch (body) {
        case 1: return &cs.ElementsEarth;
        case 2: return &cs.ElementsMercury;
        case 3: return &cs.ElementsVenus;
        case 4: return &cs.ElementsMars;
        default: return nullptr;
    }
}

const std::array<double, 22>* CubicSet(const ChartState& cs, int body) {
    switch (body) {
        case 1: return &cs.ElementsEarth1900;
        case 5: return &cs.ElementsJupiter;
        case 6: return &cs.ElementsSaturn;
        case 7: return &cs.ElementsUranus;
        case 8: return &cs.ElementsNeptune;
        default: return nullptr;
    }
}

// x0 + x1 T + x2 T^2 + x3 T^3 from four table entries starting at first.
double Cubic(const std::array<double, 22>& t, int first, double T) {
    return t[first] + t[first + 1] * T + t[first + 2] * T * T + t[first + 3] * T * T * T;
}
}  // namespace

void InnerPlanetElements(ChartState& cs) {
    const std::array<double, 12>* set = LinearSet(cs, cs.CurrentBody);
    if (set == nullptr) return;
    const std::array<double, 12>& t = *set;
    const double T = cs.TimeCenturies;
    cs.SemiMajorAxis() = t[1];
    cs.Eccentricity = t[2] + t[3] * T;
    cs.Inclination = t[4] + t[5] * T;
    cs.NodeLongitude = t[6] + t[7] * T;
    cs.PerihelionLongitude = t[8] + t[9] * T;
    cs.CalcMonth = t[10] + t[11] * T;
    cs.PerihelionArg = cs.PerihelionLongitude - cs.NodeLongitude;
    cs.SemiMajorAxis() = cs.SemiMajorAxis() * cs.KmPerAU;
    SolveKepler(cs);
}

void CalcOuterPlanet(ChartState& cs) {
    const int body = cs.CurrentBody;
    if (body == kPluto) {
        CalcPlutoSeries(cs);
        HelioToGeocentric(cs);
        return;
    }
    const std::array<double, 22>* set = CubicSet(cs, body);
    if (set == nullptr) return;
    const std::array<double, 22>& t = *set;
    const double T = cs.TimeCenturies;
    cs.MeanLongitude = Cubic(t, 1, T);
    cs.SemiMajorAxis() = t[5];
    cs.Eccentricity = Cubic(t, 6, T);
    cs.Inclination = Cubic(t, 10, T);
    cs.PerihelionArg = Cubic(t, 14, T);
    cs.NodeLongitude = Cubic(t, 18, T);
    cs.PerihelionLongitude = Normalize360(cs.PerihelionArg + cs.NodeLongitude);
    cs.CalcMonth = Normalize360(cs.MeanLongitude - cs.PerihelionLongitude);
    // The Earth's set is the Sun's mean longitude: turn it round.
    if (body == kEarth) cs.CalcMonth = cs.CalcMonth + 180.0;
    switch (body) {
        case 5: PerturbJupiter(cs); break;
        case 6: PerturbSaturn(cs); break;
        case 7: PerturbUranus(cs); break;
        case 8: PerturbNeptune(cs); break;
        default: break;
    }
    cs.SemiMajorAxis() = cs.SemiMajorAxis() * cs.KmPerAU;
    SolveKepler(cs);
}

void SolveKepler(ChartState& cs) {
    const double e = cs.Eccentricity;
    const double M = cs.CalcMonth;
    const double eDegrees = e * 180.0 / cs.Pi;
    double E = M;
    double next = M;
    for (int step = 0; step < kKeplerMaxSteps; ++step) {
        double sinE, cosE;
        SinCosDeg(E, sinE, cosE);
        next = E + (M - E + eDegrees * sinE) / (1.0 - e * cosE);
        if (std::fabs(next - E) < kKeplerTolerance) break;
        E = next;
    }
    cs.EccentricAnomaly = next;
    E = next;

    cs.VectorLength = cs.SemiMajorAxis() * (1.0 - e * CosDeg(E));
    if (cs.CurrentBody == kEarth)
        cs.EarthRadius = cs.VectorLength;
    else
        cs.PlanetRadius = cs.VectorLength;

    double sinHalf, cosHalf;
    SinCosDeg(E / 2.0, sinHalf, cosHalf);
    cs.TrueAnomaly = Normalize360(RadToDeg(2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * (sinHalf / cosHalf))));
    cs.ArgLatitude = cs.PerihelionArg + cs.TrueAnomaly;
    HelioEclipticCoords(cs);

    if (cs.CurrentBody == kEarth) {
        cs.EarthHelioLongitude = cs.HelioLongitude;
        cs.EarthHelioLatitude = cs.HelioLatitude;
        return;
    }
    cs.PlanetHelioLongitude = cs.HelioLongitude;
    cs.PlanetHelioLatitude = cs.HelioLatitude;
    HelioToGeocentric(cs);
}

void HelioEclipticCoords(ChartState& cs) {
    const double u = cs.ArgLatitude;
    const double i = cs.Inclination;
    double sinU, cosU, sinI, cosI;
    SinCosDeg(u, sinU, cosU);
    SinCosDeg(i, sinI, cosI);
    cs.LoopJ = cosU;
    cs.LoopI = sinU * cosI;
    cs.LoopK = sinU * sinI;
    ArcTan2Deg(cs);
    cs.HelioLongitude = cs.SphereLongitude + cs.NodeLongitude;
    cs.HelioLatitude = cs.SphereLatitude;
}

void HelioToGeocentric(ChartState& cs) {
    double r = cs.PlanetRadius;
    double l = cs.PlanetHelioLongitude;
    double b = cs.PlanetHelioLatitude;
    if (cs.CurrentBody == kPluto) {
        r = cs.PlutoHelioRadius * cs.KmPerAU;
        l = cs.PlutoHelioLongitude;
        b = cs.PlutoHelioLatitude;
    }
    const double R = cs.EarthRadius;
    const double L = cs.EarthHelioLongitude;
    const double B = cs.EarthHelioLatitude;
    double sb, cb, sl, cl, sB, cB, sL, cL;
    SinCosDeg(b, sb, cb);
    SinCosDeg(l, sl, cl);
    SinCosDeg(B, sB, cB);
    SinCosDeg(L, sL, cL);
    cs.LoopJ = r * cb * cl - R * cB * cL;
    cs.LoopI = r * cb * sl - R * cB * sL;
    cs.LoopK = r * sb - R * sB;
    ArcTan2Deg(cs);
    cs.GeoLongitude = cs.SphereLongitude;
    cs.GeoLatitude = cs.SphereLatitude;
}
