#include "wheels/wheel_labels.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart/angle_helpers.h"
#include "platform/glyph_codes.h"
#include "platform/numbers.h"
#include "wheels/wheel_paint_context.h"

namespace {

void PrintChar(WheelPaintContext& c, char ch) {
    if (c.profile.printer) c.s.SetFontTransparent(true);
    c.s.Print(std::string(1, ch));
}

void PenTo(WheelPaintContext& c, double x, double y) {
    c.s.SetCurrentX(x);
    c.s.SetCurrentY(y);
}

// The house numbers' characters and pens, house 1 just below the left
// horizontal and the houses counter-clockwise; "second" marks the second
// digit of 10, 11 and 12.
struct HouseNumberChar {
    char ch;
    double x, y;
    bool second = false;
};
constexpr HouseNumberChar kHouseNumbers[] = {
    {'1', -52, -6},       {'2', -40, -30}, {'3', -16, -44},       {'4', 10, -44},  {'5', 32, -30},
    {'6', 46, -6},        {'7', 46, 18},   {'8', 32, 40},         {'9', 10, 52},   {'1', -20, 52},
    {'0', -12, 52, true}, {'1', -44, 40},  {'1', -36, 40, true},  {'1', -56, 18},  {'2', -48, 18, true}};

// A point of text on the usual window: 580 units across 716 pixels at 96
// dots per inch.
constexpr double kUsualUnitsPerPoint = (96.0 / 72.0) * 580.0 / 716.0;

// Moves the pens of one label's pieces apart by the spread, about the point
// of the label nearest the vertical through the wheel's centre: a label
// beside the wheel keeps the end at its cusp and grows outwards, a label
// across the vertical grows both ways about it.
void SpreadLabel(std::array<double, 5>& xs, double spread) {
    if (spread == 1.0) return;
    const auto [low, high] = std::minmax_element(xs.begin(), xs.end());
    const double anchor = std::clamp(0.0, *low, *high);
    for (double& x : xs) x = anchor + (x - anchor) * spread;
}

}  // namespace

char TensDigitChar(double value) { return static_cast<char>(kDigitGlyphOffset + static_cast<int>(Fix(value / 10))); }
char UnitsDigitChar(double value) { return static_cast<char>(kDigitGlyphOffset + (CInt(value) % 10)); }

void PrintSignGlyph(WheelPaintContext& c, int sign) { PrintChar(c, static_cast<char>(SignGlyph(sign))); }
void PrintTensDigit(WheelPaintContext& c, double value) { PrintChar(c, TensDigitChar(value)); }
void PrintUnitsDigit(WheelPaintContext& c, double value) { PrintChar(c, UnitsDigitChar(value)); }

void PrintTensDigitBold(WheelPaintContext& c, double value) {
    c.s.SetFontBold(true);
    PrintTensDigit(c, value);
    c.s.SetFontBold(false);
}

void PrintUnitsDigitBold(WheelPaintContext& c, double value) {
    c.s.SetFontBold(true);
    PrintUnitsDigit(c, value);
    c.s.SetFontBold(false);
}

double EuropeanLabelBaseX(double a, double shiftVertical, double shiftLeft) {
    const double x = kLabelRadius * std::cos(DegToRad(a)) + 4;
    if (a <= 80 || a >= 280) return x;
    if ((a > 80 && a < 100) || (a > 260 && a < 280)) return x - shiftVertical;
    return x - shiftLeft;
}

double UnitsPerPoint(const DrawingSurface& s) { return s.DpiX() / 72.0 / std::fabs(s.PixelsPerUnitX()); }

double LabelSpread(double unitsPerPoint) {
    const double ratio = unitsPerPoint / kUsualUnitsPerPoint;
    // The usual window itself keeps the table's places exactly.
    return ratio > 1 + 1e-9 ? ratio : 1.0;
}

