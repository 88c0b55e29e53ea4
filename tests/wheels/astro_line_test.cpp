// The synastry aspect-line picture, recorded in twips.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/glyph_codes.h"
#include "platform/recording_surface.h"
#include "wheels/astro_line.h"

namespace {

constexpr double kWidth = 13056, kHeight = 4000;  // twips

AstroLineInput QuietInput() {
    AstroLineInput in;
    // Two crowds about 165 degrees apart: no aspect between the charts.
    for (int b = 1; b <= 15; ++b) {
        in.longitudesA[b] = 200 + 0.31 * b;
        in.longitudesB[b] = 35 + 0.31 * b;
    }
    in.retroA = in.retroB = std::string(15, ' ');
    in.nameA = "Ren\xE9" "e";
    in.nameB = "Bruno";
    const std::pair<int, float> options[] = {{151, 10}, {153, 14}, {154, 12}, {155, 0},  {157, 1},  {158, 4},
                                             {159, 15}, {160, 0},  {161, 8},  {162, 7},  {164, 12}, {165, 2}};
    for (const auto& [n, v] : options) in.options[n] = v;
    for (int k = 1; k <= 5; ++k) in.orbs[k] = 1;
    in.outerWidth = kWidth;
    in.outerHeight = kHeight;
    return in;
}

struct Drawn {
    AstroLineResult result;
    std::vector<RecordedCall> lines;  // the aspect lines
    std::vector<RecordedCall> topGlyphs, bottomGlyphs;
};

Drawn Draw(const AstroLineInput& in) {
    RecordingSurface s(kWidth / 15, kHeight / 15, 96);
    Drawn d;
    d.result = DrawAstroLine(s, in);
    for (const RecordedCall& c : s.CallsOf("Line"))
        if (c.numbers[1] == 900 && c.numbers[3] == 2600) d.lines.push_back(c);
    for (const RecordedCall& c : s.CallsOf("Print")) {
        const int code = static_cast<unsigned char>(c.text[0]);
        if (code < kFirstBodyGlyph || code > kLastBodyGlyph) continue;
        (c.numbers[1] == 720 ? d.topGlyphs : d.bottomGlyphs).push_back(c);
        EXPECT_TRUE(c.numbers[1] == 720 || c.numbers[1] == 2650);
    }
    return d;
}

}  // namespace

TEST(AstroLine, ThreePagesWithTheirColoursAndTitles) {
    AstroLineInput in = QuietInput();
    in.longitudesA[1] = 10;   // Sun
    in.longitudesB[1] = 100;  // Sun square
    in.longitudesB[10] = 190; // Moon opposite
    in.longitudesB[2] = 70;   // Mercury sextile
    in.longitudesB[3] = 130;  // Venus trine
    in.longitudesB[4] = 10.5; // Mars conjunct
    struct Page {
        int page;
        std::vector<std::pair<int, Colour>> lines;  // chart B body, colour
        const char* title;
    } pages[] = {{0, {{1, QBColor(12)}, {10, QBColor(1)}}, "Synastry - squares (red) and oppositions (blue)"},
                 {1, {{2, QBColor(1)}, {3, QBColor(10)}}, "Synastry - sextiles (blue) and trines (green)"},
                 {2, {{4, QBColor(0)}}, "Synastry - conjunctions"}};
    for (const Page& p : pages) {
        in.page = p.page;
        const Drawn d = Draw(in);
        ASSERT_EQ(d.lines.size(), p.lines.size()) << p.page;
        // Pairs run by chart B's body within chart A's Sun: Sun, Mercury, Venus, Mars, Moon.
        for (std::size_t n = 0; n < p.lines.size(); ++n) {
            const auto [body, colour] = p.lines[n];
            bool found = false;
            for (const RecordedCall& c : d.lines) {
                if (c.numbers[2] != d.result.bottomCentres[body]) continue;
                found = true;
                EXPECT_EQ(c.numbers[0], d.result.topCentres[1]);
                EXPECT_EQ(c.colour, colour);
            }
            EXPECT_TRUE(found) << "page " << p.page << " body " << body;
        }
        ASSERT_TRUE(d.result.caption.has_value());
        EXPECT_EQ(*d.result.caption, p.title);
    }
}

TEST(AstroLine, PairsNeverJoined) {
    AstroLineInput in = QuietInput();
    for (int k = 1; k <= 5; ++k) in.orbs[k] = 0.5f;
    in.longitudesA[7] = 50;  // Uranus
    in.longitudesB[9] = 50;  // Pluto: never joined to Uranus
    in.longitudesB[1] = 50;  // Sun: joined to Uranus
    in.longitudesA[14] = 50; // Ascendant: joined
    in.longitudesA[11] = 50; // North Node, Chiron, MC: never
    in.longitudesA[13] = 50;
    in.longitudesA[15] = 50;
    in.longitudesB[15] = 50;
    EXPECT_EQ(AstroLineAspect(in, 7, 9), 1);
    EXPECT_EQ(AstroLineAspect(in, 7, 1), 2);
    EXPECT_EQ(AstroLineAspect(in, 14, 9), 2);
    EXPECT_EQ(AstroLineAspect(in, 11, 1), 1);
    EXPECT_EQ(AstroLineAspect(in, 13, 1), 1);
    EXPECT_EQ(AstroLineAspect(in, 15, 1), 1);
    EXPECT_EQ(AstroLineAspect(in, 7, 15), 1);
    in.page = 2;
    const Drawn d = Draw(in);
    EXPECT_EQ(d.lines.size(), 3u);  // Uranus-Sun, Asc-Sun, Asc-Pluto
    // Nodes, Chiron and the MC are not drawn; the Ascendant is.
    EXPECT_EQ(d.topGlyphs.size(), 11u);
    EXPECT_EQ(d.bottomGlyphs.size(), 11u);
    for (const RecordedCall& c : d.topGlyphs) {
        const int body = static_cast<unsigned char>(c.text[0]) - kBodyGlyphOffset;
        EXPECT_TRUE(body <= 10 || body == 14) << body;
    }
}

