#pragma once
// The fixed rule tables of the one-chart cosmodyne engine, one row per table
// row: aspect orbs and strengths by house class, parallel bases, the
// relationship chart's conjunction and opposition pairs, essential
// dignities, reception signs and sign rulers. Bodies are numbered 1 Sun,
// 2 Mercury .. 9 Pluto, 10 Moon, 13 Chiron, 14 Ascendant, 15 MC; signs 1
// Aries .. 12 Pisces.
#include <array>
#include <cmath>

namespace cosmo {

inline constexpr int kSun = 1, kMercury = 2, kVenus = 3, kMars = 4, kJupiter = 5, kSaturn = 6, kUranus = 7,
                     kNeptune = 8, kPluto = 9, kMoon = 10, kNorthNode = 11, kSouthNode = 12, kChiron = 13,
                     kAscendant = 14, kMC = 15;

// House classes: 0 cadent (3, 6, 9, 12), 1 succedent (2, 5, 8, 11),
// 2 angular (1, 4, 7, 10).
inline constexpr int HouseClass(int house) {
    const int r = ((house - 1) % 3 + 3) % 3;  // 0 angular, 1 succedent, 2 cadent
    return 2 - r;
}

// Sign 1..12 of a longitude; 360 (or more) counts from 0 again.
inline int SignOfLongitude(double x) {
    int s = static_cast<int>(std::floor(x / 30.0)) + 1;
    s = ((s - 1) % 12 + 12) % 12 + 1;
    return s;
}

// Orb window of each aspect group 1..5 (30/150, 45/135, 60, 90/120, 0/180)
// by house class; the base strength of an exact aspect is the same number.
struct OrbRow {
    bool sunOrMoon;
    int houseClass;
    std::array<int, 5> orb;
};
inline constexpr std::array<OrbRow, 6> kOrbRows{{
    {true, 2, {4, 6, 8, 12, 15}},
    {true, 1, {3, 5, 7, 10, 13}},
    {true, 0, {2, 4, 6, 8, 11}},
    {false, 2, {3, 5, 7, 10, 12}},
    {false, 1, {2, 4, 6, 8, 10}},
    {false, 0, {1, 3, 5, 6, 8}},
}};
// Mercury's additions to its base strengths of groups 1..5.
inline constexpr std::array<int, 5> kMercuryBonus{1, 1, 1, 2, 3};

// Parallel base by house class 0 cadent, 1 succedent, 2 angular.
inline constexpr std::array<int, 3> kParallelBaseLights{11, 13, 15};  // Sun, Mercury, Moon
inline constexpr std::array<int, 3> kParallelBaseOthers{8, 10, 12};

// The aspects the engine finds, in the order they are tested.
enum AspectCode { kNoAspect = 1, kConjunct = 2, kSextile = 3, kSquare = 4, kTrine = 5, kOpposite = 6,
                  kSemiSextile = 8, kSemiSquare = 9, kSesquiquadrate = 10, kQuincunx = 11 };

// Conjunction and opposition pairs of a relationship chart. A row for X
// with Y matches in either order; Y = 0 means any body but the exceptions.
struct PairRow {
    bool conjunct, opposite;
    int x, y;
    std::array<int, 4> except;  // 0 = none
    bool harmony;               // false: discord
};
inline constexpr std::array<PairRow, 14> kRelationshipPairs{{
    {true, true, kMars, 0, {kJupiter, kAscendant, kVenus, 0}, false},
    {true, true, kSaturn, 0, {kJupiter, kAscendant, kMars, 0}, false},
    {true, true, kPluto, 0, {kJupiter, kAscendant, kMars, kSaturn}, false},
    {false, true, kJupiter, kMoon, {}, false},
    {true, true, kSun, kMoon, {}, true},
    {true, true, kSun, kVenus, {}, true},
    {true, true, kSun, kAscendant, {}, true},
    {true, true, kMoon, kAscendant, {}, true},
    {true, true, kVenus, kMoon, {}, true},
    {true, false, kJupiter, kMoon, {}, true},
    {true, true, kVenus, kJupiter, {}, true},
    {true, true, kVenus, kAscendant, {}, true},
    {true, true, kJupiter, kAscendant, {}, true},
    {true, true, kMercury, kVenus, {}, true},
}};

// "Benefics/Malefics?": a pair holding the body adds this share of the
// points to harmony or to discord.
struct BeneficRow {
    int body;
    double share;
    bool harmony;
};
inline constexpr std::array<BeneficRow, 4> kBeneficRows{{
    {kJupiter, 0.5, true},
    {kVenus, 0.25, true},
    {kSaturn, 0.5, false},
    {kMars, 0.25, false},
}};

// Essential dignities: body, sign, amount; harmony when positive, discord
// when negative.
struct DignityRow {
    int body, sign, amount;
};
inline constexpr std::array<DignityRow, 70> kDignities{{
    {1, 5, 2},   {1, 1, 3},   {1, 9, 1},   {1, 11, -2},  {1, 7, -3},  {1, 3, -1},
    {2, 3, 2},   {2, 6, 2},   {2, 11, 3},  {2, 8, 1},    {2, 9, -2},  {2, 12, -2}, {2, 5, -3},  {2, 2, -1},
    {3, 2, 2},   {3, 7, 2},   {3, 12, 3},  {3, 11, 1},   {3, 1, -2},  {3, 8, -2},  {3, 6, -3},  {3, 5, -1},
    {4, 1, 2},   {4, 8, 2},   {4, 10, 3},  {4, 5, 1},    {4, 2, -2},  {4, 7, -2},  {4, 4, -3},  {4, 11, -1},
    {5, 9, 2},   {5, 12, 2},  {5, 4, 3},   {5, 2, 1},    {5, 3, -2},  {5, 6, -2},  {5, 10, -3}, {5, 8, -1},
    {6, 10, 2},  {6, 11, 2},  {6, 7, 3},   {6, 6, 1},    {6, 4, -2},  {6, 5, -2},  {6, 1, -3},  {6, 12, -1},
    {7, 11, 2},  {7, 3, 3},   {7, 7, 1},   {7, 5, -2},   {7, 9, -3},  {7, 1, -1},
    {8, 12, 2},  {8, 9, 3},   {8, 4, 1},   {8, 6, -2},   {8, 3, -3},  {8, 10, -1},
    {9, 8, 2},   {9, 5, 3},   {9, 1, 1},   {9, 2, -2},   {9, 11, -3}, {9, 7, -1},
    {10, 4, 2},  {10, 2, 3},  {10, 12, 1}, {10, 10, -2}, {10, 8, -3}, {10, 6, -1},
}};

// Reception signs of each body 1..10 (0 = none).
inline constexpr std::array<std::array<int, 3>, 11> kReceptionSigns{{
    {0, 0, 0},
    {1, 5, 0},    // Sun
    {3, 6, 11},   // Mercury
    {2, 7, 12},   // Venus
    {1, 8, 10},   // Mars
    {4, 9, 12},   // Jupiter
    {7, 10, 11},  // Saturn
    {3, 11, 0},   // Uranus
    {9, 12, 0},   // Neptune
    {5, 8, 0},    // Pluto
    {2, 4, 0},    // Moon
}};
// The order in which the reception rules pair the bodies: a rule's first
// body is the earlier one here.
inline constexpr std::array<int, 10> kReceptionOrder{kSun, kMoon, kMercury, kVenus, kMars,
                                                     kJupiter, kSaturn, kUranus, kNeptune, kPluto};

// Ruler or rulers of each sign 1..12 (second 0 = one ruler).
struct SignRulers {
    int first, second;
};
inline constexpr std::array<SignRulers, 13> kSignRulers{{
    {0, 0},
    {kMars, 0},
    {kVenus, 0},
    {kMercury, 0},
    {kMoon, 0},
    {kSun, 0},
    {kMercury, 0},
    {kVenus, 0},
    {kPluto, kMars},
    {kJupiter, 0},
    {kSaturn, 0},
    {kSaturn, kUranus},
    {kNeptune, kJupiter},
}};

// The ruler value of sign s in a body array: its ruler's element, or the
// mean of its two rulers' elements.
template <typename Array>
double RulerValue(const Array& body, int s) {
    const SignRulers r = kSignRulers[static_cast<size_t>(s)];
    if (r.second == 0) return body[static_cast<size_t>(r.first)];
    return (body[static_cast<size_t>(r.first)] + body[static_cast<size_t>(r.second)]) / 2;
}

}  // namespace cosmo
