// Sign and house scores summed into fixed groups, one line per group.
#include "cosmodynes/cosmodyne_groupings.h"

#include <array>
#include <initializer_list>
#include <string>

#include "cosmodynes/dynes_report_fields.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

using dynes::NumberField;
using dynes::Spaces;

struct Group {
    const char* label;
    int gap;  // blanks after the label
    std::array<int, 6> members;  // 0 = none
    const char* description;
};

inline constexpr std::array<Group, 9> kSignGroups{{
    {"Fire", 13, {1, 5, 9}, ""},
    {"Earth", 12, {2, 6, 10}, ""},
    {"Air", 14, {3, 7, 11}, ""},
    {"Water", 12, {4, 8, 12}, ""},
    {"Cardinal", 9, {1, 4, 7, 10}, ""},
    {"Fixed", 12, {2, 5, 8, 11}, ""},
    {"Common", 11, {3, 6, 9, 12}, ""},
    {"Electric (M)", 5, {1, 3, 5, 7, 9, 11}, ""},
    {"Magnetic (F)", 5, {2, 4, 6, 8, 10, 12}, ""},
}};

inline constexpr std::array<Group, 7> kHouseGroups{{
    {"Private", 10, {12, 1, 2, 3}, "(Personal interests and affairs)"},
    {"Friendship", 7, {4, 5, 6, 7}, "(Companionship with others)"},
    {"Community", 8, {8, 9, 10, 11}, "(Public activities)"},
    {"Vitality", 9, {1, 5, 9}, "(Individuality/Life/living it up)"},
    {"Success", 10, {2, 6, 10}, "(Wealth/interest in gaining money)"},
    {"Relationship", 5, {3, 7, 11}, "(Associate with other people)"},
    {"Psychism", 9, {4, 8, 12}, "(Interest in occult or hidden things)"},
}};

// Hemispheres: South, North, East, West.
inline constexpr std::array<std::array<int, 6>, 4> kHemispheres{{
    {7, 8, 9, 10, 11, 12},
    {1, 2, 3, 4, 5, 6},
    {10, 11, 12, 1, 2, 3},
    {4, 5, 6, 7, 8, 9},
}};

using Place = std::array<double, 13>;

struct Sums {
    double p = 0, h = 0, d = 0;
};

Sums SumOver(const std::array<int, 6>& members, const Place& P, const Place& H, const Place& D) {
    Sums s;
    for (int m : members) {
        if (m == 0) continue;
        s.p += P[static_cast<size_t>(m)], s.h += H[static_cast<size_t>(m)], s.d += D[static_cast<size_t>(m)];
    }
    return s;
}

std::string GroupRow(const Group& g, const Sums& s) {
    std::string row = "  " + std::string(g.label) + Spaces(g.gap) + NumberField(s.p) + Spaces(13) + NumberField(s.h - s.d);
    if (g.description[0] != '\0') row += "   " + std::string(g.description);
    return row;
}

// Two numbers in one field, the first right-aligned to the column.
std::string PairField(double first, double second) {
    const std::string a = Format(first, "###0.00");
    const std::string padded = NumberField(first);
    return padded.substr(0, padded.size() - a.size()) + a + " / " + Format(second, "###0.00");
}

}  // namespace

void PrintCosmodyneGroupings(ProgramState& ps) {
    CosmodyneState& cd = ps.cosmodynes;
    std::array<std::string, 9> signRows;
    for (size_t g = 0; g < kSignGroups.size(); ++g)
        signRows[g] = GroupRow(kSignGroups[g], SumOver(kSignGroups[g].members, cd.SignPower, cd.SignHarmony, cd.SignDiscord));
    std::array<std::string, 7> houseRows;
    for (size_t g = 0; g < kHouseGroups.size(); ++g)
        houseRows[g] =
            GroupRow(kHouseGroups[g], SumOver(kHouseGroups[g].members, cd.HousePower, cd.HouseHarmony, cd.HouseDiscord));
    std::array<Sums, 4> half;
    for (size_t k = 0; k < 4; ++k) half[k] = SumOver(kHemispheres[k], cd.HousePower, cd.HouseHarmony, cd.HouseDiscord);
    auto hemisphereLine = [&](const char* label, int gap, const Sums& a, const Sums& b) {
        return "  " + std::string(label) + Spaces(gap) + PairField(a.p, b.p) + Spaces(4) + PairField(a.h - a.d, b.h - b.d);
    };
    const std::string southNorth = hemisphereLine("South/North", 6, half[0], half[1]);
    const std::string eastWest = hemisphereLine("East/West", 8, half[2], half[3]);
    const std::string signsHead = "  Signs" + Spaces(14) + "Power" + Spaces(14) + "Har/Disc";
    const std::string housesHead = "  House" + Spaces(14) + "Power" + Spaces(14) + "Har/Disc";

    // The page.
    dynes::EmitBlank(ps);
    dynes::EmitBlank(ps);
    dynes::Emit(ps, signsHead);
    for (size_t g = 0; g < 9; ++g) {
        if (g == 4 || g == 7) dynes::EmitBlank(ps);
        dynes::Emit(ps, signRows[g]);
    }
    dynes::EmitBlank(ps);
    dynes::EmitBlank(ps);
    dynes::Emit(ps, housesHead);
    for (size_t g = 0; g < 7; ++g) {
        if (g == 3) dynes::EmitBlank(ps);
        dynes::Emit(ps, houseRows[g]);
    }
    dynes::EmitBlank(ps);
    dynes::Emit(ps, southNorth);
    dynes::Emit(ps, eastWest);

    // The copy: elements beside qualities, the polarities on one line.
    cd.DynesLineCount += 2;
    dynes::CopyLine(ps, signsHead + Spaces(22) + "Power" + Spaces(14) + "Har/Disc");
    for (size_t g = 0; g < 4; ++g) dynes::CopyLine(ps, signRows[g]);
    cd.DynesLineCount -= 4;
    for (size_t g = 4; g < 7; ++g) {
        dynes::CopyAppend(ps, "   " + signRows[g]);
        cd.DynesLineCount += 1;
    }
    cd.DynesLineCount += 2;
    dynes::CopyAppend(ps, signRows[7]);
    dynes::CopyAppend(ps, "   " + signRows[8]);
    cd.DynesLineCount += 2;
    dynes::CopyLine(ps, housesHead);
    for (size_t g = 0; g < 7; ++g) {
        dynes::CopyLine(ps, houseRows[g]);
        if (g == 2 || g == 6) cd.DynesLineCount += 1;
    }
    dynes::CopyLine(ps, southNorth);
    dynes::CopyLine(ps, eastWest);
    cd.DynesLineCount += 1;
}
