#pragma once
// The organizational fit page of chart A: seven bodies set against seven
// departments in two groups ("Establishment" and "Organization"), each
// column listing its body's sign, house and major aspects to the bodies Sun
// to Moon, with the orbs of "NATAL.ORB". Drawn on a drawing surface (the
// printer, a PDF file, or a recording in tests) on a page of 8.5 by 11.5
// units.
#include <array>

struct ProgramState;
class DrawingSurface;

using FitOrbs = std::array<float, 18>;

// The orbs the page uses: a copy of OrbValues with the lines of
// "NATAL.ORB" in the program folder laid over it (at most 17; reading stops
// at the first empty line). OrbValues itself is not changed. False, after
// telling the user, when the file cannot be read.
bool ReadFitOrbs(const ProgramState& ps, FitOrbs& orbs);

// The aspect code (2 conjunct, 3 sextile, 4 square, 5 trine, 6 opposite;
// 1 none) of two longitudes under the orbs, compared in single precision;
// where windows overlap the last that holds wins, in the order sextile,
// square, trine, opposite, conjunct.
int FitAspectCode(double longitudeA, double longitudeB, const FitOrbs& orbs);

// Draws the whole page: scale, title block, grid, labels, and for each
// column its sign, house and aspect lines. The surface should be prepared
// as a fresh printer page (inches, origin at the top left).
void DrawOrganizationalFit(const ProgramState& ps, DrawingSurface& surface, const FitOrbs& orbs);
