#pragma once
// The tables every relationship score reads: the sign of each body of both
// charts, and the three aspect cubes (A x B, A x A, B x B) built from the
// relationship-order longitudes and the couple orbs of the options.
#include <array>

#include "scoring/scoring_state.h"

struct ProgramState;

// Sign 1..12 of a longitude, taken from the longitude reduced into
// [0, 360), so that 360 itself is Aries.
int SignOfLongitude(double longitude);

// SignNumbersA and SignNumbersB from RelLongitudesA and RelLongitudesB.
void GetSignNumbers(ProgramState& ps);
// AspectCube: A's bodies against B's bodies, every pair (the same body of
// both charts included), with options 268..286.
void ComputeInterchartAspects(ProgramState& ps);
// AspectCubeA and AspectCubeB: each chart with itself, both orders of every
// pair of different bodies, with options 247..264.
void ComputeNatalAspectsA(ProgramState& ps);
void ComputeNatalAspectsB(ProgramState& ps);
