#include "wheels/planet_columns.h"

#include <cmath>

#include "chart/angle_helpers.h"
#include "platform/glyph_codes.h"
#include "platform/numbers.h"
#include "wheels/wheel_labels.h"
#include "wheels/wheel_paint_context.h"

namespace {

struct Column {
    WheelPaintContext& c;
    ColumnPen pen;
    int stepW = 0, stepH = 0;

    void Step(int w, int h) {
        StepPen(pen, w, h, c.profile.penStepDivisor);
        c.s.SetCurrentY(pen.y);
        c.s.SetCurrentX(pen.x);
    }
    void StepByGlyph() { Step(c.glyphWidth, c.glyphHeight); }
    void StepByText() { Step(stepW, stepH); }
    // The step of one character of the current font size.
    void Measure(const std::string& text, int widthOption, int heightOption) {
        stepW = CInt(c.s.TextWidth(text) + c.Option(widthOption));
        stepH = CInt(std::fabs(c.s.TextHeight(text)) + c.Option(heightOption));
    }
    void MeasureDigit() { Measure("0", c.profile.digitWidthOption, c.profile.digitHeightOption); }
    void MeasureSign(int sign) {
        Measure(GlyphChar(SignGlyph(sign)), c.profile.glyphWidthOption, c.profile.glyphHeightOption);
    }
    // Shortens the step of small minutes.
    void Shorten() {
        if (!c.profile.printer) {
            if (c.Option(75) >= c.Option(193)) stepH = CInt(stepH - c.Option(194));
        } else if ((pen.angle <= 75 || pen.angle >= 310) && c.Option(85) >= c.Option(195)) {
            stepH = CInt(stepH - c.Option(196));
        }
    }
};

}  // namespace

void StepPen(ColumnPen& pen, int width, int height, float divisor) {
    pen.x = pen.x - width * CosDeg(pen.angle);
    const float quotient = static_cast<float>(height) / divisor;
    pen.y = pen.y - quotient * SinDeg(pen.angle);
}

bool LeftHandColumn(int house, double angle, bool europeanSingle, float option28) {
    if (europeanSingle) return angle >= 75 && angle < 255;
    const int t = option28 == 1 ? 3 : 4;
    return house < t || house > t + 5;
}

double ColumnRadius(const PlacedBody& body, const RingParams& params, bool innerRing) {
    if (!innerRing || body.house < 1 || body.house > 12) return body.radius;
    const int h = body.house;
    const double next = params.houseRadii[static_cast<std::size_t>(h == 12 ? 1 : h + 1)];
    const double own = params.houseRadii[static_cast<std::size_t>(h)];
    return body.radius + (next - own) * body.slot / params.slotCount;
}

void DrawPlanetColumn(WheelPaintContext& c, const PlacedBody& body, const RingParams& params, bool innerRing,
                      const std::string& retroFlags) {
    const WheelProfile& p = c.profile;
    const SignPosition pos = SplitSignPosition(body.longitude);
    Column col{c, {}, 0, 0};
    c.s.SetFontSize(c.Option(p.planetGlyph.sizeOption));
    const double r = ColumnRadius(body, params, innerRing) * p.columnRadiusFactor;
    col.pen = {r * CosDeg(body.angle), r * SinDeg(body.angle), body.angle};
    c.s.SetForeColor(c.OptionColour(p.planetGlyph.colourOption));
    c.s.SetCurrentY(col.pen.y);
    c.s.SetCurrentX(col.pen.x);
    if (p.printer) c.s.SetFontTransparent(true);
    c.s.Print(GlyphChar(BodyGlyph(body.body)));

    if (LeftHandColumn(body.house, body.angle, c.EuropeanSingle(), c.Option(28))) {
        col.StepByGlyph();
        c.s.SetFontSize(c.Option(p.planetDegrees.sizeOption));
        col.MeasureDigit();
        c.s.SetForeColor(c.OptionColour(p.planetDegrees.colourOption));
        PrintTensDigitBold(c, pos.degrees);
        col.StepByText();
        PrintUnitsDigitBold(c, pos.degrees);
        col.StepByText();
        c.UsePen(p.planetSign);
        PrintSignGlyph(c, pos.sign);
        col.MeasureSign(pos.sign);
        col.StepByText();
        c.UsePen(p.planetMinutes);
        col.MeasureDigit();
        PrintTensDigit(c, pos.minutes);
        col.StepByText();
        PrintUnitsDigit(c, pos.minutes);
    } else {
        c.s.SetForeColor(c.OptionColour(p.planetMinutes.colourOption));
        col.MeasureDigit();
        col.Shorten();
        col.StepByText();
        c.s.SetFontSize(c.Option(p.planetMinutes.sizeOption));
        col.MeasureDigit();
        col.Shorten();
        PrintUnitsDigit(c, pos.minutes);
        col.StepByText();
        PrintTensDigit(c, pos.minutes);
        col.StepByText();
        col.MeasureDigit();
        col.StepByText();
        c.UsePen(p.planetSign);
        PrintSignGlyph(c, pos.sign);
        c.UsePen(p.planetDegrees);
        col.MeasureDigit();
        col.StepByText();
        PrintUnitsDigitBold(c, pos.degrees);
        col.StepByText();
        PrintTensDigitBold(c, pos.degrees);
    }
    col.StepByText();

    const int b = body.body;
    if ((b >= 1 && b <= 10) || b == 13) {
        if (static_cast<std::size_t>(b) <= retroFlags.size() && retroFlags[static_cast<std::size_t>(b - 1)] == 'R') {
            c.s.SetFontSize(c.Option(p.planetRetrograde.sizeOption));
            const Colour kept = c.s.ForeColor();
            c.s.SetForeColor(c.OptionColour(p.planetRetrograde.colourOption));
            if (p.printer) c.s.SetFontTransparent(true);
            c.s.Print(GlyphChar(kRetrogradeGlyph));
            c.s.SetForeColor(kept);
        }
    }
}
