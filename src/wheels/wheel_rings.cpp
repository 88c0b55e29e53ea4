#include "wheels/wheel_rings.h"

#include <cmath>

#include "wheels/wheel_paint_context.h"

namespace {

Colour SpokeColour(const WheelPaintContext& c) {
    if (!c.profile.printer && c.wheels.HalfPagePrint != 0) return QBColor(0);
    return c.OptionColour(c.profile.spokeColourOption);
}

// A spoke from r1 to r2 at angle a (radians), its vertical ends scaled by
// the profile's factor.
void Spoke(WheelPaintContext& c, double a, double r1, double r2, Colour colour) {
    const double k = c.profile.radialFactor;
    c.s.Line(r1 * std::cos(a), k * r1 * std::sin(a), r2 * std::cos(a), k * r2 * std::sin(a), colour);
}

}  // namespace

void DrawRingsSingle(WheelPaintContext& c) {
    const bool european = c.settings.ChartStyle != 0;
    const Colour circles = c.OptionColour(c.profile.circleColourOption);
    if (c.profile.printer) {
        c.s.Circle(0, 0, kOuterRadius, circles);
        c.s.Circle(0, 0, kSingleInnerRadius, circles);
    }
    const Colour spokes = SpokeColour(c);
    for (double a : SpokeAngles(european, c.wheels.WheelCusps)) Spoke(c, a, kSingleInnerRadius, kOuterRadius, spokes);
    if (!c.profile.printer) {
        c.s.Circle(0, 0, kOuterRadius, circles);
        c.s.Circle(0, 0, kSingleInnerRadius, circles);
    }
}

void DrawRingsDual(WheelPaintContext& c) {
    const Colour circles = c.OptionColour(c.profile.circleColourOption);
    const std::array<double, 12> angles = SpokeAngles(false, c.wheels.WheelCusps);
    if (c.profile.printer) {
        for (double r : kDualRadii) c.s.Circle(0, 0, r, circles);
        for (double a : angles) Spoke(c, a, kDualRadii[3], kOuterRadius, SpokeColour(c));
        return;
    }
    // The sector outlines give the spokes, from the centre to the rim; the
    // centre disk then covers their inner ends.
    const Colour spokes = SpokeColour(c);
    for (double a : angles) c.s.Pie(0, 0, kOuterRadius, a, a + kWheelPi / 6, spokes);
    for (double r : kDualRadii) c.s.Circle(0, 0, r, circles);
    c.s.SetFillColor(c.wheels.HalfPagePrint == 1 ? QBColor(15) : c.OptionColour(100));
    c.s.SetFillStyle(FillStyle::Solid);
    c.s.Circle(0, 0, kDualRadii[3]);
    c.s.SetFillStyle(FillStyle::Transparent);
    c.s.Circle(0, 0, kDualRadii[3], circles);
}
