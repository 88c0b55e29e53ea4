// Mutual receptions and essential dignities of the ten planets of a natal
// chart: harmony for a planet well placed by sign, discord for one opposed.
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "program_state.h"

namespace {

bool InReceptionSign(int body, int sign) {
    for (int s : cosmo::kReceptionSigns[static_cast<size_t>(body)])
        if (s != 0 && s == sign) return true;
    return false;
}

}  // namespace

void AddMutualReceptions(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    const auto& order = cosmo::kReceptionOrder;
    // Each unordered pair once, its first body the earlier in the order.
    for (size_t a = 0; a < order.size(); ++a)
        for (size_t b = a + 1; b < order.size(); ++b) {
            const int i = order[a], j = order[b];
            const int si = cosmo::SignOfLongitude(cs.NatalLongitudes[static_cast<size_t>(i)]);
            const int sj = cosmo::SignOfLongitude(cs.NatalLongitudes[static_cast<size_t>(j)]);
            if (InReceptionSign(j, si) && InReceptionSign(i, sj)) {
                cd.Harmony[static_cast<size_t>(i)] += 5;
                cd.Harmony[static_cast<size_t>(j)] += 5;
            }
        }
}

void AddEssentialDignities(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    for (int j = 1; j <= 10; ++j) {
        const int sign = cosmo::SignOfLongitude(cs.NatalLongitudes[static_cast<size_t>(j)]);
        for (const cosmo::DignityRow& row : cosmo::kDignities) {
            if (row.body != j || row.sign != sign) continue;
            if (row.amount > 0) cd.Harmony[static_cast<size_t>(j)] += row.amount;
            else cd.Discord[static_cast<size_t>(j)] -= row.amount;
        }
    }
}
