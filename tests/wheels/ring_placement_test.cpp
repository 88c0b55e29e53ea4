#include <gtest/gtest.h>

#include <algorithm>

#include "wheel_test_support.h"
#include "wheels/planet_columns.h"
#include "wheels/ring_placement.h"

namespace {

const std::array<int, 13> kTable1 = {0, 180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153};
const std::array<int, 13> kTable3 = {0, 181, 209, 240, 273, 306, 337, 7, 37, 68, 96, 126, 154};
const std::array<int, 13> kTable4 = {0, 138, 130, 123, 119, 120, 121, 126, 126, 129, 132, 137, 139};

std::array<int, 361> Radii() {
    std::array<int, 361> r{};
    for (int a = 0; a <= 360; ++a) r[static_cast<std::size_t>(a)] = 200 + a % 7;
    return r;
}

// Bodies not named spread one to a house over houses 4..9 (every 20 degrees
// from 95), so the named ones alone share their houses.
std::array<double, 16> Longitudes(std::initializer_list<std::pair<int, double>> named) {
    std::array<double, 16> l{};
    double next = 95;
    for (int b = 1; b <= 15; ++b) {
        l[static_cast<std::size_t>(b)] = next;
        next += 17;
    }
    for (auto [b, v] : named) l[static_cast<std::size_t>(b)] = v;
    return l;
}

const PlacedBody* Find(const std::vector<PlacedBody>& placed, int body) {
    auto it = std::find_if(placed.begin(), placed.end(), [body](const PlacedBody& p) { return p.body == body; });
    return it == placed.end() ? nullptr : &*it;
}

TEST(RingPlacement, SlotsInsideAHouse) {
    const auto cusps = wheeltest::EqualWheelCusps(0);
    const RingParams ring = OuterRingParams(kTable1);
    // Seven slots, three bodies in house 1, the first in natural slot 6: it
    // is pulled back to slot 4 so the other two fit after it.
    {
        const auto placed = PlaceRing(wheeltest::MakeRingChart(Longitudes({{1, 26}, {2, 27}, {3, 28}}), cusps), ring, Radii());
        EXPECT_EQ(Find(placed, 1)->slot, 4);
        EXPECT_EQ(Find(placed, 2)->slot, 5);
        EXPECT_EQ(Find(placed, 3)->slot, 6);
        EXPECT_DOUBLE_EQ(Find(placed, 1)->angle, 180 + 4 * 4.0);
        EXPECT_EQ(Find(placed, 1)->radius, 200 + 196 % 7);
    }
    // Two bodies with the same natural slot: the first keeps it.
    {
        const auto placed = PlaceRing(wheeltest::MakeRingChart(Longitudes({{1, 10.1}, {2, 10.2}}), cusps), ring, Radii());
        EXPECT_EQ(Find(placed, 1)->slot, 2);
        EXPECT_EQ(Find(placed, 2)->slot, 3);
    }
    // 1/36000 degree below the cusp lies on it: distance 0, slot 0.
    {
        const auto placed = PlaceRing(wheeltest::MakeRingChart(Longitudes({{1, 30 - 1.0 / 72000}}), cusps), ring, Radii());
        EXPECT_EQ(Find(placed, 1)->house, 2);
        EXPECT_EQ(Find(placed, 1)->slot, 0);
        EXPECT_DOUBLE_EQ(Find(placed, 1)->cuspDistance, 0);
    }
}

TEST(RingPlacement, OverfullHouseLeavesOutSouthNodeAndChiron) {
    const auto cusps = wheeltest::EqualWheelCusps(0);
    auto l = Longitudes({});
    for (int b = 1; b <= 9; ++b) l[static_cast<std::size_t>(b)] = 31 + b * 2.5;  // nine bodies in house 2
    l[12] = 55.5;
    l[13] = 56.5;
    const auto placed = PlaceRing(wheeltest::MakeRingChart(l, cusps), OuterRingParams(kTable1), Radii());
    EXPECT_EQ(Find(placed, 12), nullptr);
    EXPECT_EQ(Find(placed, 13), nullptr);
    int highest = 0;
    for (const PlacedBody& p : placed)
        if (p.house == 2) highest = std::max(highest, p.slot);
    EXPECT_GT(highest, 6);  // spills past the last slot
    // Slots past the end of house 6 stay on the radius table.
    EXPECT_EQ(RadiusAtAngle(Radii(), 365), Radii()[5]);
}

TEST(RingPlacement, ZeroAriesGroupDrawnTogether) {
    const auto cusps = wheeltest::EqualWheelCusps(340);  // house 1 spans 340..10
    const auto placed = PlaceRing(wheeltest::MakeRingChart(Longitudes({{1, 350}, {2, 5}, {3, 345}}), cusps),
                                  OuterRingParams(kTable1), Radii());
    // Drawn one after another, in order of distance past the cusp.
    ASSERT_GE(placed.size(), 3u);
    std::vector<int> firstHouse;
    for (const PlacedBody& p : placed)
        if (p.house == 1) firstHouse.push_back(p.body);
    ASSERT_EQ(firstHouse.size(), 3u);
    EXPECT_EQ(placed.back().house, 1);
    EXPECT_EQ(placed[placed.size() - 3].body, 3);
    EXPECT_EQ(placed[placed.size() - 1].body, 2);
}

TEST(RingPlacement, VedicFilterInExactCase) {
    const auto cusps = wheeltest::EqualWheelCusps(0);
    RingChart rc = wheeltest::MakeRingChart(Longitudes({}), cusps);
    rc.vedic = true;
    const auto placed = PlaceRing(rc, OuterRingParams(kTable1), Radii());
    EXPECT_EQ(placed.size(), 10u);
    for (int b : {7, 8, 9, 13, 15}) EXPECT_EQ(Find(placed, b), nullptr) << b;
}

TEST(RingPlacement, EuropeanFirstBodyStandsAtFour) {
    const auto cusps = wheeltest::EqualWheelCusps(0);  // Descendant at 180
    std::array<double, 16> l{};
    for (int b = 2; b <= 15; ++b) l[static_cast<std::size_t>(b)] = 190 + 10 * b;
    l[1] = 181;
    RingChart rc = wheeltest::MakeRingChart(l, cusps);
    rc.european = true;
    const auto placed = PlaceRing(rc, OuterRingParams(kTable1), Radii());
    // Body 1 at 1 degree past the Descendant is drawn first and moved to 4.
    EXPECT_EQ(placed.front().body, 1);
    EXPECT_DOUBLE_EQ(placed.front().angle, 4);
}

TEST(RingPlacement, InnerRingRadiiByHouseAndSlot) {
    const auto cusps = wheeltest::EqualWheelCusps(0);
    const RingParams inner = InnerRingParams(kTable3, kTable4);
    const auto placed = PlaceRing(wheeltest::MakeRingChart(Longitudes({{1, 0.5}, {2, 61}, {3, 89}}), cusps), inner, Radii());
    const PlacedBody* sun = Find(placed, 1);
    EXPECT_EQ(sun->slot, 0);
    EXPECT_DOUBLE_EQ(ColumnRadius(*sun, inner, true), 138);
    const PlacedBody* venus = Find(placed, 3);  // house 3, slot 4
    EXPECT_EQ(venus->slot, 4);
    EXPECT_DOUBLE_EQ(venus->angle, 240 + 4 * 5.3);
    EXPECT_DOUBLE_EQ(ColumnRadius(*venus, inner, true), 123 + (119 - 123) * 4 / 5.0);
    // House 12 moves toward house 1.
    PlacedBody last{};
    last.house = 12;
    last.slot = 1;
    last.radius = 139;
    EXPECT_DOUBLE_EQ(ColumnRadius(last, inner, true), 139 + (138 - 139) / 5.0);
}

TEST(RingPlacement, BadHouseStringGivesSlotZero) {
    RingChart rc = wheeltest::MakeRingChart(Longitudes({}), wheeltest::EqualWheelCusps(0));
    rc.houseString.replace(0, 2, "  ");    // body 1: no house
    rc.houseString.replace(10, 2, "45");   // body 2: outside 1..12
    rc.sizes.widths.fill(0);
    const auto placed = PlaceRing(rc, OuterRingParams(kTable1), Radii());
    EXPECT_EQ(Find(placed, 1)->slot, 0);
    EXPECT_EQ(Find(placed, 2)->slot, 0);
    EXPECT_EQ(Find(placed, 5)->slot, 0);  // zero width

    // Every body in one house: the ring list turns at most 14 times.
    RingChart one = wheeltest::MakeRingChart(Longitudes({}), wheeltest::EqualWheelCusps(0));
    for (int b = 1; b <= 15; ++b) one.houseString.replace(static_cast<std::size_t>(10 * b - 10), 2, " 3");
    EXPECT_EQ(PlaceRing(one, OuterRingParams(kTable1), Radii()).size(), 13u);  // no South Node, no Chiron
}

}  // namespace
