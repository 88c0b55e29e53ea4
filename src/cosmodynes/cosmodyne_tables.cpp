// The planet, sign and house tables: a power listing with shares and
// totals, then every item again ranked by harmony less discord. Their
// clipboard copy sets the two listings side by side, rank beside rank.
#include "cosmodynes/cosmodyne_tables.h"

#include <array>
#include <cmath>
#include <functional>
#include <string>

#include "app/constant_tables.h"
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "cosmodynes/dynes_report_fields.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

using dynes::NumberField;
using dynes::ShareField;
using dynes::Spaces;

struct DynesTable {
    int n;
    const double* P;
    const double* H;
    const double* D;
    std::function<std::string(int)> label;
    int R;
    std::function<bool(int)> leftOut;
    const char* headWord;
    int headGap;
    const char* harmonyHead;
    const char* discordHead;
    bool rankByPower;  // the planet table's ranking is made by the driver
};

void PrintTable(ProgramState& ps, const DynesTable& t, bool composite) {
    CosmodyneState& cd = ps.cosmodynes;
    auto at = [](const double* a, int k) { return a[static_cast<size_t>(k)]; };
    auto index = [&](int r) { return static_cast<int>(cd.SortIndex[static_cast<size_t>(r)]); };
    if (t.rankByPower) RankByKeys(cd, t.P, t.n);

    const std::string head = "  " + std::string(t.headWord) + Spaces(t.headGap) + "Power    %";
    dynes::EmitBlank(ps);
    dynes::Emit(ps, head + Spaces(9) + "Har/Disc     " + Spaces(6) + t.harmonyHead + Spaces(7) + t.discordHead);
    dynes::CopyLine(ps, head + Spaces(9) + "Har/Disc" + Spaces(22) + "Power" + Spaces(14) + "Har/Disc");

    double sumP = 0, sumHD = 0, sumH = 0, sumD = 0, sumPlus = 0, sumMinus = 0;
    for (int r = 1; r <= t.R; ++r) {
        const int k = index(r);
        const double hd = at(t.H, k) - at(t.D, k);
        sumP += at(t.P, k), sumHD += hd, sumH += at(t.H, k), sumD += at(t.D, k);
        if (hd >= 0) sumPlus += hd;
        else sumMinus += hd;
    }
    for (int r = 1; r <= t.R; ++r) {
        const int k = index(r);
        const std::string left = t.label(k) + NumberField(at(t.P, k)) + "  " + ShareField(at(t.P, k), sumP) +
                                 Spaces(7) + NumberField(at(t.H, k) - at(t.D, k));
        dynes::Emit(ps, left + Spaces(12) + NumberField(at(t.H, k)) + Spaces(4) + ShareField(at(t.H, k), sumH) +
                            Spaces(5) + NumberField(at(t.D, k)) + Spaces(5) + ShareField(at(t.D, k), sumD));
        dynes::CopyLine(ps, left);
    }
    const std::string totals = "  TOTALS" + Spaces(11) + NumberField(sumP) + Spaces(13) + NumberField(sumHD);
    dynes::EmitBlank(ps);
    dynes::Emit(ps, totals + Spaces(12) + NumberField(sumH) + Spaces(13) + NumberField(sumD));
    dynes::CopyLine(ps, totals);

    std::array<double, 16> hd{};
    for (int k = 1; k <= t.n; ++k) hd[static_cast<size_t>(k)] = at(t.H, k) - at(t.D, k);
    RankByKeys(cd, hd, t.n);
    dynes::Emit(ps, Spaces(51) + (composite ? "%" : ""));

    cd.DynesLineCount -= t.R + 1;
    for (int r = 1; r <= t.n; ++r) {
        const int k = index(r);
        if (t.leftOut(k)) continue;
        const double value = hd[static_cast<size_t>(k)];
        const std::string left = t.label(k) + NumberField(at(t.P, k)) + Spaces(13) + NumberField(value);
        std::string middle = Spaces(12);
        if (composite) {
            const double sum = value >= 0 ? sumPlus : sumMinus;
            middle = Spaces(3) + ShareField(std::fabs(value), std::fabs(sum)) + Spaces(5);
        }
        dynes::Emit(ps, left + middle + NumberField(at(t.H, k)) + Spaces(13) + NumberField(at(t.D, k)));
        dynes::CopyAppend(ps, "   " + left);
        cd.DynesLineCount += 1;
    }
}

}  // namespace

int NatalPlanetRows(const ChartState& cs) { return CosmodyneBodyCount(cs) - 3 + (cs.UseChiron ? 1 : 0); }

int CompositePlanetRows(const ChartState& cs) { return cs.UseChiron ? 12 : 11; }

void PlanetTableTotals(const CosmodyneState& cd, int rows, double& power, double& harDisc) {
    power = 0, harDisc = 0;
    for (int r = 1; r <= rows; ++r) {
        const size_t k = static_cast<size_t>(cd.SortIndex[static_cast<size_t>(r)]);
        power += cd.TotalPower[k];
        harDisc += cd.Harmony[k] - cd.Discord[k];
    }
}

void PrintCosmodyneTables(ProgramState& ps, bool composite) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    const Settings& s = ps.settings;
    auto never = [](int) { return false; };

    DynesTable planets{composite ? 15 : CosmodyneBodyCount(cs),
                       cd.TotalPower.data(),
                       cd.Harmony.data(),
                       cd.Discord.data(),
                       [&s](int k) { return "  " + TableField(s.BodyNames, 10, k) + Spaces(7); },
                       composite ? CompositePlanetRows(cs) : NatalPlanetRows(cs),
                       [&cs, composite](int k) {
                           return k == cosmo::kNorthNode || k == cosmo::kSouthNode ||
                                  (k == cosmo::kChiron && !cs.UseChiron) || (composite && k == cosmo::kMC);
                       },
                       "Planet",
                       13,
                       "Harmony     %",
                       "Discord      %",
                       false};
    PrintTable(ps, planets, composite);
    cd.DynesLineCount += 2;

    DynesTable signs{12,
                     cd.SignPower.data(),
                     cd.SignHarmony.data(),
                     cd.SignDiscord.data(),
                     [&s](int k) { return "  " + TableField(s.SignAbbrevs, 3, k) + Spaces(14); },
                     12,
                     never,
                     "Sign",
                     15,
                     "Harmony    %",
                     "Discord       %",
                     true};
    PrintTable(ps, signs, composite);
    cd.DynesLineCount += 2;

    DynesTable houses{12,
                      cd.HousePower.data(),
                      cd.HouseHarmony.data(),
                      cd.HouseDiscord.data(),
                      [](int k) {
                          const std::string number = std::to_string(k);
                          return Spaces(6 - static_cast<int>(number.size())) + number + Spaces(13);
                      },
                      12,
                      never,
                      "House",
                      14,
                      "Harmony    %",
                      "Discord       %",
                      true};
    PrintTable(ps, houses, composite);
}
