// House sizes, house-position power and cusp counts, and the set-up of a
// run: cusps in the normal order, each body's house and distance past it.
#include <cmath>

#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

// A longitude of 360 or more counts from 0 again.
double Wrap360(double x) { return x >= 360.0 ? x - 360.0 : x; }

// The house whose span from its cusp forward to the next cusp holds the
// longitude; 12 when no span does (equal cusps all round).
int HouseAmongCusps(const std::array<double, 14>& cusp, double longitude) {
    for (int h = 1; h <= 12; ++h) {
        const double from = cusp[static_cast<size_t>(h)];
        double size = cusp[static_cast<size_t>(h == 12 ? 1 : h + 1)] - from;
        if (size < 0) size += 360;
        double past = longitude - from;
        if (past < 0) past += 360;
        if (past < size) return h;
    }
    return 12;
}

}  // namespace

int CosmodyneBodyCount(const ChartState& cs) {
    const int n = 13 + cs.AnglesSetting;
    return n < 13 ? 13 : n > 15 ? 15 : n;
}

void PrepareCosmodyneRun(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    cd.HouseSize.fill(0), cd.CuspCount.fill(0);
    cd.SignPower.fill(0), cd.SignHarmony.fill(0), cd.SignDiscord.fill(0);
    cd.HousePower.fill(0), cd.HouseHarmony.fill(0), cd.HouseDiscord.fill(0);
    cd.DistPastCusp.fill(0), cd.HousePosPower.fill(0), cd.AspectPower.fill(0);
    cd.Harmony.fill(0), cd.Discord.fill(0), cd.TotalPower.fill(0);
    for (auto& row : cd.AspectMatrix) row.fill(0.0f);
    cd.BodyHouse.fill(0);

    for (int j = 10; j <= 12; ++j) cd.Cusp[static_cast<size_t>(j)] = Wrap360(cs.NatalCusps[static_cast<size_t>(j - 9)]);
    for (int j = 1; j <= 9; ++j) cd.Cusp[static_cast<size_t>(j)] = Wrap360(cs.NatalCusps[static_cast<size_t>(j + 3)]);

    const std::string_view houses = cs.HouseStringA;
    for (int j = 1; j <= 13; ++j) {
        const size_t at = static_cast<size_t>(10 * j - 10);
        const double field = at < houses.size() ? Val(houses.substr(at, 2)) : 0.0;
        const double longitude = Wrap360(cs.NatalLongitudes[static_cast<size_t>(j)]);
        // A field that holds no house 1..12 takes its house from the cusps.
        const int h = field >= 1 && field <= 12 && field == std::floor(field) ? static_cast<int>(field)
                                                                               : HouseAmongCusps(cd.Cusp, longitude);
        cd.BodyHouse[static_cast<size_t>(j)] = h;
        double past = longitude - cd.Cusp[static_cast<size_t>(h)];
        if (past < 0) past += 360;
        cd.DistPastCusp[static_cast<size_t>(j)] = past;
    }
}

void CalcHouseSizes(CosmodyneState& cd) {
    for (int k = 1; k <= 12; ++k) {
        double size = cd.Cusp[static_cast<size_t>(k == 12 ? 1 : k + 1)] - cd.Cusp[static_cast<size_t>(k)];
        if (size < 0) size += 360;
        cd.HouseSize[static_cast<size_t>(k)] = size;
    }
    for (int j = 1; j <= 13; ++j) {
        const int h = cd.BodyHouse[static_cast<size_t>(j)];
        if (h >= 1 && cd.DistPastCusp[static_cast<size_t>(j)] > cd.HouseSize[static_cast<size_t>(h)])
            cd.DistPastCusp[static_cast<size_t>(j)] = 0;
    }
}

void CalcHousePositionPower(ProgramState& ps) {
    CosmodyneState& cd = ps.cosmodynes;
    const Settings& s = ps.settings;
    auto power = [&](int v) {
        const size_t h = static_cast<size_t>(cd.BodyHouse[static_cast<size_t>(v)]);
        const double base = s.HouseBase[h];
        const double size = cd.HouseSize[h];
        // A house of size 0 holds no distance to lose power over.
        if (size == 0) return base;
        return base - (static_cast<double>(s.HouseStep[h]) * cd.DistPastCusp[static_cast<size_t>(v)]) / size;
    };
    for (int v = 1; v <= 10; ++v) cd.HousePosPower[static_cast<size_t>(v)] = power(v);
    cd.HousePosPower[cosmo::kChiron] = 0;
    if (ps.chart.UseChiron) cd.HousePosPower[cosmo::kChiron] = power(cosmo::kChiron);
}

void CountCuspsPerSign(CosmodyneState& cd) {
    cd.CuspCount.fill(0);
    for (int j = 1; j <= 12; ++j) cd.CuspCount[static_cast<size_t>(cosmo::SignOfLongitude(cd.Cusp[static_cast<size_t>(j)]))] += 1;
}

void SumTotalPower(CosmodyneState& cd) {
    for (size_t j = 1; j <= 15; ++j) cd.TotalPower[j] = cd.HousePosPower[j] + cd.AspectPower[j];
}

void RankBodiesByPower(CosmodyneState& cd, int n) { RankByKeys(cd, cd.TotalPower, n); }
