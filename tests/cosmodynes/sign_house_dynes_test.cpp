// Essential dignities, mutual receptions, sign dynes and house dynes.
#include <gtest/gtest.h>

#include <memory>

#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "cosmodynes/natal_cosmodynes.h"
#include "engine_chart.h"

namespace {

using namespace cosmo;

// A state whose planets stand far apart in sign: every one at 15 Libra
// unless a case moves it (Libra gives Venus, Saturn, Uranus and Pluto a
// dignity; the cases look only at the bodies they move).
std::unique_ptr<ProgramState> Signs(std::initializer_list<std::pair<int, double>> at) {
    auto ps = std::make_unique<ProgramState>();
    for (int b = 1; b <= 15; ++b) ps->chart.NatalLongitudes[static_cast<size_t>(b)] = 195;
    for (auto [body, lon] : at) ps->chart.NatalLongitudes[static_cast<size_t>(body)] = lon;
    return ps;
}

}  // namespace

TEST(EssentialDignities, BySign) {
    struct Case {
        int body;
        double longitude;
        double harmony, discord;
    };
    const Case cases[] = {
        {kSun, 120, 2, 0},    {kSun, 119.99, 0, 0},  {kMoon, 45, 3, 0},     {kMoon, 225, 0, 3},
        {kMercury, 310, 3, 0}, {kSaturn, 310, 2, 0}, {kUranus, 310, 2, 0},  {kMars, 100, 0, 3},
        {kJupiter, 215, 0, 1}, {kNeptune, 360, 0, 0},
    };
    for (const Case& c : cases) {
        auto ps = Signs({{c.body, c.longitude}});
        AddEssentialDignities(*ps);
        EXPECT_EQ(ps->cosmodynes.Harmony[static_cast<size_t>(c.body)], c.harmony) << c.body << " " << c.longitude;
        EXPECT_EQ(ps->cosmodynes.Discord[static_cast<size_t>(c.body)], c.discord) << c.body << " " << c.longitude;
    }
    // Chiron, the nodes and the angles never change.
    auto ps = Signs({{kChiron, 120}, {kAscendant, 120}, {kMC, 120}});
    AddEssentialDignities(*ps);
    for (int b : {kNorthNode, kSouthNode, kChiron, kAscendant, kMC}) {
        EXPECT_EQ(ps->cosmodynes.Harmony[static_cast<size_t>(b)], 0);
        EXPECT_EQ(ps->cosmodynes.Discord[static_cast<size_t>(b)], 0);
    }
}

TEST(MutualReceptions, PairsInEachOthersSigns) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, double>> at;
        std::vector<std::pair<int, double>> harmony;
    };
    const Case cases[] = {
        {"Sun in Taurus, Moon in Leo", {{kSun, 45}, {kMoon, 125}}, {{kSun, 5}, {kMoon, 5}}},
        {"Sun and Moon in Cancer", {{kSun, 95}, {kMoon, 100}}, {{kSun, 0}, {kMoon, 0}}},
        {"Mercury in Aquarius, Saturn in Gemini", {{kMercury, 310}, {kSaturn, 70}, {kUranus, 100}}, {{kMercury, 5}, {kSaturn, 5}}},
        {"Mercury in Virgo, Uranus in Aquarius", {{kMercury, 160}, {kUranus, 310}}, {{kMercury, 0}, {kUranus, 0}}},
        {"Venus, Jupiter, Neptune in Pisces",
         {{kVenus, 340}, {kJupiter, 345}, {kNeptune, 350}},
         {{kVenus, 10}, {kJupiter, 10}, {kNeptune, 10}}},
        {"30 is Taurus: Moon and Venus", {{kMoon, 30}, {kVenus, 30}}, {{kMoon, 5}, {kVenus, 5}}},
        {"29.999 is Aries: no Moon there", {{kMoon, 29.999}, {kVenus, 30}}, {{kMoon, 0}}},
    };
    for (const Case& c : cases) {
        auto ps = Signs({});
        // Park everyone else in Virgo, Mercury's alone.
        for (int b = 1; b <= 10; ++b) ps->chart.NatalLongitudes[static_cast<size_t>(b)] = b == kMercury ? 5 : 165;
        for (auto [body, lon] : c.at) ps->chart.NatalLongitudes[static_cast<size_t>(body)] = lon;
        AddMutualReceptions(*ps);
        for (auto [body, h] : c.harmony)
            EXPECT_EQ(ps->cosmodynes.Harmony[static_cast<size_t>(body)], h) << c.what << " body " << body;
    }
}

