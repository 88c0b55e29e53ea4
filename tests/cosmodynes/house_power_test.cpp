// The run's set-up, house sizes, house-position power, cusp counts and the
// ranking, with the mends for cusps and house fields the chart may hand over.
#include <gtest/gtest.h>

#include <memory>

#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "engine_chart.h"

namespace {

using namespace cosmo;

// Chart A with its cusps (normal order 1..12) set directly.
void SetCusps(ChartState& cs, const std::array<double, 13>& cusp) {
    for (int h = 1; h <= 12; ++h) cs.NatalCusps[static_cast<size_t>(h >= 10 ? h - 9 : h + 3)] = cusp[static_cast<size_t>(h)];
}

void Prepare(ProgramState& ps) {
    PrepareCosmodyneRun(ps);
    CalcHouseSizes(ps.cosmodynes);
    CalcHousePositionPower(ps);
}

}  // namespace

TEST(HousePower, EqualHousesAndTheDistancePastTheCusp) {
    auto ps = std::make_unique<ProgramState>();
    enginetest::EqualHouseChart(*ps, 350);
    enginetest::Place(*ps, 350, kSun, 350);     // on the cusp of house 1
    enginetest::Place(*ps, 350, kMercury, 5);   // 15 past it, across 0
    enginetest::Place(*ps, 350, kMoon, 35);     // halfway through house 2
    enginetest::Place(*ps, 350, kVenus, 220);   // house 8, 20 past
    enginetest::Place(*ps, 350, kMars, 319.99); // just before the cusp of house 12
    ps->chart.UseChiron = false;
    enginetest::Place(*ps, 350, kChiron, 90);
    Prepare(*ps);
    const CosmodyneState& cd = ps->cosmodynes;
    for (int h = 1; h <= 12; ++h) EXPECT_DOUBLE_EQ(cd.HouseSize[static_cast<size_t>(h)], 30) << h;
    EXPECT_EQ(cd.DistPastCusp[kSun], 0);
    EXPECT_DOUBLE_EQ(cd.DistPastCusp[kMercury], 15);
    EXPECT_DOUBLE_EQ(cd.HousePosPower[kSun], 15);
    EXPECT_DOUBLE_EQ(cd.HousePosPower[kMercury], 14);
    EXPECT_NEAR(cd.HousePosPower[kMoon], 8.25, 1e-12);
    EXPECT_NEAR(cd.HousePosPower[kVenus], 10.9 - 0.9 * 20.0 / 30, 1e-6);
    EXPECT_GT(cd.HousePosPower[kMars], 10.9);  // house 11 falls from 11.9 towards 10.9
    EXPECT_LT(cd.HousePosPower[kMars], 10.901);
    EXPECT_DOUBLE_EQ(cd.DistPastCusp[kChiron], 10);
    EXPECT_EQ(cd.HousePosPower[kChiron], 0);
    EXPECT_EQ(cd.HousePosPower[kNorthNode], 0);
    EXPECT_EQ(cd.HousePosPower[kAscendant], 0);
    CountCuspsPerSign(ps->cosmodynes);
    for (int s = 1; s <= 12; ++s) EXPECT_EQ(cd.CuspCount[static_cast<size_t>(s)], 1) << s;
}

TEST(HousePower, HouseSizesAcrossZeroAndCuspCounts) {
    auto ps = std::make_unique<ProgramState>();
    enginetest::EqualHouseChart(*ps, 0);
    // Unequal houses: house 12 from 350 to 20, house 1 from 20 to 29.99, and
    // cusps 1 and 2 in one sign.
    SetCusps(ps->chart, {0, 20, 29.99, 60, 90, 120, 150, 200, 230, 260, 290, 320, 350});
    Prepare(*ps);
    const CosmodyneState& cd = ps->cosmodynes;
    EXPECT_DOUBLE_EQ(cd.HouseSize[12], 30);
    EXPECT_NEAR(cd.HouseSize[1], 9.99, 1e-9);
    CountCuspsPerSign(ps->cosmodynes);
    EXPECT_EQ(cd.CuspCount[1], 2);  // 20 and 29.99 in Aries
    EXPECT_EQ(cd.CuspCount[2], 0);  // Taurus intercepted
    int total = 0;
    for (int s = 1; s <= 12; ++s) total += cd.CuspCount[static_cast<size_t>(s)];
    EXPECT_EQ(total, 12);
}

