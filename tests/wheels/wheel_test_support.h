#pragma once
// Shared pieces of the wheel tests: synthetic cusps and house strings, a
// fixture couple set up as a wheel, and recorded calls as readable text.
#include <array>
#include <string>

#include "couple_fixtures.h"
#include "platform/recording_surface.h"
#include "wheels/ring_placement.h"

namespace wheeltest {

// A fixture couple as the input windows hand it over, with the natal A.M./
// P.M. copy the wheel legends read.
void ComputeWheelCouple(ProgramState& ps, const fixtures::Couple& couple);

// Cusps tenth house first with cusp h (natural order) at start + (h-1) * 30.
std::array<double, 14> EqualWheelCusps(double start = 0);
// Cusps tenth house first from the twelve natural cusps 1..12.
std::array<double, 14> WheelCuspsFromNatural(const std::array<double, 13>& natural);
// A ring chart of the given longitudes among the given cusps.
RingChart MakeRingChart(const std::array<double, 16>& longitudes, const std::array<double, 14>& cusps);

// The window size of the 1024-by-768 screen class, inside, in pixels.
inline constexpr double kWindowWidthPx = 716, kWindowHeightPx = 555;

// The recorded calls, one per line, numbers with two decimals.
std::string CallsText(const RecordingSurface& s);

}  // namespace wheeltest
