#pragma once
// What the couple and natal aspect reports share: the eleven bodies of a
// chart (Sun to Moon, then Chiron as body 11), the aspect tests with their
// fixed orbs, and the middle of an aspect line (the two bodies, the aspect
// and the orb).
#include <array>
#include <string>

struct Settings;

namespace magi {

inline constexpr int kChiron = 11;
// Every longitude aspect takes this orb; parallels hold up to the limit.
inline constexpr double kOrb = 3.0;
inline constexpr double kParallelLimit = 1.2;

// The aspect codes of the reports.
inline constexpr int kNoAspect = 1, kConjunction = 2, kSquare = 4, kTrine = 5, kOpposition = 6, kParallel = 7,
                     kContraParallel = 9, kQuincunx = 11;

// The 10-character name of body 1..11.
std::string BodyName(int body);

// One chart's bodies in report order, read from its chart arrays: slots 1
// to 10, and Chiron (slot 13) as body 11. A chart whose Chiron longitude and
// declination are both exactly 0 has no Chiron: it counts ten bodies.
struct ChartBodies {
    std::array<double, 12> longitudes{};
    std::array<double, 12> declinations{};
    int count = 11;
};
ChartBodies ReadChartBodies(const std::array<double, 16>& longitudes, const std::array<double, 16>& declinations);

// The longitude aspect of two bodies (kNoAspect when none) and its signed
// deviation from exact. The separation is folded to at most 180 degrees.
struct Aspect {
    int code = kNoAspect;
    double deviation = 0.0;
};
Aspect LongitudeAspect(double longitudeA, double longitudeB);
// The parallel or contra-parallel of two declinations (kNoAspect when they
// are more than the limit apart) with their separation as the deviation.
Aspect DeclinationAspect(double declinationA, double declinationB);

// The 10-character aspect text of a code.
std::string AspectText(const Settings& s, int code);

// The orb as the aspect line shows it: whole degrees padded, "d", a blank,
// two digits of minutes and "m". Minutes are rounded first, so an orb that
// rounds up to a whole degree shows the next degree and "00m".
std::string OrbText(double orb);

// The aspect line from the first body on: its name, the aspect text, two
// blanks, the second body's name and the orb.
std::string PairText(const Settings& s, int bodyA, int code, int bodyB, double orb);

}  // namespace magi
