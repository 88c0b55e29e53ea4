#pragma once
// Plain-language lines on one body of person A and one of person B: sign
// compatibility, a favorable aspect, an unfavorable aspect.

struct ProgramState;

// Appends zero to three lines for A's body a and B's body b (relationship
// order 0..10).
void PrintPairCompatibility(ProgramState& ps, const int& a, const int& b);
