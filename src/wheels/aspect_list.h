#pragma once
// The text of the aspect list window: the aspects of the wheel's chart (a
// single wheel's bodies against each other, or the inner chart's bodies
// against the outer chart's), one line of three glyph codes each (body,
// aspect, body), then the parallels and contraparallels of declination.
#include <array>
#include <string>

#include "wheels/aspect_tests.h"

// One ring of the wheel: longitudes and declinations by body 1..15.
struct AspectRing {
    std::array<double, 16> longitudes{};
    std::array<double, 16> declinations{};
};

struct AspectListInput {
    // 1 single wheel, 2 bi-wheel.
    int chartCount = 1;
    // The first chart (the only one of a single wheel, the outer ring of a
    // bi-wheel) and the second chart (the inner ring).
    AspectRing outer;
    AspectRing inner;
    // The composite wheel lists no declinations.
    bool composite = false;
    OrbLines orbs{};
};

// Bodies in the order of the list's rows and columns, positions 1..15.
inline constexpr std::array<int, 16> kAspectListOrder{0, 1, 10, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15};

// The short orb set: orbs 1, 3, 4, 5 and 10 all 3 and orb 6 1.2. It leaves
// the nodes, the Ascendant and the MC out of the list.
bool ShortOrbSet(const OrbLines& orbs);

// The whole list, lines ending in CR LF: an empty opening line, a line
// "  " body " " aspect " " body for each aspect of longitude in row order,
// then (not for the composite) an empty line and the declination pairs.
// On a single wheel every pair is listed twice, once in each body's row.
std::string BuildAspectList(const AspectListInput& in);

struct ProgramState;
// The list's input as the wheel window holds it: its rings with the
// declinations each keeps, the composite mark of the third legend line, and
// the orbs last read.
AspectListInput AspectListInputOf(const ProgramState& ps);
