#include "wheels/ring_placement.h"

#include <algorithm>
#include <cmath>

#include "chart/angle_helpers.h"
#include "platform/numbers.h"

namespace {

constexpr int kBodies = 15;
// Rotations of the ring list that bring the house spanning 0 Aries together:
// one less than the number of entries, so a list all in one house stops.
constexpr int kMaxRotations = 14;

struct Entry {
    double key;
    int body;
    int house;
};

}  // namespace

RingParams OuterRingParams(const std::array<int, 13>& ringTable1) {
    RingParams p;
    p.slotCount = 7;
    p.slotStep = 4.0;
    p.startAngles = ringTable1;
    p.byAngleRadius = true;
    return p;
}

RingParams InnerRingParams(const std::array<int, 13>& ringTable3, const std::array<int, 13>& ringTable4) {
    RingParams p;
    p.slotCount = 5;
    p.slotStep = 5.3;
    p.startAngles = ringTable3;
    p.houseRadii = ringTable4;
    p.byAngleRadius = false;
    return p;
}

int RadiusAtAngle(const std::array<int, 361>& ringRadius, double angle) {
    int index = CInt(angle);
    if (index < 0 || index > 360) index = CInt(Normalize360(angle));
    return ringRadius[static_cast<std::size_t>(std::clamp(index, 0, 360))];
}

std::vector<PlacedBody> PlaceRing(const RingChart& chart, const RingParams& params,
                                  const std::array<int, 361>& ringRadius) {
    // The ring list, sorted by descending longitude; equal keys keep their order.
    std::array<Entry, kBodies + 1> list{};
    std::array<int, 13> houseCount{};
    for (int k = 1; k <= kBodies; ++k) list[k] = {chart.longitudes[k], k, HouseOfBody(chart.houseString, k)};
    for (int i = 1; i <= kBodies - 1; ++i)
        for (int j = i + 1; j <= kBodies; ++j)
            if (list[j].key > list[i].key) std::swap(list[i], list[j]);
    for (int k = 1; k <= kBodies; ++k) ++houseCount[static_cast<std::size_t>(list[k].house)];
    // Drawn from the end: the bodies of the house holding 0 Aries move
    // together to the end of the drawing order.
    for (int turn = 0; turn < kMaxRotations && list[kBodies].house == list[1].house; ++turn)
        std::rotate(list.begin() + 1, list.begin() + kBodies, list.end());

    const int S = params.slotCount;
    std::vector<int> slotTaken(static_cast<std::size_t>(12 * S + 2 * kBodies + 1), 0);
    std::vector<PlacedBody> placed;
    int bodyHouse = 0, groupIndex = 0;
    double previousAngle = 0;

    for (int j = kBodies; j >= 1; --j) {
        const int b = list[j].body;
        const double L = list[j].key;
        if (chart.vedic && (b == 7 || b == 8 || b == 9 || b == 13 || b == 15)) continue;
        const int p = bodyHouse;
        const int h = list[j].house;
        bodyHouse = h;
        if (h != p) groupIndex = 1;
        const int n = houseCount[static_cast<std::size_t>(h)];
        if (n > S && (b == 12 || b == 13)) continue;

        PlacedBody pb;
        pb.entry = j;
        pb.body = b;
        pb.longitude = L;
        pb.house = h;
        pb.houseCount = n;
        pb.groupIndex = groupIndex;

        int s = 0;
        if (h >= 1 && h <= 12) {
            const int open = OpeningCuspIndex(h);
            double d = Normalize360(L - chart.sizes.cusps[open]);
            if (d >= 360 - 1.0 / 36000) d = 0;
            pb.cuspDistance = d;
            const double width = chart.sizes.widths[open];
            s = width != 0 ? static_cast<int>(Fix(S * d / width)) : 0;
            const int i = groupIndex;
            if (S - n > s) {
                // fits where it falls
            } else if (S - s - n + i > 0) {
                // the bodies still to come fit after it
            } else if (s - (n - i) >= 0 && s >= 0 && slotTaken[static_cast<std::size_t>((h - 1) * S + std::min(s, S + kBodies))] == 0) {
                s = S - (n - i) - 1;
            } else {
                s = S - n;
            }
            if (s < 0) s = 0;
            while ((h - 1) * S + s + 1 < static_cast<int>(slotTaken.size()) &&
                   slotTaken[static_cast<std::size_t>((h - 1) * S + s)] == 1)
                ++s;
            slotTaken[static_cast<std::size_t>((h - 1) * S + s)] = 1;
        }
        pb.slot = s;

        const int hi = std::clamp(h, 0, 12);
        double angle = params.startAngles[static_cast<std::size_t>(hi)] + s * params.slotStep;
        double radius = params.byAngleRadius ? RadiusAtAngle(ringRadius, angle)
                                             : params.houseRadii[static_cast<std::size_t>(hi)];
        if (chart.european) {
            const double D = chart.wheelCusps[10];
            double a = Normalize360(L - D);
            const double w = a - previousAngle;
            if ((w >= -16 && w < 4) || (w >= -360 && w < -356)) {
                a = Normalize360(previousAngle + params.slotStep);
                if (pb.cuspDistance < 2 && groupIndex == 1 && a >= 102.5 && a <= 137.5) a = a + 2 - pb.cuspDistance;
            } else if (h >= 1 && h <= 12) {
                const double C = Normalize360(chart.wheelCusps[ClosingCuspIndex(h)] - D);
                const double G = (n - groupIndex + 1) * params.slotStep;
                const double limit = Normalize360(C - G);
                if (a > limit) a = limit;
                if (a <= 28 && limit >= 332) a = 0;
                if ((a >= 270 || a < 180) && a + 2 < C) a = a + 2;
            }
            angle = a;
            previousAngle = a;
            radius = RadiusAtAngle(ringRadius, a);
        }
        pb.angle = angle;
        pb.radius = radius;
        placed.push_back(pb);
        ++groupIndex;
    }
    return placed;
}
