#pragma once
// Relationship scoring: aspect cubes, points, needs and qualities.

struct ScoringState {
    int Reserved = 0;  // fields join as the procedures that own them are built
};
