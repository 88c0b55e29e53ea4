#pragma once
// Test set-up of the chart moment that the house routines read: RAMC,
// obliquity, latitude values and the angles, from plain decimal degrees.
#include <cmath>
#include <string>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"

namespace housetest {

inline double Wrap(double deg) {
    double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// Smallest distance between two longitudes, degrees.
inline double AngleDiff(double a, double b) {
    const double d = Wrap(a - b);
    return d > 180.0 ? 360.0 - d : d;
}

// Sets the chart moment for RAMC and latitude (decimal degrees, north
// positive) with the obliquity in degrees: the signed and absolute latitude
// values, MC and Ascendant.
inline void SetMoment(ChartState& cs, double ramcDeg, double latitude, double obliquityDeg) {
    cs.Ramc = DegToRad(ramcDeg);
    cs.ObliquityRad = -DegToRad(obliquityDeg);
    cs.CalcLatAbs = DecimalToHM(std::fabs(latitude));
    cs.LatitudeWhole = std::floor(cs.CalcLatAbs);
    cs.WorkNorthSouth = latitude < 0 ? "SOUTH" : "NORTH";
    cs.NegLatitudeRad = latitude == 0 ? 0.00001 : -DegToRad(latitude);
    const double r = cs.Ramc, e = DegToRad(obliquityDeg), phi = DegToRad(latitude);
    cs.Midheaven = Wrap(RadToDeg(std::atan2(std::sin(r), std::cos(r) * std::cos(e))));
    cs.Ascendant = Wrap(RadToDeg(
        std::atan2(std::cos(r), -(std::sin(r) * std::cos(e) + std::tan(phi) * std::sin(e)))));
}

}  // namespace housetest
