#pragma once
// Chart wheels: header legends and the wheel copies of the charts.
#include <array>
#include <string>
#include <vector>

struct WheelState {
    // Legend lines 1..7 of the two wheel headers (slot 0 unused).
    std::vector<std::string> WheelHeader1 = std::vector<std::string>(8);
    std::vector<std::string> WheelHeader2 = std::vector<std::string>(8);
    // 1 when a bi-wheel shows its two charts the other way round.
    int WheelSwitched = 0;
    // Chart B as the bi-wheel draws it.
    std::array<double, 16> WheelSecondLongitudes{};
    std::string WheelSecondFlags = std::string(15, ' ');

    // --- the wheel window's charts and modes
    // Charts shown (1 single wheel, 2 bi-wheel) and the layout (0 single,
    // 1 bi-wheel); the ring being drawn (1 first chart, 0 second chart).
    int ChartCount = 1;
    int WheelLayout = 0;
    int WheelRing = 1;
    // The first chart as the window took it when it loaded: bodies 1..15,
    // cusps 1..12 tenth house first, retrograde flags.
    std::array<double, 16> WheelLongitudes{};
    std::array<double, 14> WheelCusps{};
    std::string WheelRetroFlags = std::string(15, ' ');
    // The house string of the first chart among its own cusps, as the set-up
    // left it (the paint reads it, never writes it).
    std::string WheelHouseString;
    // Declinations beside the longitudes: the first chart's (taken from the
    // working chart at load) and the second chart's (set by the set-up).
    std::array<double, 16> WheelDeclinations{};
    std::array<double, 16> WheelSecondDeclinations{};
    // 1 when the bi-wheel shows the Venus zodiac (Switch reruns that filler).
    int VenusZodiacFlag = 0;
    // 1 once a screen paint has put the transits outside (option 216).
    int RingsSwapped = 0;
    // 1 while the paint draws a page, or the window image for a half page.
    int PrintToPrinter = 0;
    int HalfPagePrint = 0;
    // 1 while the window's load sizes it, so that no resize paints.
    int FormLoading = 0;
    // The angle of each body's glyph in the last ring drawn, by body 1..15.
    std::array<double, 16> BodyGlyphAngles{};

    // --- the aspect tools
    // The filler that set up the bi-wheel (0 plain, 1 Magi, 2 Venus zodiac),
    // so that Switch runs it again.
    int DualFillerUsed = 0;
};
