#pragma once
// The window's drawing scale, widened where the shape of the window would
// put cusp labels or intercepted signs past its edges. The shape alone gives
// a half width of 244 units to every window taller than wide, and 225 units
// above and below the centre to every wider one, while the labels of the
// Ascendant and the Descendant reach about 250 units across, and their text,
// fixed in points, takes more units the smaller the window is drawn.
struct WheelPaintContext;

// The half width in drawing units, never less than startScale, at which
// every cusp label (its pieces spread as that half width needs) and every
// intercepted sign stands wholly inside a window whose inside height is
// heightOverWidth times its width. The surface must be scaled at
// startScale; the labels' fonts are measured on it.
double FitLabelsHalfWidth(WheelPaintContext& c, double startScale, double heightOverWidth);

// The part of a text cell, from its top, that holds the ink of digits and
// sign glyphs: they have no descenders, so the font's descent below the
// baseline may pass the window's bottom edge.
inline constexpr double kLabelInkShare = 0.8;
