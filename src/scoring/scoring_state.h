#pragma once
// Relationship scoring: aspect cubes, points, needs and qualities.
#include <array>

// Index names of the scoring tables.
namespace rel {

// The nine aspects of the relationship cubes (third index of every cube).
enum RelAspect : int {
    kConjunct = 0,        // 0 degrees
    kSemiSextile = 1,     // 30
    kSemiSquare = 2,      // 45
    kSextile = 3,         // 60
    kSquare = 4,          // 90
    kTrine = 5,           // 120
    kSesquiquadrate = 6,  // 135
    kQuincunx = 7,        // 150
    kOpposite = 8,        // 180
};

// Relationship order of the bodies (first two indices of every cube).
enum RelBody : int {
    kAsc = 0,
    kSun = 1,
    kMoon = 2,
    kMercury = 3,
    kVenus = 4,
    kMars = 5,
    kJupiter = 6,
    kSaturn = 7,
    kUranus = 8,
    kNeptune = 9,
    kPluto = 10,
};

// The eight needs of one person, in the order they are listed.
enum Need : int {
    kNeedCommunication,
    kNeedSex,
    kNeedFreedom,
    kNeedCommitment,
    kNeedControl,
    kNeedRomance,
    kNeedPeople,
    kNeedSecurity,
    kNeedCount
};

// The 22 relationship qualities in storage order. kTotal is a counter of
// its own that rules add to, not the sum of the others.
enum Quality : int {
    kCommunication,
    kParentingSkills,
    kSex,
    kWorkOutProblems,
    kMarriage,
    kPowerControl,
    kDeception,
    kIntensity,
    kProblems,
    kAttractionToA,
    kAttractionToB,
    kBossy,
    kLoveForA,
    kLoveForB,
    kWrongStuff,
    kExcitementForA,
    kExcitementForB,
    kLiveTogetherOk,
    kLongevity,
    kTotal,
    kFriendship,
    kRightStuff,
    kQualityCount
};

}  // namespace rel

// One aspect table: [first body 0..10][second body 0..10][aspect 0..8],
// 1 where the aspect holds, 0 otherwise.
using AspectTable = std::array<std::array<std::array<int, 9>, 11>, 11>;

struct ScoringState {
    // Sign 1 (Aries) .. 12 (Pisces) of each relationship-order body.
    std::array<int, 11> SignNumbersA{};
    std::array<int, 11> SignNumbersB{};
    // A's bodies against B's; A's chart and B's chart each with itself.
    AspectTable AspectCube{};
    AspectTable AspectCubeA{};
    AspectTable AspectCubeB{};
    // Points of the last score listing or batch step, and the running total
    // of a batch run (reset by the run).
    float AspectScore = 0.0f;
    double BatchTotal = 0.0;
    // Needs of person A and of data set B, indexed by Need.
    std::array<int, rel::kNeedCount> NeedsA{};
    std::array<int, rel::kNeedCount> NeedsB{};
    // The relationship quality counters, indexed by Quality.
    std::array<int, rel::kQualityCount> Qualities{};

    // --- Magi score tables
    // Romance (A), sex (B) and compatibility (C) points by aspect code 0..11
    // and by the bodies of chart A and chart B 0..15 (body slot numbering);
    // code 9 holds the contra-parallel. No values are shipped: every entry
    // is 0 until the couple report copies Chiron's entries into slot 11.
    using MagiGrid = std::array<std::array<std::array<float, 16>, 16>, 12>;
    MagiGrid MagiGridA{};
    MagiGrid MagiGridB{};
    MagiGrid MagiGridC{};
};
