#include "wheels/wheel_extra_stages.h"

#include <cmath>

#include "platform/glyph_codes.h"
#include "platform/painter_surface.h"
#include "wheels/aspect_grid.h"
#include "wheels/aspect_lines.h"
#include "wheels/wheel_paint_context.h"

void DrawAspectLines(WheelPaintContext& c) {
    const WheelState& ws = c.wheels;
    if (ws.WheelLayout != 0 || ws.WheelHeader1.size() < 2 || !EndsWithNinetyDegreeWheel(ws.WheelHeader1[1])) return;
    const WheelProfile& p = c.profile;
    DrawingSurface& s = c.s;
    s.SetFontSize(c.Option(p.aspectGlyphSizeOption));
    const auto& options = c.settings.OptionValues;
    for (const AspectLineSegment& seg : AspectLineSegments(ws.WheelLongitudes, ws.BodyGlyphAngles, options,
                                                           p.radialFactor)) {
        s.SetForeColor(AspectLineColour(seg.code, p.printer, ws.HalfPagePrint == 1, options));
        s.Line(seg.x1, seg.y1, seg.x2, seg.y2);
        const std::string glyph = GlyphChar(AspectGlyph(seg.code));
        s.SetCurrentX((seg.x1 + seg.x2) / 2 - s.TextWidth(glyph) / 2);
        s.SetCurrentY((seg.y1 + seg.y2) / 2 + std::fabs(s.TextHeight(glyph)) / 2);
        if (p.printer) s.SetFontTransparent(true);
        s.Print(glyph);
    }
}

void DrawAspectGridPrinter(WheelPaintContext& c) {
    const WheelState& ws = c.wheels;
    AspectGridInput in;
    in.chartCount = ws.ChartCount;
    in.first = ws.WheelLongitudes;
    in.second = ws.WheelSecondLongitudes;
    in.ringsSwapped = ws.RingsSwapped != 0;
    in.nameLine = ws.WheelHeader1.size() > 1 ? ws.WheelHeader1[1] : std::string();
    in.options = c.settings.OptionValues;
    // The orbs were read from the wheel's orb file before the print job.
    in.orbs = c.settings.OrbValues;
    DrawAspectGrid(c.s, in);
}
