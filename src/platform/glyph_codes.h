#pragma once
// Character codes of the glyph font "Tandrell" and where the font holds them.
//
// The drawing code works with the font's 8-bit glyph codes (a body's glyph is
// body + 223, a sign's is sign + 191, an aspect's is aspect code + 159). The
// font keeps each of them at the private-use code point U+F000 + code, so that
// an ordinary accented letter in a name is never drawn as a glyph.
#include <array>

inline constexpr char16_t kGlyphBase = 0xF000;

// The code point at which the font holds glyph code `code` (0 to 255).
constexpr char16_t GlyphCodePoint(int code) {
    return static_cast<char16_t>(kGlyphBase + code);
}

// Code families.
inline constexpr int kBodyGlyphOffset = 223;    // body 1 (Sun) .. 15 (MC)
inline constexpr int kSignGlyphOffset = 191;    // sign 1 (Aries) .. 12 (Pisces)
inline constexpr int kAspectGlyphOffset = 159;  // aspect code 2 .. 17
inline constexpr int kDigitGlyphOffset = 48;    // digit 0 .. 9

constexpr int BodyGlyph(int body) { return body + kBodyGlyphOffset; }
constexpr int SignGlyph(int sign) { return sign + kSignGlyphOffset; }
constexpr int AspectGlyph(int aspect_code) {
    return aspect_code + kAspectGlyphOffset;
}
constexpr int DigitGlyph(int digit) { return digit + kDigitGlyphOffset; }

// Single marks.
inline constexpr int kRetrogradeGlyph = 156;
inline constexpr int kParallelGlyph = 166;        // aspect code 7
inline constexpr int kContraparallelGlyph = 177;
inline constexpr int kGridCornerGlyph = 223;      // "body 0": the aspect grid's
                                                  // first column label
// The aspect glyph whose size sets the cells of the printed aspect grid.
inline constexpr int kGridCellGlyph = 175;

// First and last codes of the families.
inline constexpr int kFirstBodyGlyph = BodyGlyph(1);       // 224 Sun
inline constexpr int kLastBodyGlyph = BodyGlyph(15);       // 238 MC
inline constexpr int kFirstSignGlyph = SignGlyph(1);       // 192 Aries
inline constexpr int kLastSignGlyph = SignGlyph(12);       // 203 Pisces
inline constexpr int kFirstAspectGlyph = AspectGlyph(2);   // 161 conjunction
inline constexpr int kLastAspectGlyph = AspectGlyph(17);   // 176 septile

// Every glyph code the font holds in the private-use area.
inline constexpr std::array<int, 56> kGlyphFontCodes = [] {
    std::array<int, 56> codes{};
    int n = 0;
    for (int d = 0; d <= 9; ++d) codes[n++] = DigitGlyph(d);
    codes[n++] = kRetrogradeGlyph;
    for (int c = kFirstAspectGlyph; c <= kLastAspectGlyph; ++c) codes[n++] = c;
    codes[n++] = kContraparallelGlyph;
    for (int c = kFirstSignGlyph; c <= kLastSignGlyph; ++c) codes[n++] = c;
    codes[n++] = kGridCornerGlyph;
    for (int c = kFirstBodyGlyph; c <= kLastBodyGlyph; ++c) codes[n++] = c;
    return codes;
}();
