#pragma once
// The aspect tests of the wheel's aspect tools (the aspect list, the aspect
// lines, the printed grid and the synastry window). Each tool runs its own
// list of tests in a fixed order over the separation of two longitudes; a
// later match replaces an earlier one. Separations and bounds compare in
// single precision with both bounds included.
#include <array>
#include <span>

// How a test bounds the separation s: angle - orb <= s <= angle + orb,
// s >= angle - orb (the opposition), or s <= orb (the conjunction).
enum class AspectBound { Within, AtLeast, AtMost };

struct AspectTest {
    int code;     // aspect code, 2 conjunction .. 17 septile
    float angle;  // degrees
    float orb;
    AspectBound bound;
};

// The septile's angle, 360 / 7 in single precision.
inline constexpr float kSeptileAngle = static_cast<float>(360.0 / 7.0);

// The separation of two longitudes folded into 0..180 degrees.
double FoldedSeparation(double a, double b);

// The code of the last test that matches, 1 when none does.
int MatchAspect(double separation, std::span<const AspectTest> tests);

// Orbs by orb-file line 1..17 (slot 0 unused).
using OrbLines = std::array<float, 18>;

// The fifteen tests of the aspect list and the printed grid: sextile,
// square, trine, opposition, semi-sextile, semi-square, sesquiquadrate,
// quincunx, semi-quintile, nonagen, quintile, trecile, bi-quintile, septile,
// conjunction; orb line k belongs to aspect code k + 1.
std::array<AspectTest, 15> FullAspectTests(const OrbLines& orbs);

// The five tests of the synastry window: sextile, square, trine,
// opposition, conjunction, with orb lines 2, 3, 4, 5 and 1.
std::array<AspectTest, 5> MajorAspectTests(const OrbLines& orbs);