std::vector<LabelPiece> CuspLabelPieces(const WheelPaintContext& c, double spread) {
    const WheelProfile& p = c.profile;
    const std::array<int, 121>& hc = c.hcData;
    std::vector<LabelPiece> pieces;
    pieces.reserve(60);
    for (int k = 1; k <= 12; ++k) {
        const SignPosition pos = SplitSignPosition(c.sizes.cusps[k]);
        std::array<double, 5> x{}, y{};
        const bool fixed = c.settings.ChartStyle == 0 || c.wheels.ChartCount != 1 || k == 4 || k == 10;
        if (fixed) {
            const std::size_t base = static_cast<std::size_t>(10 * k - 10);
            for (std::size_t i = 0; i < 5; ++i) {
                x[i] = hc[base + 2 * i];
                y[i] = hc[base + 2 * i + 1];
            }
        } else {
            double a = c.wheels.WheelCusps[k] - c.wheels.WheelCusps[10];
            if (a < 0) a += 360;
            if (a >= 360) a -= 360;
            const double x0 = EuropeanLabelBaseX(a, p.labelShiftVertical, p.labelShiftLeft);
            y.fill(kLabelRadius * std::sin(DegToRad(a)) + 4);
            for (std::size_t i = 0; i < 5; ++i) x[i] = x0 + p.labelPieceOffsets[i];
        }
        SpreadLabel(x, spread);
        pieces.push_back({x[0], y[0], TensDigitChar(pos.degrees), &p.labelDegrees, true});
        pieces.push_back({x[1], y[1], UnitsDigitChar(pos.degrees), &p.labelDegrees, true});
        pieces.push_back({x[2], y[2], static_cast<char>(SignGlyph(pos.sign)), &p.labelSign, false});
        pieces.push_back({x[3], y[3], TensDigitChar(pos.minutes), &p.labelMinutes, false});
        pieces.push_back({x[4], y[4], UnitsDigitChar(pos.minutes), &p.labelMinutes, false});
    }
    return pieces;
}

std::vector<LabelPiece> InterceptedSignPieces(const WheelPaintContext& c) {
    const std::array<int, 13> signs = InterceptedSigns(c.wheels.WheelCusps);
    std::vector<LabelPiece> pieces;
    for (int h = 1; h <= 12; ++h) {
        if (signs[h] == 0) continue;
        const double a = InterceptAngle(h, c.EuropeanSingle(), c.wheels.WheelCusps);
        double x = kLabelRadius * std::cos(DegToRad(a)) + 4;
        if (a > 90 && a < 270) x -= 20;
        pieces.push_back({x, kLabelRadius * std::sin(DegToRad(a)) + 4, static_cast<char>(SignGlyph(signs[h])),
                          &c.profile.labelSign, false});
    }
    return pieces;
}

void DrawCuspLabels(WheelPaintContext& c) {
    const WheelPen* pen = nullptr;
    for (const LabelPiece& piece : CuspLabelPieces(c, LabelSpread(UnitsPerPoint(c.s)))) {
        if (piece.pen != pen) c.UsePen(*piece.pen);
        pen = piece.pen;
        PenTo(c, piece.x, piece.y);
        if (piece.bold) c.s.SetFontBold(true);
        PrintChar(c, piece.ch);
        if (piece.bold) c.s.SetFontBold(false);
    }
}

void DrawInterceptedSigns(WheelPaintContext& c) {
    c.UsePen(c.profile.labelSign);
    for (const LabelPiece& piece : InterceptedSignPieces(c)) {
        PenTo(c, piece.x, piece.y);
        PrintChar(c, piece.ch);
    }
}

void DrawHouseNumbers(WheelPaintContext& c) {
    double x = 0;
    char previous = 0;
    for (const HouseNumberChar& n : kHouseNumbers) {
        // The second digit of a number stands no nearer the first than the
        // first's width, which takes more units the smaller the window.
        x = n.second ? std::max(n.x, x + c.s.TextWidth(std::string(1, previous))) : n.x;
        PenTo(c, x, n.y);
        PrintChar(c, n.ch);
        previous = n.ch;
    }
}
