#pragma once
// The aspect lines of a single "90 degree wheel": straight lines inside the
// inner circle between the angles at which the bodies' glyphs stand, for
// the sextile, square, trine, opposition and quincunx, with the orbs of the
// listing options 2, 3, 4, 5 and 10 (not the orb file's). No conjunction is
// drawn, and the Ascendant and the MC are never joined.
#include <array>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "wheels/aspect_tests.h"

// The radius of the circle the lines join, in wheel drawing units.
inline constexpr double kAspectLineRadius = 120;

struct AspectLineSegment {
    int from = 0, to = 0;  // bodies 1..13
    int code = 0;          // 3, 4, 5, 6 or 11
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Whether a first legend line asks for the aspect lines: it ends with
// "90 degree wheel" exactly (a trailing blank does not count).
bool EndsWithNinetyDegreeWheel(const std::string& firstLegendLine);

// The five tests, from options 2, 3, 4, 5 and 10 (options 1..286, slot 0
// unused).
std::array<AspectTest, 5> AspectLineTests(const std::array<float, 287>& options);

// Every ordered pair of bodies 1 to 13 but the nodes, a body with itself
// included, so each line comes twice: the ends at radius 120 on the glyph
// angles, the y of each end times the vertical factor of radial lines.
std::vector<AspectLineSegment> AspectLineSegments(const std::array<double, 16>& longitudes,
                                                  const std::array<double, 16>& glyphAngles,
                                                  const std::array<float, 287>& options, double radialFactor);

// The colour of a line: on the window options 97 (sextile, trine; black
// while a half page is printed), 98 (square, opposition), 99 (quincunx);
// on the page options 112, 113, 114.
Colour AspectLineColour(int code, bool printer, bool halfPage, const std::array<float, 287>& options);
