#include "scoring/magi_aspects.h"

#include <cmath>

#include "app/constant_tables.h"
#include "app/number_padding.h"
#include "app/settings.h"
#include "platform/numbers.h"

namespace magi {

namespace {

constexpr const char* kBodyNames =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   PLUTO     MOON      CHIRON    ";

constexpr int kChironSlot = 13;

}  // namespace

std::string BodyName(int body) { return TableField(kBodyNames, 10, body); }

ChartBodies ReadChartBodies(const std::array<double, 16>& longitudes, const std::array<double, 16>& declinations) {
    ChartBodies bodies;
    for (int b = 1; b <= 10; ++b) {
        bodies.longitudes[b] = longitudes[b];
        bodies.declinations[b] = declinations[b];
    }
    bodies.longitudes[kChiron] = longitudes[kChironSlot];
    bodies.declinations[kChiron] = declinations[kChironSlot];
    if (bodies.longitudes[kChiron] == 0 && bodies.declinations[kChiron] == 0) bodies.count = 10;
    return bodies;
}

Aspect LongitudeAspect(double longitudeA, double longitudeB) {
    double separation = std::fabs(longitudeA - longitudeB);
    if (separation > 180) separation = 360 - separation;
    // With an orb of 3 degrees the windows never overlap; the order is kept
    // all the same, a later window winning.
    Aspect a;
    if (separation >= 90 - kOrb && separation <= 90 + kOrb) a = {kSquare, separation - 90};
    if (separation >= 120 - kOrb && separation <= 120 + kOrb) a = {kTrine, separation - 120};
    if (separation >= 150 - kOrb && separation <= 150 + kOrb) a = {kQuincunx, separation - 150};
    if (separation >= 180 - kOrb) a = {kOpposition, separation - 180};
    if (separation <= kOrb) a = {kConjunction, separation};
    return a;
}

Aspect DeclinationAspect(double declinationA, double declinationB) {
    const double separation = std::fabs(std::fabs(declinationA) - std::fabs(declinationB));
    if (separation > kParallelLimit) return {};
    const bool sameSide = (declinationA >= 0) == (declinationB >= 0);
    return {sameSide ? kParallel : kContraParallel, separation};
}

std::string AspectText(const Settings& s, int code) {
    if (code == kParallel) return "parallel  ";
    if (code == kContraParallel) return "c.parallel";
    return TableField(s.AspectNames, 12, code).substr(0, 10);
}

std::string OrbText(double orb) {
    double degrees = Fix(orb);
    double minutes = Val(Format((orb - degrees) * 60, "0"));
    if (minutes >= 60) {
        degrees += 1;
        minutes -= 60;
    }
    return PadSignedNumber(Format(degrees, "#0")) + "d " + Format(minutes, "00") + "m";
}

std::string PairText(const Settings& s, int bodyA, int code, int bodyB, double orb) {
    return BodyName(bodyA) + AspectText(s, code) + "  " + BodyName(bodyB) + OrbText(orb);
}

}  // namespace magi
