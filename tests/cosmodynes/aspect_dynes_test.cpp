// Aspects and parallels, read from the pair's two matrix cells: the power
// cell (smaller body first) and the harmony cell (larger body first).
#include <gtest/gtest.h>

#include <memory>

#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "engine_chart.h"

namespace {

using namespace cosmo;

struct Pair {
    int a, b;
    int houseA, houseB;
    double lonA, lonB;
};

struct Cells {
    double power, harmony;
};

std::unique_ptr<ProgramState> PairChart(const Pair& p, int relationship = 0, int benefics = 0, int angles = 2) {
    auto ps = std::make_unique<ProgramState>();
    enginetest::EqualHouseChart(*ps, 0);
    ChartState& cs = ps->chart;
    // Everything else far off the pair's declinations and at 0 degrees.
    for (int b = 1; b <= 15; ++b) cs.NatalDeclinations[static_cast<size_t>(b)] = 40 + 2 * b;
    for (int b = 1; b <= 13; ++b) enginetest::WriteHouse(cs, b, 3);
    cs.NatalLongitudes[static_cast<size_t>(p.a)] = p.lonA;
    cs.NatalLongitudes[static_cast<size_t>(p.b)] = p.lonB;
    if (p.a <= 13) enginetest::WriteHouse(cs, p.a, p.houseA);
    if (p.b <= 13) enginetest::WriteHouse(cs, p.b, p.houseB);
    cs.AnglesSetting = angles;
    cs.UseChiron = true;
    ps->people.BeneficsMaleficsChecked = benefics;
    ps->cosmodynes.RelationshipMode = relationship;
    return ps;
}

Cells RunPair(ProgramState& ps, const Pair& p) {
    PrepareCosmodyneRun(ps);
    CalcAspectDynes(ps);
    const auto& m = ps.cosmodynes.AspectMatrix;
    const size_t lo = static_cast<size_t>(std::min(p.a, p.b)), hi = static_cast<size_t>(std::max(p.a, p.b));
    return {m[lo][hi], m[hi][lo]};
}

}  // namespace

TEST(AspectDynes, NatalAspectsByOrbTable) {
    struct Case {
        const char* what;
        Pair pair;
        double power, harmony;
    };
    const Case cases[] = {
        {"angular Sun opposite cadent Saturn: the Sun's 15", {kSun, kSaturn, 1, 3, 10, 190}, 15, -15},
        {"cadent Mercury square cadent Mars, 1 degree off", {kMercury, kMars, 3, 3, 0, 91}, 7, -7},
        {"semi-sextile at the window's edge, Mercury's bonus", {kMercury, kVenus, 3, 3, 0, 31}, 1, 1},
        {"just past the window: nothing", {kMercury, kVenus, 3, 3, 0, 31.001}, 0, 0},
        {"130 degrees is a trine", {kSun, kMars, 1, 3, 0, 130}, 2, 2},
        {"131 degrees is a sesquiquadrate", {kSun, kMars, 1, 3, 0, 131}, 2, -2},
        {"355 and 5 are 10 apart: a conjunction, power only", {kSun, kUranus, 1, 3, 355, 5}, 5, 0},
        {"quincunx: power only", {kVenus, kUranus, 1, 1, 0, 150}, 3, 0},
        {"sextile adds harmony", {kVenus, kUranus, 2, 2, 0, 62}, 4, 4},
        {"the Ascendant counts as angular", {kAscendant, kNeptune, 3, 3, 90, 180}, 10, -10},
    };
    for (const Case& c : cases) {
        auto ps = PairChart(c.pair);
        const Cells cells = RunPair(*ps, c.pair);
        EXPECT_NEAR(cells.power, c.power, 1e-5) << c.what;
        EXPECT_NEAR(cells.harmony, c.harmony, 1e-5) << c.what;
    }
}

TEST(AspectDynes, BeneficsAndMaleficsAddUp) {
    struct Case {
        Pair pair;
        double harmony;
    };
    // Trine of two succedent bodies: v = 8.
    const Case cases[] = {
        {{kVenus, kJupiter, 2, 2, 0, 120}, 8 + 4 + 2},
        {{kJupiter, kSaturn, 2, 2, 0, 120}, 8 + 4 - 4},
        {{kVenus, kMars, 2, 2, 0, 120}, 8 + 2 - 2},
        {{kSun, kUranus, 2, 2, 0, 120}, 10},
    };
    for (const Case& c : cases) {
        auto ticked = PairChart(c.pair, 0, 1);
        EXPECT_NEAR(RunPair(*ticked, c.pair).harmony, c.harmony, 1e-5) << c.pair.a << "-" << c.pair.b;
        auto composite = PairChart(c.pair, 1, 1);
        const double plain = c.pair.a == kSun ? 10 : 8;
        EXPECT_NEAR(RunPair(*composite, c.pair).harmony, plain, 1e-5) << "relationship " << c.pair.a << "-" << c.pair.b;
    }
    // Jupiter with Saturn: both shares reach the bodies, the cell nets out.
    const Pair js{kJupiter, kSaturn, 2, 2, 0, 0};
    auto ps = PairChart(js, 0, 1);
    RunPair(*ps, js);
    EXPECT_NEAR(ps->cosmodynes.AspectMatrix[kJupiter][kSaturn], 10, 1e-5);
    EXPECT_NEAR(ps->cosmodynes.AspectMatrix[kSaturn][kJupiter], 0, 1e-5);
}

