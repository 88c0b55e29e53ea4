#pragma once
// What every drawing stage of one wheel paint reads: the surface, the
// profile of the window or the page, the options, the wheel state and the
// shipped tables. Stages write only the wheel state and the surface.
#include <array>
#include <string>

#include "app/settings.h"
#include "platform/drawing_surface.h"
#include "wheels/wheel_geometry.h"
#include "wheels/wheel_profile.h"
#include "wheels/wheel_state.h"

struct WheelPaintContext {
    DrawingSurface& s;
    const WheelProfile& profile;
    const Settings& settings;
    WheelState& wheels;
    // Shipped tables: the radius of the body ring by angle, and the pen
    // positions of the cusp labels.
    const std::array<int, 361>& ringRadius;
    const std::array<int, 121>& hcData;
    // Whether the diurnal data set is a second person.
    bool secondPerson = false;
    HouseSizes sizes;
    // Pen steps of one planet glyph and one digit, measured on every paint.
    int glyphWidth = 0, glyphHeight = 0, digitWidth = 0, digitHeight = 0;

    float Option(int n) const { return settings.OptionValues[static_cast<std::size_t>(n)]; }
    Colour OptionColour(int n) const { return QBColor(ColourIndex(Option(n))); }
    void UsePen(const WheelPen& pen) {
        s.SetFontSize(Option(pen.sizeOption));
        s.SetForeColor(OptionColour(pen.colourOption));
    }
    bool SingleWheel() const { return wheels.ChartCount == 1; }
    bool EuropeanSingle() const { return settings.ChartStyle != 0 && wheels.ChartCount == 1; }
};

// One glyph-font character at the current position.
inline std::string GlyphChar(int code) { return std::string(1, static_cast<char>(code)); }
