#include "chart/house_placement.h"

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "program_state.h"

namespace {
// A body on a cusp, or less than this far before it, lies in the house the
// cusp begins.
constexpr double kCuspAllowance = 1.0 / 36000.0;
constexpr int kFieldWidth = 10;
constexpr int kBodies = 15;
}  // namespace

void AssignHouses(ChartState& cs) { AssignHouses(cs.WorkLongitudes, cs.WorkCusps, cs.HouseString); }

void AssignHouses(const std::array<double, 16>& longitudes, const std::array<double, 14>& cusps,
                  std::string& hs) {
    // House numbers as two characters, in the order of the cusps.
    static const char* const kOrdinals = "101112 1 2 3 4 5 6 7 8 9";
    if (hs.size() < kBodies * kFieldWidth) hs.resize(kBodies * kFieldWidth, ' ');
    for (int j = 1; j <= 12; ++j) {
        const double a = cusps[j];
        const double b = cusps[j == 12 ? 1 : j + 1];
        for (int i = 1; i <= kBodies; ++i) {
            const std::size_t field = static_cast<std::size_t>(i - 1) * kFieldWidth;
            hs.replace(field + 4, 6, " HOUSE");
            // Reduced to the circle, so that a body just below 360 whose
            // allowance carries it past 0 Aries still finds its house.
            const double x = Mod360(longitudes[i] + kCuspAllowance);
            const bool inSpan = a <= b ? (a <= x && x < b) : ((a <= x && x < 360.0) || (0.0 <= x && x < b));
            if (inSpan) hs.replace(field, 2, kOrdinals + static_cast<std::size_t>(j - 1) * 2, 2);
        }
    }
}

void SolsticePoint(ProgramState& ps) {
    ChartState& cs = ps.chart;
    SplitLongitude(cs);
    // Longitudes off the circle are taken onto it first, so that the mirror
    // table always has a sign to look up.
    double d = Mod360(cs.LoopK);
    int sign = 1;
    while (d >= 30.0 && sign < 12) {
        d -= 30.0;
        ++sign;
    }
    // Mirror signs: across 0 Cancer / 0 Capricorn, or across 0 Aries / 0 Libra.
    static constexpr int kAntiscion[13] = {0, 6, 5, 4, 3, 2, 1, 12, 11, 10, 9, 8, 7};
    static constexpr int kContraAntiscion[13] = {0, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    const int mirror = ps.settings.OptionValues[167] == 0 ? kAntiscion[sign] : kContraAntiscion[sign];
    const double result = 30.0 * (mirror - 1) + (30.0 - d);
    // A point at the start of a sign mirrors onto the end of another; the
    // end of Pisces is 0 Aries.
    cs.SolsticeResult = result >= 360.0 ? result - 360.0 : result;
}
