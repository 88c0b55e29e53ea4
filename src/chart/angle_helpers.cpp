#include "chart/angle_helpers.h"

#include <cmath>

#include "chart/chart_state.h"

namespace {
// The chart formulas use this literal, not a more exact pi; DegToRad and
// RadToDeg are exact inverses of each other because of it.
constexpr double kPi = 3.1415926535;
// Stands in for an exact zero angle or ordinate so no division by zero follows.
constexpr double kZeroGuard = 1.74533e-09;

double Floor(double x) { return std::floor(x); }
}  // namespace

double SinDeg(double x) { return std::sin(x * kPi / 180.0); }
double CosDeg(double x) { return std::cos(x * kPi / 180.0); }
double TanD(double x) { return SinDeg(x) / CosDeg(x); }
void SinCosDeg(double x, double& s, double& c) {
    const double r = x * kPi / 180.0;
    s = std::sin(r);
    c = std::cos(r);
}
double DegToRad(double x) { return x * kPi / 180.0; }
double RadToDeg(double x) { return x * 180.0 / kPi; }

// Outside (-1, 1) the arcsine answers the nearest quadrant limit instead of a
// division by zero or the root of a negative number.
double ArcSin(double x) {
    if (x >= 1.0) return std::asin(1.0);
    if (x <= -1.0) return -std::asin(1.0);
    return std::atan(x / std::sqrt(1.0 - x * x));
}

// Range (-pi/2, pi/2]: for negative x the true arc cosine less pi, which the
// house formulas rely on. At x = 0 it answers pi/2; beyond 1 it is clamped.
double ArcCos(double x) {
    if (x == 0.0) return std::asin(1.0);
    if (x > 1.0) x = 1.0;
    if (x < -1.0) x = -1.0;
    return std::atan(std::sqrt(1.0 - x * x) / x);
}

double Mod360(double x) {
    double r = x - 360.0 * Floor(x / 360.0);
    // Rounding can leave exactly 360 for a tiny negative x; the circle's
    // start is 0.
    return r >= 360.0 ? 0.0 : r;
}

double Normalize360(double x) {
    double r;
    if (x >= 0)
        r = x - 360.0 * Floor(x / 360.0);
    else
        r = 360.0 + (x - 360.0 * (Floor(x / 360.0) + 1.0));
    return r >= 360.0 ? 0.0 : r;
}

double Round2(double x) { return Floor(x * 100.0 + 0.5) / 100.0; }
double HMToDecimal(double x) { return Floor(x) + (x - Floor(x)) * 100.0 / 60.0; }
double DecimalToHM(double x) { return Floor(x) + (x - Floor(x)) * 60.0 / 100.0; }
double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

void PolarToRect(ChartState& cs) {
    if (cs.PolarAngle == 0.0) cs.PolarAngle = kZeroGuard;
    cs.RectX = std::cos(cs.PolarAngle) * cs.VectorLength;
    cs.LoopI = std::sin(cs.PolarAngle) * cs.VectorLength;
}

void RectToPolar(ChartState& cs) {
    if (cs.LoopI == 0.0) cs.LoopI = kZeroGuard;
    const double x = cs.RectX, y = cs.LoopI;
    cs.VectorLength = std::pow(x * x + y * y, 0.5);
    if (x == 0.0) {
        // On the y axis: a quarter or three quarters of the circle.
        cs.PolarAngle = y > 0 ? cs.Pi / 2.0 : 3.0 * cs.Pi / 2.0;
        return;
    }
    cs.PolarAngle = std::atan(y / x);
    if (cs.PolarAngle < 0) cs.PolarAngle += cs.Pi;
    if (y < 0) cs.PolarAngle += cs.Pi;
}

void ArcTan2Deg(ChartState& cs) {
    const double x = cs.LoopJ, y = cs.LoopI, z = cs.LoopK;
    cs.VectorLength = std::sqrt(x * x + y * y + z * z);
    cs.PlaneLength = std::sqrt(x * x + y * y);
    const bool origin = (x == 0.0 && y == 0.0);
    if (!origin) cs.HalfAngleLongitude = 2.0 * RadToDeg(std::atan(y / (std::fabs(x) + cs.PlaneLength)));
    if (cs.PlaneLength == 0.0)
        cs.SphereLatitude = z > 0 ? 90.0 : (z < 0 ? -90.0 : 0.0);
    else
        cs.SphereLatitude = RadToDeg(std::atan(z / cs.PlaneLength));
    if (origin) {
        cs.SphereLongitude = 0.0;
        return;
    }
    const double h = cs.HalfAngleLongitude;
    if (x >= 0)
        cs.SphereLongitude = (y >= 0) ? h : h + 360.0;
    else
        cs.SphereLongitude = 180.0 - h;
    if (cs.SphereLongitude >= 360.0) cs.SphereLongitude = 0.0;
}

namespace {
void SplitCommon(ChartState& cs) {
    const double lon = cs.LoopK;
    cs.WholeDegrees = Floor(lon);
    cs.SignOrCode = Floor(cs.WholeDegrees / 30.0) + 1.0;
    cs.DegreesInSign = Floor(Round2((cs.WholeDegrees / 30.0 - Floor(cs.WholeDegrees / 30.0)) * 30.0));
}
}  // namespace

void SplitLongitude(ChartState& cs) {
    SplitCommon(cs);
    cs.SecondsInSign = (cs.LoopK - cs.WholeDegrees) * 60.0;
    cs.MinutesInSign = Floor(cs.SecondsInSign + 0.5);
    if (cs.MinutesInSign >= 60.0) cs.MinutesInSign = 59.0;
}

void SplitLongitudeDMS(ChartState& cs) {
    SplitCommon(cs);
    cs.SecondsInSign = (cs.LoopK - cs.WholeDegrees) * 60.0;
    cs.MinutesInSign = Floor(cs.SecondsInSign);
    cs.SecondsInSign = Floor((cs.SecondsInSign - Floor(cs.SecondsInSign)) * 60.0);
}