TEST(AspectDynes, RelationshipConjunctionsAndOppositions) {
    struct Case {
        const char* what;
        Pair pair;
        double power, harmony;
    };
    const Case cases[] = {
        {"Jupiter conjunct Moon: harmony", {kJupiter, kMoon, 2, 2, 0, 0}, 13, 13},
        {"Jupiter opposite Moon: discord", {kJupiter, kMoon, 2, 2, 0, 180}, 13, -13},
        {"Mars conjunct Venus: power only", {kVenus, kMars, 2, 2, 0, 0}, 10, 0},
        {"Mars with Saturn: row 1 once", {kMars, kSaturn, 2, 2, 0, 0}, 10, -10},
        {"Saturn with Pluto: row 2 once", {kSaturn, kPluto, 2, 2, 0, 180}, 10, -10},
        {"Sun with Ascendant: harmony", {kSun, kAscendant, 2, 2, 0, 180}, 13, 13},
        {"Uranus with Neptune: never examined", {kUranus, kNeptune, 2, 2, 0, 0}, 0, 0},
        {"Chiron with Pluto: never examined", {kPluto, kChiron, 2, 2, 0, 0}, 0, 0},
        {"Uranus with the Sun is examined", {kSun, kUranus, 2, 2, 0, 0}, 13, 0},
        {"the MC never takes part", {kSun, kMC, 2, 2, 0, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        auto ps = PairChart(c.pair, 1);
        const Cells cells = RunPair(*ps, c.pair);
        EXPECT_NEAR(cells.power, c.power, 1e-5) << c.what;
        EXPECT_NEAR(cells.harmony, c.harmony, 1e-5) << c.what;
    }
}

TEST(AspectDynes, AnglesSettingAndPresets) {
    for (int angles : {0, 1, 2}) {
        const Pair p{kSun, kMC, 1, 1, 0, 0};
        auto ps = PairChart(p, 0, 0, angles);
        RunPair(*ps, p);
        const CosmodyneState& cd = ps->cosmodynes;
        EXPECT_EQ(cd.AspectPower[kAscendant] > 15, angles >= 1) << angles;
        EXPECT_EQ(cd.AspectPower[kMC] > 15, angles == 2) << angles;
        EXPECT_GE(cd.AspectPower[kMC], 15);
        EXPECT_EQ(cd.AspectPower[kNorthNode], 0);
        EXPECT_EQ(cd.Harmony[kSouthNode], 0);
    }
    const Pair chiron{kSun, kChiron, 1, 1, 0, 0};
    auto ps = PairChart(chiron);
    ps->chart.UseChiron = false;
    RunPair(*ps, chiron);
    EXPECT_EQ(ps->cosmodynes.AspectPower[kChiron], 0);
    EXPECT_EQ(ps->cosmodynes.AspectMatrix[kSun][kChiron], 0);
}

TEST(ParallelDynes, DeclinationsOfNearlyTheSameSize) {
    struct Case {
        const char* what;
        Pair pair;
        double decA, decB;
        int benefics;
        double power, harmony;
    };
    // Longitudes 20 apart: no aspect between cadent or succedent bodies.
    const Case cases[] = {
        {"contra-parallel of two succedent bodies", {kVenus, kUranus, 2, 5, 0, 20}, 10.2, -10.7, 0, 5, 0},
        {"d = 1 is no parallel", {kVenus, kUranus, 2, 5, 0, 20}, 5.0, 6.0, 0, 0, 0},
        {"d = 0.99", {kVenus, kUranus, 2, 5, 0, 20}, 5.0, 5.99, 0, 0.1, 0},
        {"Sun in 5 and Saturn in 12, ticked", {kSun, kSaturn, 5, 12, 0, 25}, 3.0, 3.25, 1, 9.75, -4.875},
        {"Jupiter and Venus, ticked", {kVenus, kJupiter, 3, 3, 0, 20}, 3.0, 3.0, 1, 8, 6},
        {"Jupiter and Saturn, ticked", {kJupiter, kSaturn, 3, 3, 0, 20}, 3.0, 3.0, 1, 8, 0},
        {"Venus and Mars, ticked", {kVenus, kMars, 3, 3, 0, 20}, 3.0, 3.0, 1, 8, 0},
        {"Ascendant and a cadent Moon", {kMoon, kAscendant, 3, 3, 100, 30}, 3.0, 3.0, 0, 12, 0},
    };
    for (const Case& c : cases) {
        for (int relationship : {0, 1}) {
            auto ps = PairChart(c.pair, relationship, c.benefics);
            ps->chart.NatalDeclinations[static_cast<size_t>(c.pair.a)] = c.decA;
            ps->chart.NatalDeclinations[static_cast<size_t>(c.pair.b)] = c.decB;
            const Cells cells = RunPair(*ps, c.pair);
            EXPECT_NEAR(cells.power, c.power, 1e-5) << c.what;
            EXPECT_NEAR(cells.harmony, relationship ? 0 : c.harmony, 1e-5) << c.what << " " << relationship;
        }
    }
    // Saturn receives its own discord share (the Sun also meets Mars here).
    const Pair p{kSun, kSaturn, 5, 12, 0, 25};
    auto ps = PairChart(p, 0, 1);
    ps->chart.NatalDeclinations[kSun] = 3.0;
    ps->chart.NatalDeclinations[kSaturn] = -3.25;
    RunPair(*ps, p);
    EXPECT_NEAR(ps->cosmodynes.Discord[kSaturn], 4.875, 1e-9);
}
