#pragma once
// Placement of one chart ring: the bodies sorted by longitude, grouped by
// house, each given a slot in its house and from it an angle and a radius
// on the wheel. American style: fixed slots in equal house sectors; European
// style (single wheel only): the true distance from the Descendant, pushed
// along where a body would collide with the one before.
#include <array>
#include <string>
#include <vector>

#include "wheels/wheel_geometry.h"

// The ring's constants: slots per house, degrees between slots, the angle
// of slot 0 in each house, and (inner ring of a bi-wheel) the radius of each
// house; the outer ring takes its radius from the radius table by angle.
struct RingParams {
    int slotCount = 7;
    double slotStep = 4.0;
    std::array<int, 13> startAngles{};
    std::array<int, 13> houseRadii{};
    bool byAngleRadius = true;
};

// The outer ring (single wheel, first chart of a bi-wheel) and the inner
// ring (second chart of a bi-wheel), from the ring tables of the settings.
RingParams OuterRingParams(const std::array<int, 13>& ringTable1);
RingParams InnerRingParams(const std::array<int, 13>& ringTable3, const std::array<int, 13>& ringTable4);

struct RingChart {
    std::array<double, 16> longitudes{};  // bodies 1..15
    std::string houseString;              // 10 characters per body
    std::array<double, 14> wheelCusps{};  // tenth house first
    HouseSizes sizes;
    bool european = false;                // European single wheel
    bool vedic = false;                   // no Uranus, Neptune, Pluto, Chiron, MC
};

struct PlacedBody {
    int entry = 0;     // place in the sorted ring list, 1..15
    int body = 0;      // 1..15
    double longitude = 0;
    int house = 0;     // 1..12 (0: the house string gave none)
    int houseCount = 0;
    double cuspDistance = 0;
    int slot = 0;
    int groupIndex = 0;
    double angle = 0;   // degrees counter-clockwise from the right
    double radius = 0;  // where the glyph stands
};

// Bodies in drawing order (entry 15 first); skipped bodies are left out.
std::vector<PlacedBody> PlaceRing(const RingChart& chart, const RingParams& params,
                                  const std::array<int, 361>& ringRadius);

// The radius table at an angle taken round the circle first, so a slot past
// the end of house 6 still finds a radius.
int RadiusAtAngle(const std::array<int, 361>& ringRadius, double angle);
