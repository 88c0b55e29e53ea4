#include "wheels/wheel_window_fit.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/painter_surface.h"
#include "wheels/wheel_labels.h"
#include "wheels/wheel_paint_context.h"

namespace {

// Labels keep this far from the window's left and right edges.
constexpr double kLabelMarginPx = 2;
// Rounds of widening at most; a window too narrow for any half width to
// hold its labels stops there.
constexpr int kFitRounds = 20;

}  // namespace

double FitLabelsHalfWidth(WheelPaintContext& c, double startScale, double heightOverWidth) {
    const double r = heightOverWidth;
    if (!(startScale > 0) || !(r > 0)) return startScale;
    c.sizes = ComputeHouseSizes(c.wheels.WheelCusps);
    // The cusp labels come first; their places are made again for each
    // half width tried below, their characters and pens stay.
    const double unitsPerPoint = UnitsPerPoint(c.s);
    std::vector<LabelPiece> pieces = CuspLabelPieces(c, LabelSpread(unitsPerPoint));
    const std::vector<LabelPiece> intercepted = InterceptedSignPieces(c);
    pieces.insert(pieces.end(), intercepted.begin(), intercepted.end());

    // Cell width and ink height of each piece as shares of the half width;
    // both grow with the scale, as the text keeps its size in points.
    // One font change per pen; the minutes, measured last, leave bold off.
    std::vector<double> width(pieces.size()), ink(pieces.size());
    c.s.SetFontName(kGlyphFontName);
    const WheelProfile& p = c.profile;
    for (const WheelPen* pen : {&p.labelDegrees, &p.labelSign, &p.labelMinutes}) {
        c.s.SetFontSize(c.Option(pen->sizeOption));
        c.s.SetFontBold(pen == &p.labelDegrees);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (pieces[i].pen != pen) continue;
            const std::string text(1, pieces[i].ch);
            width[i] = std::fabs(c.s.TextWidth(text)) / startScale;
            ink[i] = std::fabs(c.s.TextHeight(text)) * kLabelInkShare / startScale;
        }
    }

    // With half width S the window spans -S..S across and -S r..S r up and
    // down; a piece at (x, y) spans x..x + width S and y - ink S..y, and
    // keeps a margin of a few pixels, m S, from the left and right edges
    // (the usual window leaves none above and below).
    const double m = kLabelMarginPx / std::fabs(c.s.PixelsPerUnitX()) / startScale;
    const auto halfWidthFor = [&](double S) {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const double x = pieces[i].x, y = pieces[i].y;
            if (x < 0 && m < 1) S = std::max(S, -x / (1 - m));
            if (x > 0 && width[i] + m < 1) S = std::max(S, x / (1 - width[i] - m));
            if (y > 0) S = std::max(S, y / r);
            if (y < 0 && ink[i] < r) S = std::max(S, -y / (r - ink[i]));
        }
        return std::ceil(S);
    };

    // A wider half width makes a point of text span more units, and so
    // spreads the cusp labels' pieces further out: widen until the labels
    // spread for the width fit in it (a few rounds; each widening is a
    // fraction of the one before).
    double S = startScale;
    for (int round = 0; round < kFitRounds; ++round) {
        const double wider = halfWidthFor(S);
        if (wider <= S) break;
        S = wider;
        const std::vector<LabelPiece> cusps = CuspLabelPieces(c, LabelSpread(unitsPerPoint * S / startScale));
        std::copy(cusps.begin(), cusps.end(), pieces.begin());
    }
    return S;
}
