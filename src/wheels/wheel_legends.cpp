#include "wheels/wheel_legends.h"

#include <cmath>

#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "wheels/wheel_paint_context.h"

namespace {

void PrintLegend(WheelPaintContext& c, const std::vector<std::string>& lines, double margin) {
    for (int i = 1; i <= 7; ++i) {
        if (c.profile.printer) c.s.SetFontTransparent(true);
        c.s.PrintText(static_cast<std::size_t>(i) < lines.size() ? lines[static_cast<std::size_t>(i)] : "");
        c.s.SetCurrentX(c.s.ScaleLeft() + margin);
    }
}

double LineHeight(WheelPaintContext& c, const std::vector<std::string>& lines) {
    return std::fabs(c.s.TextHeight(lines.size() > 1 ? lines[1] : ""));
}

}  // namespace

void DrawHeaderScreen(WheelPaintContext& c) {
    const WheelProfile& p = c.profile;
    c.s.SetFontName(kGlyphFontName);
    c.UsePen(p.legend);
    c.s.SetCurrentX(c.s.ScaleLeft() + p.legendMargin);
    c.s.SetCurrentY(c.s.ScaleTop());
    PrintLegend(c, c.wheels.WheelHeader1, p.legendMargin);
    c.s.SetCurrentY(c.s.ScaleHeight() / 2 + 8 * LineHeight(c, c.wheels.WheelHeader2));
    PrintLegend(c, c.wheels.WheelHeader2, p.legendMargin);
}

void DrawHeaderPrinter(WheelPaintContext& c, const std::vector<std::string>& personalLines) {
    const WheelProfile& p = c.profile;
    c.s.SetFontName(kGlyphFontName);
    c.s.SetFontSize(c.Option(p.legend.sizeOption));
    c.s.SetFontBold(false);
    c.s.SetForeColor(c.OptionColour(p.legend.colourOption));
    c.s.SetCurrentX(c.s.ScaleLeft() + p.legendMargin);
    c.s.SetCurrentY(c.s.ScaleTop() - c.Option(243));
    PrintLegend(c, c.wheels.WheelHeader1, p.legendMargin);
    if (c.Option(198) != 0) {
        c.s.SetFontTransparent(true);
        c.s.PrintText("Sidereal");
    }
    c.s.SetCurrentY(c.s.ScaleHeight() / 2 + c.Option(191) * LineHeight(c, c.wheels.WheelHeader2));
    c.s.SetCurrentX(c.s.ScaleLeft() + p.legendMargin);
    PrintLegend(c, c.wheels.WheelHeader2, p.legendMargin);

    if (c.Option(174) == 0) return;
    c.s.SetFontSize(c.Option(175));
    c.s.SetForeColor(c.OptionColour(176));
    c.s.SetCurrentY(c.s.ScaleTop() - c.Option(244));
    for (const std::string& line : personalLines) {
        c.s.SetCurrentX(c.s.ScaleWidth() / 2 - c.Option(177) - c.s.PlainTextWidth(line));
        c.s.SetFontTransparent(true);
        c.s.PrintText(line);
    }
}

std::vector<std::string> ReadPersonalLines(const std::string& appPath, float option174) {
    if (option174 == 0) return {};
    return ReadTextLines(JoinPath(appPath, "PERSONAL.NAM")).value_or(std::vector<std::string>{});
}
