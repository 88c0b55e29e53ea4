#include "wheels/astro_line.h"

#include <numeric>

#include "platform/drawing_surface.h"
#include "platform/glyph_codes.h"
#include "platform/numbers.h"
#include "platform/painter_surface.h"

namespace {

constexpr double kTopStripY = 600;
constexpr double kBottomStripY = 3000;

struct Strip {
    double x1, x2, y;
    bool top;
};

std::string Glyph(int code) { return std::string(1, static_cast<char>(code)); }

Colour OptionColour(const AstroLineInput& in, int n) { return QBColor(CInt(in.options[static_cast<std::size_t>(n)])); }
float Option(const AstroLineInput& in, int n) { return in.options[static_cast<std::size_t>(n)]; }

// The colour of an aspect on a page; nullopt when the page does not show it.
std::optional<Colour> PageColour(int page, int code) {
    switch (page) {
        case 0: return code == 4 ? std::optional(QBColor(12)) : code == 6 ? std::optional(QBColor(1)) : std::nullopt;
        case 1: return code == 3 ? std::optional(QBColor(1)) : code == 5 ? std::optional(QBColor(10)) : std::nullopt;
        case 2: return code == 2 ? std::optional(QBColor(0)) : std::nullopt;
        default: return std::nullopt;
    }
}

Strip MeasureStrip(DrawingSurface& s, const AstroLineInput& in, double y) {
    const double zero = s.TextWidth("0");
    return {zero, in.outerWidth - 2 * zero, y, y == kTopStripY};
}

void DrawScale(DrawingSurface& s, const AstroLineInput& in, const Strip& st) {
    s.Line(st.x1, st.y, st.x2, st.y, OptionColour(in, 160));
    const auto ticks = [&](int n, double half, int colourOption) {
        const double step = (st.x2 - st.x1) / n;
        for (int i = 0; i <= n; ++i) {
            const double x = st.x1 + i * step;
            s.Line(x, st.y + half, x, st.y - half, OptionColour(in, colourOption));
        }
    };
    ticks(72, 40, 162);
    ticks(36, 60, 161);
    s.SetFontSize(Option(in, 164));
    s.SetForeColor(OptionColour(in, 165));
    const double step = (st.x2 - st.x1) / 12;
    // Every sign glyph is centred by the size of the Gemini glyph.
    const std::string reference = Glyph(SignGlyph(3));
    for (int b = 0; b <= 12; ++b) {
        const double x = st.x1 + b * step;
        if (b <= 11) {
            const double h = s.TextHeight(reference);
            s.SetCurrentX(x - s.TextWidth(reference) / 2);
            s.SetCurrentY((st.top ? 350 : 3250) - h / 3);
            s.Print(Glyph(SignGlyph(b + 1)));
        }
        s.Line(x, st.y + 120, x, st.y - 120, OptionColour(in, 160));
    }
}

void DrawBodies(DrawingSurface& s, const AstroLineInput& in, const Strip& st, std::array<double, 16>& centres) {
    const auto& lon = st.top ? in.longitudesA : in.longitudesB;
    const std::string& retro = st.top ? in.retroA : in.retroB;
    std::array<int, 16> order{};
    std::iota(order.begin(), order.end(), 0);
    for (int a = 1; a <= 14; ++a)
        for (int b = a + 1; b <= 15; ++b)
            if (lon[static_cast<std::size_t>(order[b])] < lon[static_cast<std::size_t>(order[a])]) std::swap(order[a], order[b]);
    double previous = -1000;
    for (int k = 1; k <= 15; ++k) {
        const int p = order[static_cast<std::size_t>(k)];
        if (p == 11 || p == 12 || p == 13 || p == 15) continue;
        double x = st.x1 + (st.x2 - st.x1) * lon[static_cast<std::size_t>(p)] / 360;
        // Glyphs near the right end are pulled left so those still to come fit.
        const float w = static_cast<float>(s.TextWidth(Glyph(BodyGlyph(7))));
        const float x2 = static_cast<float>(st.x2);
        if (x2 - static_cast<float>(16 - k) * w - w / 1.4f < static_cast<float>(x))
            x = x2 - static_cast<float>(15 - k) * w - w / 1.4f;
        // Crowded glyphs are pushed right, one glyph apart.
        const double g = s.TextWidth(Glyph(BodyGlyph(p)));
        if (x < previous + g) x = previous + g;
        previous = x;
        centres[static_cast<std::size_t>(p)] = x + g / 2;
        const bool retrograde = static_cast<std::size_t>(p) <= retro.size() && retro[static_cast<std::size_t>(p - 1)] == 'R';
        s.SetFontSize(Option(in, retrograde ? 154 : 153));
        s.SetForeColor(OptionColour(in, retrograde ? 158 : 157));
        s.SetCurrentX(x);
        s.SetCurrentY(st.top ? st.y + 120 : st.y - 350);
        s.Print(Glyph(BodyGlyph(p)));
    }
}

void PrintName(DrawingSurface& s, const AstroLineInput& in, const std::string& name, double y) {
    s.SetFontSize(Option(in, 151));
    s.SetForeColor(OptionColour(in, 155));
    s.SetCurrentX(s.ScaleLeft() + 10);
    s.SetCurrentY(y);
    s.PrintText(name);
}

bool Joined(int body) { return body >= 1 && body <= 14 && body != 11 && body != 12 && body != 13; }
bool Outer(int body) { return body >= 7 && body <= 9; }

}  // namespace

const char* AstroLinePageTitle(int page) {
    switch (page) {
        case 1: return "Synastry - sextiles (blue) and trines (green)";
        case 2: return "Synastry - conjunctions";
        default: return "Synastry - squares (red) and oppositions (blue)";
    }
}

int AstroLineAspect(const AstroLineInput& in, int i, int j) {
    if (!Joined(i) || !Joined(j) || (Outer(i) && Outer(j))) return 1;
    const auto tests = MajorAspectTests(in.orbs);
    return MatchAspect(FoldedSeparation(in.longitudesA[static_cast<std::size_t>(i)],
                                        in.longitudesB[static_cast<std::size_t>(j)]),
                       tests);
}

AstroLineResult DrawAstroLine(DrawingSurface& s, const AstroLineInput& in) {
    AstroLineResult result;
    s.Cls();
    s.SetBackColor(OptionColour(in, 159));
    s.SetScaleLeft(0);
    s.SetFontName(kGlyphFontName);
    s.SetFontSize(Option(in, 153));

    const Strip top = MeasureStrip(s, in, kTopStripY);
    DrawScale(s, in, top);
    DrawBodies(s, in, top, result.topCentres);
    PrintName(s, in, in.nameA, s.ScaleTop());

    const Strip bottom = MeasureStrip(s, in, kBottomStripY);
    DrawScale(s, in, bottom);
    DrawBodies(s, in, bottom, result.bottomCentres);
    PrintName(s, in, in.nameB, in.outerHeight + s.ScaleTop() - 550);

    for (int i = 1; i <= 14; ++i) {
        for (int j = 1; j <= 14; ++j) {
            const int code = AstroLineAspect(in, i, j);
            if (code <= 1) continue;
            result.caption = AstroLinePageTitle(in.page);
            if (const auto colour = PageColour(in.page, code))
                s.Line(result.topCentres[static_cast<std::size_t>(i)], 900, result.bottomCentres[static_cast<std::size_t>(j)],
                       2600, *colour);
        }
    }
    return result;
}
