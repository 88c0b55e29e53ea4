// Pluto's heliocentric position from a trigonometric series in the mean
// longitudes of Jupiter, Saturn and Pluto. The longitude is referred to the
// equinox of 1950 and is not reduced to 0..360.
#include "chart/angle_helpers.h"
#include "chart/angle_multiples.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"
#include "chart/pluto_terms.h"

using planet_terms::kNoTerm;
using planet_terms::kPlutoRows;

namespace {
constexpr double kSeriesUnit = 1000000.0;
constexpr int kMaxMultiple = 6;  // the largest multiple in the series (6 P)

constexpr bool RowsWithinMultiples() {
    for (const auto& row : kPlutoRows)
        for (int m : {int{row.I}, int{row.J}, int{row.K}})
            if (m > kMaxMultiple || -m > kMaxMultiple) return false;
    return true;
}
static_assert(RowsWithinMultiples(), "a Pluto row needs a larger multiple");

void AddTerm(double& sum, std::int32_t sinCoefficient, std::int32_t cosCoefficient, double sinAlpha,
             double cosAlpha) {
    if (sinCoefficient != kNoTerm) sum += sinCoefficient * sinAlpha;
    if (cosCoefficient != kNoTerm) sum += cosCoefficient * cosAlpha;
}
}  // namespace

void CalcPlutoSeries(ChartState& cs) {
    const double T = cs.TimeCenturies;
    const AngleMultiples<kMaxMultiple> J(Normalize360(238.74 + 3034.9057 * T));
    const AngleMultiples<kMaxMultiple> S(Normalize360(267.26 + 1222.1138 * T));
    const AngleMultiples<kMaxMultiple> P(Normalize360(93.48 + 144.96 * T));

    // alpha = i J + j S + k P of each row, by the addition theorems; every
    // coordinate's terms of a row share the one sine and cosine of alpha.
    double lon = 0.0, lat = 0.0, rad = 0.0;
    for (const auto& row : kPlutoRows) {
        double sinAlpha, cosAlpha, s, c;
        J.Of(row.I, sinAlpha, cosAlpha);
        S.Of(row.J, s, c);
        AddAngle(sinAlpha, cosAlpha, s, c);
        P.Of(row.K, s, c);
        AddAngle(sinAlpha, cosAlpha, s, c);
        AddTerm(lon, row.LonSin, row.LonCos, sinAlpha, cosAlpha);
        AddTerm(lat, row.LatSin, row.LatCos, sinAlpha, cosAlpha);
        AddTerm(rad, row.RadSin, row.RadCos, sinAlpha, cosAlpha);
    }
    cs.PlutoHelioLongitude = 93.297471 + 144.96 * T + lon / kSeriesUnit;
    cs.PlutoHelioLatitude = lat / kSeriesUnit - 3.909434;
    cs.PlutoHelioRadius = rad / kSeriesUnit + 40.724725;
}
