#pragma once
// Wheel geometry as values: the window scale, house sizes, spoke angles,
// intercepted signs and the pieces of a longitude, computed without drawing
// so that tests can check them as numbers.
#include <array>
#include <optional>
#include <string>
#include <vector>

// The wheel's radii in drawing units.
inline constexpr double kOuterRadius = 217;
inline constexpr double kSingleInnerRadius = 120;
inline constexpr double kDualRadii[4] = {217, 138, 62, 40};
// Cusp labels of a European wheel and intercepted signs stand on this circle.
inline constexpr double kLabelRadius = 236 * 0.91984662;
// The wheel's pi, as its angle formulas take it.
inline constexpr double kWheelPi = 3.1415926535;

// Half the width of the drawing area from the window's inside width and
// height: 225 units stay above and below the centre when the window is at
// least as wide as high, else 244 units across. nullopt when the window
// has no inside area (nothing is then drawn).
std::optional<int> StartScaleFor(double insideWidth, double insideHeight);

// House cusps tenth house first (elements 1..12) and the width of each
// house slot; a width of exactly 277.5 in slots 1..11 becomes 7.5.
struct HouseSizes {
    std::array<double, 14> cusps{};
    std::array<double, 13> widths{};
};
HouseSizes ComputeHouseSizes(const std::array<double, 14>& wheelCusps);

// The element of the cusp that opens house h (1..12), and of the one that
// closes it, in the tenth-house-first order.
int OpeningCuspIndex(int house);
int ClosingCuspIndex(int house);
// The cusps in natural order: T[1] = cusp 1 (Ascendant) .. T[12].
std::array<double, 13> NaturalCusps(const std::array<double, 14>& wheelCusps);

// Angles in radians of the twelve spokes: equal sectors (American style and
// every bi-wheel), or the real cusps measured from the Ascendant at 180
// degrees (European single wheel).
std::array<double, 12> SpokeAngles(bool european, const std::array<double, 14>& wheelCusps);

// The sign (1..12) intercepted in house h (1..12), 0 when none: one whole
// sign between the sign of its cusp and that of the next cusp.
std::array<int, 13> InterceptedSigns(const std::array<double, 14>& wheelCusps);
// The angle (degrees, 0..360) at which the intercepted sign of house h stands.
double InterceptAngle(int house, bool europeanSingle, const std::array<double, 14>& wheelCusps);

// A longitude as sign, whole degrees in the sign and rounded minutes (60
// shows as 59 and the degree stays).
struct SignPosition {
    int sign = 1;
    int degrees = 0;
    int minutes = 0;
};
SignPosition SplitSignPosition(double longitude);

// The house (1..12) of body b in a house string (characters 10b - 9 and
// 10b - 8); 0 when the field holds no house.
int HouseOfBody(const std::string& houseString, int body);

// Options as the wheel reads them: a colour index rounded into 0..15.
int ColourIndex(float option);
