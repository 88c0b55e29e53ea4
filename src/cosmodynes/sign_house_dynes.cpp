// Sign and house dynes: each sign and house takes a weighted share of its
// ruler's scores and the full scores of the bodies standing in it.
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "program_state.h"

namespace {

using Body = std::array<double, 16>;
using Place = std::array<double, 13>;

// Ruler share of a sign by the number of cusps in it; none at four or more.
bool RulerShare(int cusps, double ruler, double& share) {
    switch (cusps) {
        case 0: share = ruler / 4; return true;
        case 1: share = ruler / 2; return true;
        case 2: share = ruler; return true;
        case 3: share = ruler * 2; return true;
        default: return false;
    }
}

bool Counted(const ChartState& cs, int body) {
    if (body == cosmo::kNorthNode || body == cosmo::kSouthNode) return false;
    return body != cosmo::kChiron || cs.UseChiron;
}

}  // namespace

void CalcSignDynes(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    const std::array<std::pair<const Body*, Place*>, 3> passes{
        {{&cd.TotalPower, &cd.SignPower}, {&cd.Harmony, &cd.SignHarmony}, {&cd.Discord, &cd.SignDiscord}}};
    for (const auto& [body, sign] : passes)
        for (int s = 1; s <= 12; ++s) {
            double share = 0;
            if (RulerShare(cd.CuspCount[static_cast<size_t>(s)], cosmo::RulerValue(*body, s), share))
                (*sign)[static_cast<size_t>(s)] = share;
        }
    for (int j = 1; j <= 15; ++j) {
        if (!Counted(cs, j)) continue;
        const size_t s = static_cast<size_t>(cosmo::SignOfLongitude(cs.NatalLongitudes[static_cast<size_t>(j)]));
        cd.SignPower[s] += cd.TotalPower[static_cast<size_t>(j)];
        cd.SignHarmony[s] += cd.Harmony[static_cast<size_t>(j)];
        cd.SignDiscord[s] += cd.Discord[static_cast<size_t>(j)];
    }
}

void CalcHouseDynes(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    const std::array<std::pair<const Body*, Place*>, 3> passes{
        {{&cd.TotalPower, &cd.HousePower}, {&cd.Harmony, &cd.HouseHarmony}, {&cd.Discord, &cd.HouseDiscord}}};
    for (const auto& [body, house] : passes)
        for (int h = 1; h <= 12; ++h) {
            const int next = h == 12 ? 1 : h + 1;
            const int s1 = cosmo::SignOfLongitude(cd.Cusp[static_cast<size_t>(h)]);
            int s2 = cosmo::SignOfLongitude(cd.Cusp[static_cast<size_t>(next)]);
            if (s2 < s1) s2 += 12;
            double& target = (*house)[static_cast<size_t>(h)];
            target = cosmo::RulerValue(*body, s1) / 2;
            for (int t = s1 + 1; t <= s2 - 1; ++t) target += cosmo::RulerValue(*body, t > 12 ? t - 12 : t) / 4;
        }
    for (int b = 1; b <= 13; ++b) {
        if (!Counted(cs, b)) continue;
        const size_t h = static_cast<size_t>(cd.BodyHouse[static_cast<size_t>(b)]);
        cd.HousePower[h] += cd.TotalPower[static_cast<size_t>(b)];
        cd.HouseHarmony[h] += cd.Harmony[static_cast<size_t>(b)];
        cd.HouseDiscord[h] += cd.Discord[static_cast<size_t>(b)];
    }
    for (const auto& [body, h] : {std::pair{cosmo::kAscendant, 1}, std::pair{cosmo::kMC, 10}}) {
        cd.HousePower[static_cast<size_t>(h)] += cd.TotalPower[static_cast<size_t>(body)];
        cd.HouseHarmony[static_cast<size_t>(h)] += cd.Harmony[static_cast<size_t>(body)];
        cd.HouseDiscord[static_cast<size_t>(h)] += cd.Discord[static_cast<size_t>(body)];
    }
}
