#pragma once
// The synastry aspect-line picture: chart A's bodies on a zodiac strip at
// the top, chart B's on one near the bottom, and the major aspects between
// them as coloured lines, one page of aspects at a time: squares and
// oppositions, sextiles and trines, or conjunctions. Drawn in twips with
// the glyph font; sizes and colours from options 151 to 165.
#include <array>
#include <optional>
#include <string>

#include "wheels/aspect_tests.h"

class DrawingSurface;

inline constexpr const char* kAstroLineCaption = "Synastry Aspects";

// The window caption of page 0, 1 or 2.
const char* AstroLinePageTitle(int page);

struct AstroLineInput {
    // Chart A (top strip) and chart B (bottom strip): longitudes by body
    // 1..15 and retrograde flags ("R" at position body - 1).
    std::array<double, 16> longitudesA{}, longitudesB{};
    std::string retroA, retroB;
    // The two names, printed as letters.
    std::string nameA, nameB;
    std::array<float, 287> options{};
    OrbLines orbs{};
    int page = 0;
    // The window's outer width and height in twips.
    double outerWidth = 0, outerHeight = 0;
};

struct AstroLineResult {
    // The page's title once a pair was found in any of the five aspects.
    std::optional<std::string> caption;
    // The x of each drawn glyph's middle, by body (1..10 and 14).
    std::array<double, 16> topCentres{}, bottomCentres{};
};

// The whole picture: cleared to the background, both strips with their
// glyphs, both names, and the lines of the page's aspects.
AstroLineResult DrawAstroLine(DrawingSurface& s, const AstroLineInput& in);

// The aspect (2 conjunction, 3 sextile, 4 square, 5 trine, 6 opposition; 1
// none) between body i of chart A and body j of chart B, or 1 where the
// picture never joins the pair: nodes, Chiron and the MC, and two of
// Uranus, Neptune and Pluto.
int AstroLineAspect(const AstroLineInput& in, int i, int j);