TEST(SignDynes, RulerSharesByCuspCount) {
    // Scorpio's ruler value is (Pluto + Mars) / 2 = 16, weighted by its cusps.
    const std::pair<int, double> expect[] = {{0, 4}, {1, 8}, {2, 16}, {3, 32}, {4, 0}, {5, 0}};
    for (auto [cusps, share] : expect) {
        auto ps = Signs({});
        for (int b = 1; b <= 15; ++b) ps->chart.NatalLongitudes[static_cast<size_t>(b)] = 100;  // Cancer
        CosmodyneState& cd = ps->cosmodynes;
        cd.TotalPower[kPluto] = 20;
        cd.TotalPower[kMars] = 12;
        cd.Harmony[kPluto] = 6;
        cd.Harmony[kMars] = 2;
        cd.CuspCount[8] = cusps;
        CalcSignDynes(*ps);
        EXPECT_DOUBLE_EQ(cd.SignPower[8], share) << cusps;
        EXPECT_DOUBLE_EQ(cd.SignHarmony[8], share / 4) << cusps;
        EXPECT_EQ(cd.SignDiscord[8], 0);
    }
    // Mars in Aries with one cusp there counts twice; nodes never, Chiron
    // only when used; the angles always.
    auto ps = Signs({{kMars, 10}, {kNorthNode, 15}, {kChiron, 20}, {kMC, 25}});
    CosmodyneState& cd = ps->cosmodynes;
    cd.CuspCount[1] = 1;
    cd.TotalPower[kMars] = 10, cd.TotalPower[kNorthNode] = 100, cd.TotalPower[kChiron] = 7, cd.TotalPower[kMC] = 15;
    ps->chart.UseChiron = false;
    CalcSignDynes(*ps);
    EXPECT_DOUBLE_EQ(cd.SignPower[1], 5 + 10 + 15);
    cd.SignPower.fill(0);
    ps->chart.UseChiron = true;
    CalcSignDynes(*ps);
    EXPECT_DOUBLE_EQ(cd.SignPower[1], 5 + 10 + 7 + 15);
}

TEST(HouseDynes, CuspSharesInterceptedSignsAndBodies) {
    auto ps = std::make_unique<ProgramState>();
    enginetest::EqualHouseChart(*ps, 0);
    CosmodyneState& cd = ps->cosmodynes;
    // Houses 5 from 125 (Leo) to 215 (Scorpio): Virgo and Libra intercepted;
    // house 12 from 350 (Pisces) to 40 (Taurus): Aries intercepted.
    const std::array<double, 13> cusp{0, 40, 60, 80, 100, 125, 215, 230, 250, 270, 290, 310, 350};
    for (size_t h = 1; h <= 12; ++h) cd.Cusp[h] = cusp[h];
    for (size_t b = 1; b <= 15; ++b) cd.TotalPower[b] = 10 * static_cast<double>(b), cd.Harmony[b] = b;
    for (int b = 1; b <= 13; ++b) enginetest::WriteHouse(ps->chart, b, 6);
    enginetest::WriteHouse(ps->chart, kSun, 5);
    for (int b = 1; b <= 13; ++b) cd.BodyHouse[static_cast<size_t>(b)] = b == kSun ? 5 : 6;
    ps->chart.UseChiron = false;
    CalcHouseDynes(*ps);
    EXPECT_DOUBLE_EQ(cd.HousePower[5], 10.0 / 2 + 20.0 / 4 + 30.0 / 4 + 10);
    EXPECT_DOUBLE_EQ(cd.HousePower[12], (80.0 + 50.0) / 2 / 2 + 40.0 / 4);
    // Scorpio on the cusp of house 6.
    double bodies6 = 0;
    for (int b : {2, 3, 4, 5, 6, 7, 8, 9, 10}) bodies6 += 10 * b;
    EXPECT_DOUBLE_EQ(cd.HousePower[6], (90.0 + 40.0) / 2 / 2 + bodies6);
    // The Ascendant goes to house 1, the MC to house 10, whatever the angles.
    EXPECT_DOUBLE_EQ(cd.HousePower[1], 30.0 / 2 + 140);  // Taurus cusp, Venus
    EXPECT_DOUBLE_EQ(cd.HousePower[10], 60.0 / 2 + 150);  // Capricorn cusp, Saturn
    // Each target from its own source only.
    EXPECT_DOUBLE_EQ(cd.HouseHarmony[5], 1.0 / 2 + 2.0 / 4 + 3.0 / 4 + 1);
    for (size_t h = 1; h <= 12; ++h) EXPECT_EQ(cd.HouseDiscord[h], 0);
}

