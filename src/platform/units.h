#pragma once
// Screen units: a twip is 1/1440 inch. Window places, the screen size and
// frame thicknesses are kept in twips and turned into pixels by the screen's
// logical dots per inch. Also the map from the original font names to the
// metric-compatible free fonts.
#include <string>
#include <string_view>

constexpr double kTwipsPerInch = 1440.0;

// 1440 / dpi: 15 at 96 dpi, 10 at 144 dpi; 15 for a dpi that is not positive.
double TwipsPerPixel(double logicalDpi);
// The primary screen's twips per pixel (15 when there is no screen).
double ScreenTwipsPerPixel();
// The primary screen's size in twips (0 when there is no screen).
double ScreenWidthTwips();
double ScreenHeightTwips();

// Conversions, pixels rounded to the nearest whole pixel.
int TwipsToPixels(double twips, double twipsPerPixel);
double PixelsToTwips(double pixels, double twipsPerPixel);

// "Courier New" -> "Liberation Mono", "Times New Roman" -> "Liberation Serif",
// "Arial" and "MS Sans Serif" -> "Liberation Sans" (any case); other names
// are returned unchanged.
std::string MapFontName(std::string_view name);
