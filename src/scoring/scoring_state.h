#pragma once
// Relationship scoring: aspect cubes, points, needs and qualities.
#include <array>

struct ScoringState {
    int Reserved = 0;  // fields join as the procedures that own them are built

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
