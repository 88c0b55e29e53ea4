#pragma once
// The window and the page draw the wheel with the same routines; what
// differs between the two (option numbers of sizes and colours, the vertical
// factor of radial lines, the pen step, small offsets) stands here, one
// profile each.
#include <array>

// A font size and a colour, by option number.
struct WheelPen {
    int sizeOption;
    int colourOption;
};

struct WheelProfile {
    bool printer;
    // Vertical factor of radial lines (spokes, aspect lines).
    double radialFactor;
    // The pen steps down a planet column by the measured height over this.
    float penStepDivisor;
    // Glyph metrics: width and height adjustment of a planet glyph, then of a digit.
    int glyphWidthOption, glyphHeightOption, digitWidthOption, digitHeightOption;
    // Rings: circles, spokes.
    int circleColourOption, spokeColourOption;
    // Cusp labels: degrees, sign glyph (also intercepted signs), minutes.
    WheelPen labelDegrees, labelSign, labelMinutes;
    // European cusp labels: shift near the vertical, shift on the left side,
    // and the x offsets of the five pieces from the label's base.
    double labelShiftVertical, labelShiftLeft;
    std::array<double, 5> labelPieceOffsets;
    // Planet columns: glyph, degrees, sign, minutes, retrograde mark.
    WheelPen planetGlyph, planetDegrees, planetSign, planetMinutes, planetRetrograde;
    // Column radius factor after placement (page only).
    double columnRadiusFactor;
    // Aspect lines of a "90 degree wheel": glyph size; colours of
    // sextile/trine, square/opposition, quincunx.
    int aspectGlyphSizeOption;
    std::array<int, 3> aspectColourOptions;
    // Header legends: font size, colour, left margin.
    WheelPen legend;
    double legendMargin;
};

inline constexpr WheelProfile kWindowProfile{
    false, 1.0, 640.0f / 480.0f, 60, 62, 61, 63, 101, 102,
    {69, 89}, {70, 90}, {71, 91}, 23, 49, {-2, 6, 16, 33, 40},
    {72, 92}, {73, 93}, {74, 94}, {75, 95}, {76, 96}, 1.0,
    77, {97, 98, 99}, {68, 88}, 10};

inline constexpr WheelProfile kPageProfile{
    true, 0.9475, 600.0f / 480.0f, 64, 66, 65, 67, 115, 116,
    {79, 104}, {80, 105}, {81, 106}, 21, 39, {-2, 5, 12, 26, 30},
    {82, 107}, {83, 108}, {84, 109}, {85, 110}, {86, 111}, 0.9875,
    87, {112, 113, 114}, {78, 103}, 30};