TEST(HousePower, MendedInputs) {
    auto ps = std::make_unique<ProgramState>();
    enginetest::EqualHouseChart(*ps, 0);
    ChartState& cs = ps->chart;
    // A body a hair before the cusp of house 4, placed in house 4.
    cs.NatalLongitudes[kSun] = 90 - 1.0 / 36000;
    enginetest::WriteHouse(cs, kSun, 4);
    // A house field that holds no number: the cusps place the body.
    cs.NatalLongitudes[kMoon] = 75;
    cs.HouseStringA.replace(90, 10, "----------");
    // A longitude of 360 counts as 0.
    cs.NatalLongitudes[kVenus] = 360;
    enginetest::WriteHouse(cs, kVenus, 1);
    // A cusp of 360: the cusp of house 1 given as 360 instead of 0.
    cs.NatalCusps[4] = 360;
    Prepare(*ps);
    const CosmodyneState& cd = ps->cosmodynes;
    EXPECT_EQ(cd.DistPastCusp[kSun], 0);
    EXPECT_DOUBLE_EQ(cd.HousePosPower[kSun], 14);
    EXPECT_EQ(cd.BodyHouse[kMoon], 3);
    EXPECT_DOUBLE_EQ(cd.DistPastCusp[kMoon], 15);
    EXPECT_DOUBLE_EQ(cd.HousePosPower[kMoon], 8 - 0.5 * 15.0 / 30);
    EXPECT_EQ(cd.DistPastCusp[kVenus], 0);
    EXPECT_DOUBLE_EQ(cd.HouseSize[12], 30);
    EXPECT_DOUBLE_EQ(cd.HouseSize[1], 30);
    CountCuspsPerSign(ps->cosmodynes);
    EXPECT_EQ(cd.CuspCount[1], 1);
    EXPECT_EQ(SignOfLongitude(360), 1);
    EXPECT_EQ(SignOfLongitude(29.999), 1);
    EXPECT_EQ(SignOfLongitude(30), 2);
    EXPECT_EQ(SignOfLongitude(359.99), 12);

    // Two equal cusps: a house of size 0 gives its base power.
    SetCusps(cs, {0, 0, 30, 30, 90, 120, 150, 180, 210, 240, 270, 300, 330});
    cs.NatalLongitudes[kMars] = 30;
    enginetest::WriteHouse(cs, kMars, 2);
    Prepare(*ps);
    EXPECT_EQ(cd.HouseSize[2], 0);
    EXPECT_FLOAT_EQ(static_cast<float>(cd.HousePosPower[kMars]), 8.5f);
}

TEST(Ranking, ExchangeLoopOrder) {
    CosmodyneState cd;
    const std::array<double, 4> keys{0, 5, 5, 7};
    RankByKeys(cd, keys, 3);
    EXPECT_EQ(cd.SortIndex[1], 3);
    EXPECT_EQ(cd.SortIndex[2], 2);
    EXPECT_EQ(cd.SortIndex[3], 1);
    EXPECT_EQ(cd.SortKeys[1], 7);
    const std::array<double, 6> more{0, 1, 4, 4, 9, 0};
    RankByKeys(cd, more, 5);
    EXPECT_EQ(cd.SortIndex[1], 4);
    EXPECT_EQ(cd.SortKeys[5], 0);
    ChartState cs;
    for (auto [angles, n] : {std::pair{-1, 13}, {0, 13}, {1, 14}, {2, 15}, {5, 15}}) {
        cs.AnglesSetting = angles;
        EXPECT_EQ(CosmodyneBodyCount(cs), n) << angles;
    }
}

TEST(RuleTables, RowCountsAndProperties) {
    EXPECT_EQ(kOrbRows.size(), 6u);
    EXPECT_EQ(kRelationshipPairs.size(), 14u);
    // Every planet holds six signs of dignity, Mercury to Saturn eight, and
    // every discord sign is opposite a harmony sign of the same amount.
    std::array<int, 11> perBody{};
    for (const DignityRow& row : kDignities) {
        ++perBody[static_cast<size_t>(row.body)];
        if (row.amount > 0) continue;
        bool opposite = false;
        for (const DignityRow& h : kDignities)
            opposite |= h.body == row.body && h.amount == -row.amount && (h.sign + 5) % 12 + 1 == row.sign;
        EXPECT_TRUE(opposite) << row.body << " " << row.sign;
    }
    EXPECT_EQ(kDignities.size(), 70u);
    EXPECT_EQ(perBody[1], 6);
    EXPECT_EQ(perBody[2], 8);
    EXPECT_EQ(perBody[10], 6);
    for (int h = 1; h <= 12; ++h) EXPECT_EQ(HouseClass(h), h % 3 == 1 ? 2 : h % 3 == 2 ? 1 : 0) << h;
}
