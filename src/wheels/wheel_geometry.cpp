#include "wheels/wheel_geometry.h"

#include <cmath>

#include "chart/angle_helpers.h"
#include "platform/numbers.h"

std::optional<int> StartScaleFor(double insideWidth, double insideHeight) {
    const float w = static_cast<float>(std::fabs(insideWidth));
    const float h = static_cast<float>(std::fabs(insideHeight));
    if (!(w > 0) || !(h > 0)) return std::nullopt;
    if (w >= h) return CInt(225.0 / std::fabs(insideHeight / insideWidth));
    return 244;
}

HouseSizes ComputeHouseSizes(const std::array<double, 14>& wheelCusps) {
    HouseSizes s;
    for (int i = 1; i <= 12; ++i) s.cusps[i] = wheelCusps[i];
    for (int i = 1; i <= 11; ++i) {
        s.widths[i] = Normalize360(s.cusps[i + 1] - s.cusps[i]);
        if (s.widths[i] == 277.5) s.widths[i] = 7.5;
    }
    s.widths[12] = Normalize360(s.cusps[1] - s.cusps[12]);
    return s;
}

int OpeningCuspIndex(int house) { return house <= 9 ? house + 3 : house - 9; }
int ClosingCuspIndex(int house) { return house <= 8 ? house + 4 : house - 8; }

std::array<double, 13> NaturalCusps(const std::array<double, 14>& wheelCusps) {
    std::array<double, 13> t{};
    for (int k = 1; k <= 9; ++k) t[k] = wheelCusps[k + 3];
    for (int k = 10; k <= 12; ++k) t[k] = wheelCusps[k - 9];
    return t;
}

std::array<double, 12> SpokeAngles(bool european, const std::array<double, 14>& wheelCusps) {
    std::array<double, 12> angles{};
    if (!european) {
        for (int i = 0; i < 12; ++i) angles[i] = i * (kWheelPi / 6);
        return angles;
    }
    const std::array<double, 13> t = NaturalCusps(wheelCusps);
    angles[0] = kWheelPi;
    for (int k = 2; k <= 12; ++k) {
        double d = t[k] - t[1];
        if (d < 0) d += 360;
        double a = d + 180;
        if (a >= 360) a -= 360;
        angles[k - 1] = DegToRad(a);
    }
    return angles;
}

std::array<int, 13> InterceptedSigns(const std::array<double, 14>& wheelCusps) {
    const std::array<double, 13> t = NaturalCusps(wheelCusps);
    std::array<int, 13> out{};
    for (int h = 1; h <= 12; ++h) {
        const int next = h == 12 ? 1 : h + 1;
        const int s = 1 + static_cast<int>(Int(t[h] / 30));
        const int s2 = 1 + static_cast<int>(Int(t[next] / 30));
        int d = s2 - s;
        if (d < 0) d += 12;
        if (d == 2) out[h] = s + 1 > 12 ? 1 : s + 1;
    }
    return out;
}

double InterceptAngle(int h, bool europeanSingle, const std::array<double, 14>& wheelCusps) {
    double a;
    if (europeanSingle) {
        const std::array<double, 13> t = NaturalCusps(wheelCusps);
        const int next = h == 12 ? 1 : h + 1;
        double w = t[next] - t[h];
        if (w < -180) w += 360;
        a = t[h] - t[7] + w / 2;
    } else {
        a = h >= 7 ? (h - 7) * 30 + 15 : (h + 5) * 30 + 15;
    }
    if (a < 0) a += 360;
    if (a >= 360) a -= 360;
    return a;
}

SignPosition SplitSignPosition(double longitude) {
    SignPosition p;
    const double whole = std::floor(longitude);
    p.sign = static_cast<int>(std::floor(whole / 30.0)) + 1;
    p.degrees = static_cast<int>(std::floor(Round2((whole / 30.0 - std::floor(whole / 30.0)) * 30.0)));
    const double minutes = std::floor((longitude - whole) * 60.0 + 0.5);
    p.minutes = minutes >= 60.0 ? 59 : static_cast<int>(minutes);
    return p;
}

int HouseOfBody(const std::string& houseString, int body) {
    const std::size_t at = static_cast<std::size_t>(body) * 10 - 10;
    if (body < 1 || at >= houseString.size()) return 0;
    const int h = static_cast<int>(Val(houseString.substr(at, 2)));
    return h >= 1 && h <= 12 ? h : 0;
}

int ColourIndex(float option) { return CInt(option); }