TEST(AstroLine, BoundsFoldingAndLaterTestWins) {
    struct Case {
        double a, b;
        float orb;
        int code;
    } cases[] = {
        {0, 55, 5, 3},  {0, 65, 5, 3},  {0, 65.01, 5, 1}, {10, 191, 1, 6} /* 181 apart: 179 */,
        {10, 188.9, 1, 1}, {0, 120, 0, 5}, {0, 90, 0, 4},
        {0, 170, 60, 6},   // the opposition over the trine
        {0, 170, 180, 2},  // the conjunction over all
    };
    for (const Case& c : cases) {
        AstroLineInput in = QuietInput();
        for (int k = 1; k <= 5; ++k) in.orbs[k] = c.orb;
        in.longitudesA[1] = c.a;
        in.longitudesB[1] = c.b;
        EXPECT_EQ(AstroLineAspect(in, 1, 1), c.code) << c.a << " " << c.b << " orb " << c.orb;
    }
}

TEST(AstroLine, NoAspectNoLineNoCaption) {
    AstroLineInput in = QuietInput();
    const Drawn d = Draw(in);
    EXPECT_TRUE(d.lines.empty());
    EXPECT_FALSE(d.result.caption.has_value());
}

TEST(AstroLine, CrowdedGlyphsAndTheRightEnd) {
    AstroLineInput in = QuietInput();
    for (int b = 1; b <= 15; ++b) in.longitudesA[b] = 358 + 0.1 * b;  // all near the end
    for (int b = 1; b <= 15; ++b) in.longitudesB[b] = 100;            // all on one spot
    in.retroB[4] = 'R';  // Jupiter (body 5)
    const Drawn d = Draw(in);
    RecordingSurface s(kWidth / 15, kHeight / 15, 96);
    s.SetFontSize(14);
    const double zero = s.TextWidth("0");
    const double x2 = kWidth - 2 * zero;
    ASSERT_EQ(d.topGlyphs.size(), 11u);
    for (std::size_t n = 1; n < d.topGlyphs.size(); ++n)
        EXPECT_GE(d.topGlyphs[n].numbers[0], d.topGlyphs[n - 1].numbers[0] + s.TextWidth("\xE0") - 1e-6);
    // The last glyph still fits before the right end.
    EXPECT_LE(d.topGlyphs.back().numbers[0] + s.TextWidth("\xE0"), x2 + 1e-3);
    // One spot: one glyph width apart from the first one at 100 degrees.
    ASSERT_EQ(d.bottomGlyphs.size(), 11u);
    s.SetFontSize(10);  // the bottom strip is measured at the names' size
    const double bx1 = s.TextWidth("0"), bx2 = kWidth - 2 * bx1;
    EXPECT_NEAR(d.bottomGlyphs[0].numbers[0], bx1 + (bx2 - bx1) * 100 / 360, 1e-9);
    for (std::size_t n = 1; n < d.bottomGlyphs.size(); ++n)
        EXPECT_GT(d.bottomGlyphs[n].numbers[0], d.bottomGlyphs[n - 1].numbers[0]);
    for (const RecordedCall& c : d.bottomGlyphs) {
        const int body = static_cast<unsigned char>(c.text[0]) - kBodyGlyphOffset;
        EXPECT_EQ(c.colour, body == 5 ? QBColor(4) : QBColor(1));
        // Each centre stands half a glyph right of the glyph's left edge.
        EXPECT_GT(d.result.bottomCentres[body], c.numbers[0]);
    }
}

TEST(AstroLine, StripsSignsAndNames) {
    RecordingSurface s(kWidth / 15, kHeight / 15, 96);
    DrawAstroLine(s, QuietInput());
    int signs = 0;
    for (const RecordedCall& c : s.CallsOf("Print")) {
        const int code = static_cast<unsigned char>(c.text[0]);
        if (code >= kFirstSignGlyph && code <= kLastSignGlyph) ++signs;
    }
    EXPECT_EQ(signs, 24);
    // 73 five-degree, 37 ten-degree and 13 thirty-degree ticks and the scale line, twice.
    int strip = 0;
    for (const RecordedCall& c : s.CallsOf("Line"))
        if (c.numbers[1] != 900) ++strip;
    EXPECT_EQ(strip, 2 * (1 + 73 + 37 + 13));
    const auto names = s.CallsOf("PrintText");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].text, "Ren\xE9" "e");
    EXPECT_EQ(names[0].numbers[1], 0);
    EXPECT_EQ(names[1].text, "Bruno");
    EXPECT_EQ(names[1].numbers[1], kHeight - 550);
    EXPECT_EQ(s.BackColor(), QBColor(15));
}
