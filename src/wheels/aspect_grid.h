#pragma once
// The aspect grid of a printed wheel page: at the right of the page, for a
// single wheel a staircase of the chart's fifteen bodies against each
// other, for a bi-wheel a square of the first chart's bodies (columns)
// against the second chart's (rows). Each cell with an aspect holds the
// aspect's glyph in the colour of its family. Drawn in the page's user
// scale as the wheel's paint set it (y up, symmetric about the centre
// across), with the glyph font.
#include <array>
#include <string>

#include "wheels/aspect_tests.h"

class DrawingSurface;

// Bodies of the grid's columns and rows, positions 1..15 (0: no body).
inline constexpr std::array<int, 16> kAspectGridOrder{0, 1, 10, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15};

struct AspectGridInput {
    int chartCount = 1;
    // The first chart (outer ring) and the second chart (inner ring).
    std::array<double, 16> first{};
    std::array<double, 16> second{};
    // The rings of a transit bi-wheel were exchanged on the window.
    bool ringsSwapped = false;
    // The first chart's name line, printed before a bi-wheel's column labels.
    std::string nameLine;
    // Options 1..286; the grid reads 179 to 190.
    std::array<float, 287> options{};
    // The orbs of the wheel's orb file, read before the page is drawn.
    OrbLines orbs{};
};

// Where the grid stood, in the page's user units: x0 (option 179 left of
// the right edge), the cell width and height, the reference line ybase, the
// grid's left reference gx (one cell left of the leftmost column), its
// lowest line gy and its right edge xr.
struct AspectGridFrame {
    double x0 = 0, cw = 0, ch = 0, ybase = 0, gx = 0, gy = 0, xr = 0;
};

// The option whose colour a cell of aspect code `code` takes: 181
// conjunction, 182 sextile and trine, 183 square and opposition, 184
// quincunx, 185 semi-square and sesquiquadrate, 186 quintile and
// bi-quintile, 187 the rest.
int AspectGridColourOption(int code);

// Draws lines, labels and cells; the fore colour is left at the last
// cell's colour.
AspectGridFrame DrawAspectGrid(DrawingSurface& page, const AspectGridInput& in);