TEST(EqualHouseChart, HandChecked) {
    // Ascendant 0 Aries, equal houses; the Sun at 5 Aries (house 1) and the
    // Moon at 5 Leo (house 5) in trine, everyone else in one cluster.
    auto ps = std::make_unique<ProgramState>();
    enginetest::EqualHouseChart(*ps, 0);
    ChartState& cs = ps->chart;
    // Bodies 2..9 and 13 cluster at 245 (Sagittarius, house 9, cadent):
    // they conjoin each other and trine both the Sun and the Moon.
    for (int b = 1; b <= 13; ++b) enginetest::Place(*ps, 0, b, 245);
    enginetest::Place(*ps, 0, kSun, 5);
    enginetest::Place(*ps, 0, kMoon, 125);
    cs.AnglesSetting = 0;
    cs.UseChiron = false;
    ps->people.BeneficsMaleficsChecked = 0;
    RunNatalCosmodyneEngine(*ps);
    const CosmodyneState& cd = ps->cosmodynes;
    // House power: Sun 5 past cusp 1: 15 - 2 * 5 / 30; Moon 5 past cusp 5: 7.5 - 0.5 * 5 / 30.
    EXPECT_DOUBLE_EQ(cd.HousePosPower[kSun], 15 - 2.0 * 5 / 30);
    EXPECT_DOUBLE_EQ(cd.HousePosPower[kMoon], 7.5 - 0.5 * 5 / 30);
    // Sun (angular, 12) trine Moon (succedent, 10): window 12, v = 12.
    EXPECT_FLOAT_EQ(cd.AspectMatrix[kSun][kMoon], 12);
    EXPECT_FLOAT_EQ(cd.AspectMatrix[kMoon][kSun], 12);
    // Moon at 125 also trines the cluster at 245 (d = 120, v = 10 each of
    // bodies 2..9 for the Moon: 8 trines).
    EXPECT_DOUBLE_EQ(cd.AspectPower[kMoon], 12 + 8 * 10);
    // Sun at 5 and the cluster at 245: d = 120, Sun angular: v = 12 each.
    EXPECT_DOUBLE_EQ(cd.AspectPower[kSun], 12 + 8 * 12);
    // Dignities: Sun in Aries +3; Moon in Leo none; receptions: none
    // (Sun in Aries, Moon in Leo: the Moon is in a Sun sign, the Sun not
    // in a Moon sign).
    EXPECT_DOUBLE_EQ(cd.Harmony[kSun], 12 + 8 * 12 + 3);
    EXPECT_DOUBLE_EQ(cd.Harmony[kMoon], 12 + 8 * 10);
    EXPECT_EQ(cd.Discord[kSun], 0);
    // Every sign holds one cusp: half its ruler plus its bodies. Leo: the
    // Sun's half plus the Moon.
    EXPECT_DOUBLE_EQ(cd.SignPower[5], cd.TotalPower[kSun] / 2 + cd.TotalPower[kMoon]);
    // Aries: half of Mars plus the Sun and both angles.
    EXPECT_DOUBLE_EQ(cd.SignPower[1], cd.TotalPower[kMars] / 2 + cd.TotalPower[kSun] + 15 + 15);
    // House 1 (cusp in Aries): half of Mars, the Sun, the Ascendant.
    EXPECT_DOUBLE_EQ(cd.HousePower[1], cd.TotalPower[kMars] / 2 + cd.TotalPower[kSun] + 15);
    // House 5 (cusp in Leo): half of the Sun, the Moon; no quarter shares.
    EXPECT_DOUBLE_EQ(cd.HousePower[5], cd.TotalPower[kSun] / 2 + cd.TotalPower[kMoon]);
    // The ranking holds 13 bodies; the Sun leads.
    EXPECT_EQ(cd.SortIndex[1], kSun);
}
