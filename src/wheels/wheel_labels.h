#pragma once
// Cusp labels, intercepted signs and the house numbers of a bi-wheel, and
// the one-character printers (sign glyph, tens and units digit, bold
// digits) that the planet columns use too.
#include <vector>

class DrawingSurface;
struct WheelPaintContext;
struct WheelPen;

// One character at the current position. A printer surface keeps a
// transparent background for every character.
void PrintSignGlyph(WheelPaintContext& c, int sign);
void PrintTensDigit(WheelPaintContext& c, double value);
void PrintUnitsDigit(WheelPaintContext& c, double value);
void PrintTensDigitBold(WheelPaintContext& c, double value);
void PrintUnitsDigitBold(WheelPaintContext& c, double value);

// The tens and units characters of a number: 5 gives '0' and '5'.
char TensDigitChar(double value);
char UnitsDigitChar(double value);

// One character of a cusp label or an intercepted sign: its pen (the top-left
// corner of its cell, in drawing units), its font size and colour, bold.
struct LabelPiece {
    double x, y;
    char ch;
    const WheelPen* pen;
    bool bold;
};

// Drawing units that one point of text spans across on the surface: the
// text keeps its size in points while the wheel's units shrink with the
// window.
double UnitsPerPoint(const DrawingSurface& s);
// How far apart the pieces of a label stand, as a multiple of their
// distances in the label table and the European offsets. Those distances
// suit text no larger against the wheel than on the usual window (580 units
// across 716 pixels at 96 dots per inch: a point spans 1.08 units), and
// anything larger, such as a printed page; there the spread is 1. Where a
// point spans more units, the distances grow by the same ratio, so that the
// pieces stand as far apart on the screen as on the usual window.
double LabelSpread(double unitsPerPoint);

// The twelve cusp labels, five pieces each (degrees, sign, minutes): fixed
// pen positions from the label table, or on a European single wheel at each
// cusp's direction from the Descendant, moved apart by the given spread
// about the end of the label at its cusp (a label across the vertical
// through the centre grows both ways about it). Reads the house sizes'
// cusps.
std::vector<LabelPiece> CuspLabelPieces(const WheelPaintContext& c, double spread);
// The glyphs of the intercepted signs, at the middle of their houses.
std::vector<LabelPiece> InterceptedSignPieces(const WheelPaintContext& c);

// The cusp labels, spread apart as the surface's scale needs.
void DrawCuspLabels(WheelPaintContext& c);
// The European base x of a label at angle a: shifted near the vertical and
// on the left side.
double EuropeanLabelBaseX(double a, double shiftVertical, double shiftLeft);
void DrawInterceptedSigns(WheelPaintContext& c);
// The house numbers of a bi-wheel, in the font the paint driver has set.
void DrawHouseNumbers(WheelPaintContext& c);
