#pragma once
// The column of one placed body: its glyph at its place, then toward the
// centre its degrees (bold), sign glyph, minutes and retrograde mark, in
// reading order on the left of the wheel and reversed on the right, so that
// every column reads left to right.
#include <string>

#include "wheels/ring_placement.h"

struct WheelPaintContext;

// The pen of a column, stepped toward the centre along the body's angle.
struct ColumnPen {
    double x = 0, y = 0;
    double angle = 0;
};

// One step: x by width x cos a, y by (height / divisor) x sin a with the
// quotient in single precision.
void StepPen(ColumnPen& pen, int width, int height, float divisor);

// Whether a column is printed in reading order (the left-hand side).
bool LeftHandColumn(int house, double angle, bool europeanSingle, float option28);

// The radius a column starts at: on the inner ring of a bi-wheel it moves
// from its house's radius toward the next house's as the slot grows.
double ColumnRadius(const PlacedBody& body, const RingParams& params, bool innerRing);

void DrawPlanetColumn(WheelPaintContext& c, const PlacedBody& body, const RingParams& params, bool innerRing,
                      const std::string& retroFlags);
