// Pluto's heliocentric position from a trigonometric series in the mean
// longitudes of Jupiter, Saturn and Pluto. The longitude is referred to the
// equinox of 1950 and is not reduced to 0..360.
#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/planet_theory.h"
#include "chart/pluto_terms.h"

using planet_terms::kNoTerm;
using planet_terms::kPlutoRows;

namespace {
constexpr double kSeriesUnit = 1000000.0;

// One coordinate's sum over the rows that carry a term for it.
template <typename SinField, typename CosField>
double SumCoordinate(double J, double S, double P, SinField sinOf, CosField cosOf) {
    double sum = 0.0;
    for (const auto& row : kPlutoRows) {
        const double alpha = row.I * J + row.J * S + row.K * P;
        if (sinOf(row) != kNoTerm) sum += sinOf(row) * SinDeg(alpha);
        if (cosOf(row) != kNoTerm) sum += cosOf(row) * CosDeg(alpha);
    }
    return sum;
}
}  // namespace

void CalcPlutoSeries(ChartState& cs) {
    using Row = planet_terms::PlutoRow;
    const double T = cs.TimeCenturies;
    const double J = Normalize360(238.74 + 3034.9057 * T);
    const double S = Normalize360(267.26 + 1222.1138 * T);
    const double P = Normalize360(93.48 + 144.96 * T);

    const double lon = SumCoordinate(J, S, P, [](const Row& r) { return r.LonSin; },
                                     [](const Row& r) { return r.LonCos; });
    cs.PlutoHelioLongitude = 93.297471 + 144.96 * T + lon / kSeriesUnit;
    const double lat = SumCoordinate(J, S, P, [](const Row& r) { return r.LatSin; },
                                     [](const Row& r) { return r.LatCos; });
    cs.PlutoHelioLatitude = lat / kSeriesUnit - 3.909434;
    const double rad = SumCoordinate(J, S, P, [](const Row& r) { return r.RadSin; },
                                     [](const Row& r) { return r.RadCos; });
    cs.PlutoHelioRadius = rad / kSeriesUnit + 40.724725;
}
