#include "wheels/aspect_grid.h"

#include <cmath>

#include "platform/drawing_surface.h"
#include "platform/glyph_codes.h"
#include "platform/numbers.h"
#include "platform/painter_surface.h"

namespace {

std::string Glyph(int code) { return std::string(1, static_cast<char>(code)); }

// Text with its top edge at (x, y).
void PrintAt(DrawingSurface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

AspectGridFrame DrawSingleLines(DrawingSurface& s, AspectGridFrame f, float rows) {
    f.ybase = s.ScaleHeight() / 2 + f.ch * rows;
    double y = f.ybase - f.ch;
    double x = f.xr;
    for (int k = 1; k <= 15; ++k) {
        x -= f.cw;
        y -= f.ch;
        if (k != 15) s.Line(x, y, f.xr, y);
        s.Line(x + f.cw, y, f.xr, y);
    }
    f.gy = y;
    y = f.ybase - f.ch;
    s.Line(f.xr, y - f.ch, f.xr, f.gy);
    x = f.xr;
    for (int k = 1; k <= 16; ++k) {
        x -= f.cw;
        y -= f.ch;
        if (k <= 15) s.Line(x, y, x, f.gy);
    }
    f.gx = x;
    return f;
}

AspectGridFrame DrawSquareLines(DrawingSurface& s, AspectGridFrame f, double refWidth, float rows) {
    f.ybase = s.ScaleHeight() / 2 + f.ch * rows;
    const double xl = f.xr - 18.75 * refWidth;
    for (int k = 1; k <= 16; ++k) {
        const double y = f.ybase - k * f.ch;
        s.Line(xl, y, f.xr, y);
    }
    f.gy = f.ybase - 16 * f.ch;
    for (int k = 1; k <= 16; ++k) {
        const double x = f.xr - (k - 1) * f.cw;
        s.Line(x, f.ybase - f.ch, x, f.gy);
    }
    f.gx = f.xr - 16 * f.cw;
    return f;
}

void DrawLabels(DrawingSurface& s, const AspectGridFrame& f, bool single, const std::string& nameLine) {
    for (int k = single ? 0 : 1; k <= 15; ++k) {
        const std::string g = Glyph(kGridCornerGlyph + kAspectGridOrder[static_cast<std::size_t>(k)]);
        const double w = s.TextWidth(g);
        PrintAt(s, f.gx + w / 3 + k * 1.25 * w, f.gy - 5, g);
    }
    if (!single) {
        const std::string name = nameLine + ": ";
        const double end = f.gx + 1.25 * s.TextWidth(Glyph(BodyGlyph(15)));
        // A name prints as letters, never as glyph codes.
        s.SetCurrentX(end - s.PlainTextWidth(name));
        s.SetCurrentY(f.gy - 5);
        s.PrintText(name);
    }
    for (int k = single ? 14 : 15; k >= 1; --k) {
        const std::string g = Glyph(kGridCornerGlyph + kAspectGridOrder[static_cast<std::size_t>(k)]);
        const double h = std::fabs(s.TextHeight(g));
        PrintAt(s, f.xr + 5, f.gy - h / 4 + k * 1.25 * h, g);
    }
}

void DrawCells(DrawingSurface& s, const AspectGridFrame& f, const AspectGridInput& in) {
    const bool single = in.chartCount == 1;
    const auto tests = FullAspectTests(in.orbs);
    const std::string ref = Glyph(kGridCellGlyph);
    const double w = s.TextWidth(ref);
    const double h = std::fabs(s.TextHeight(ref));
    for (int i = 1; i <= 15; ++i) {
        const auto column = static_cast<std::size_t>(kAspectGridOrder[static_cast<std::size_t>(i)]);
        for (int j = 1; j <= 15; ++j) {
            const auto row = static_cast<std::size_t>(kAspectGridOrder[static_cast<std::size_t>(j)]);
            double a = 0, b = 0;
            if (single) {
                if (i <= j) continue;
                a = in.first[column];
                b = in.first[row];
            } else if (!in.ringsSwapped) {
                a = in.first[column];
                b = in.second[row];
            } else {
                a = in.first[row];
                b = in.second[column];
            }
            const int code = MatchAspect(FoldedSeparation(a, b), tests);
            if (code <= 1) continue;
            s.SetForeColor(QBColor(CInt(in.options[static_cast<std::size_t>(AspectGridColourOption(code))])));
            PrintAt(s, f.gx + w / 3 + i * 1.25 * w, f.gy - h / 4 + j * 1.25 * h, Glyph(AspectGlyph(code)));
        }
    }
}

}  // namespace

int AspectGridColourOption(int code) {
    switch (code) {
        case 2: return 181;
        case 3: case 5: return 182;
        case 4: case 6: return 183;
        case 11: return 184;
        case 9: case 10: return 185;
        case 14: case 16: return 186;
        default: return 187;
    }
}

AspectGridFrame DrawAspectGrid(DrawingSurface& s, const AspectGridInput& in) {
    const bool single = in.chartCount == 1;
    const auto option = [&](int n) { return in.options[static_cast<std::size_t>(n)]; };
    s.SetFontName(kGlyphFontName);
    s.SetForeColor(QBColor(0));
    s.SetFontSize(option(single ? 180 : 190));
    s.SetFontBold(false);
    s.SetFontTransparent(true);

    const std::string sun = Glyph(BodyGlyph(1));
    const double refWidth = s.TextWidth(sun);
    AspectGridFrame f;
    f.x0 = s.ScaleWidth() / 2 - option(179);
    f.cw = 1.25 * refWidth;
    f.ch = 1.25 * std::fabs(s.TextHeight(sun));
    f.xr = f.x0 - refWidth;
    f = single ? DrawSingleLines(s, f, option(188)) : DrawSquareLines(s, f, refWidth, option(189));
    DrawLabels(s, f, single, in.nameLine);
    DrawCells(s, f, in);
    return f;
}
