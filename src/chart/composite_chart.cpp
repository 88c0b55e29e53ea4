#include "chart/composite_chart.h"

#include <cmath>
#include <memory>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/house_cusps.h"
#include "chart/house_placement.h"

void ComputeCompositeChart(ChartState& cs) {
    cs.RetrogradeFlags = std::string(15, ' ');
    for (int i = 1; i <= 15; ++i) {
        const double a = cs.NatalLongitudes[i], b = cs.SecondLongitudes[i];
        double d = std::fabs(a - b);
        double m = (a + b) / 2.0;
        // The far midpoint gives way to the near one.
        if (d >= 180.0 && std::fabs(m - a) > 90.0 && std::fabs(m - b) > 90.0) m += 180.0;
        if (d > 180.0) d = std::fabs(360.0 - d);
        if (d > 150.0) cs.RetrogradeFlags[i - 1] = 'A';
        cs.WorkLongitudes[i] = Normalize360(m);
        cs.WorkDeclinations[i] = (cs.SecondDeclinations[i] + cs.NatalDeclinations[i]) / 2.0;
    }
    cs.CompositeLatText = "99";
    ComputeCompositeHouses(cs);
}

void ComputeCompositeHouses(ChartState& cs) {
    for (int k = 1; k <= 12; ++k) {
        const double a = cs.NatalCusps[k], b = cs.SecondCusps[k];
        double w = (a + b) / 2.0;
        if (std::fabs(w - a) > 90.0 || std::fabs(w - b) > 90.0) w += 180.0;
        if (w >= 360.0) w -= 360.0;
        // Keep the cusps in sequence: a cusp that lands on the far side of
        // the one before is turned; a step across 0 Aries is left alone.
        if (k >= 2) {
            const double e = std::fabs(w - cs.WorkCusps[k - 1]);
            if (e > 90.0 && e < 270.0) w = Normalize360(w + 180.0);
        }
        cs.WorkCusps[k] = w;
    }
    AssignHouses(cs);
    cs.CompositeHouseString = cs.HouseString;
    cs.WheelHouseString = cs.HouseString;
}

void ComputeCompositeCuspsAtLatitude(ChartState& cs, double latitude) {
    constexpr double kObliquity = 23.4522944;
    const double mc = cs.WorkLongitudes[15];
    const double eps = DegToRad(kObliquity);
    // Right ascension of the MC, a point of the ecliptic.
    double ramc = std::atan2(std::sin(DegToRad(mc)) * std::cos(eps), std::cos(DegToRad(mc)));
    if (ramc < 0) ramc += 2.0 * cs.Pi;
    const double absLat = std::fabs(latitude);
    double phiDeg = std::floor(absLat) + (absLat - std::floor(absLat)) * 100.0 / 60.0;
    if (latitude < 0) phiDeg = -phiDeg;
    const double phi = DegToRad(phiDeg);
    const double asc =
        Normalize360(RadToDeg(std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(eps) + std::tan(phi) * std::sin(eps)))));

    // The house formulas read the chart's time-step values; they get the
    // composite's own in a scratch chart, so the charts stay as they are.
    auto scratch = std::make_unique<ChartState>();
    ChartState& h = *scratch;
    h.HouseSystemCode = cs.HouseSystemCode;
    h.Ramc = ramc;
    h.ObliquityRad = -eps;
    h.Midheaven = mc;
    h.Ascendant = asc;
    h.CalcLatAbs = absLat;
    h.LatitudeWhole = std::floor(absLat);
    h.WorkNorthSouth = latitude < 0 ? "SOUTH" : "NORTH";
    h.NegLatitudeRad = phi == 0.0 ? 0.00001 : -phi;
    ComputeHouseCusps(h);
    for (int k = 1; k <= 12; ++k) cs.WorkCusps[k] = Normalize360(h.WorkCusps[k]);
    // The Ascendant the wheel shows is that of the latitude, on its cusp,
    // not the midpoint of the two Ascendants.
    cs.WorkLongitudes[14] = cs.WorkCusps[4];
    cs.WorkDeclinations[14] = RadToDeg(std::asin(std::sin(eps) * std::sin(DegToRad(cs.WorkCusps[4]))));
    AssignHouses(cs);
    cs.WheelHouseString = cs.HouseString;
}
