#pragma once
// Sines and cosines of the whole multiples 0..N of one angle in degrees, from
// a single SinCosDeg by the angle-addition recurrences. The series theories
// use them so that each argument costs one sine and cosine however many of
// its multiples the terms need.
#include "chart/angle_helpers.h"

template <int N>
struct AngleMultiples {
    double s[N + 1];
    double c[N + 1];

    AngleMultiples() = default;
    explicit AngleMultiples(double degrees) { Set(degrees); }

    void Set(double degrees) {
        s[0] = 0.0;
        c[0] = 1.0;
        SinCosDeg(degrees, s[1], c[1]);
        // sin((m+1)x) = sin(mx) cos x + cos(mx) sin x; cos likewise.
        for (int m = 2; m <= N; ++m) {
            s[m] = s[m - 1] * c[1] + c[m - 1] * s[1];
            c[m] = c[m - 1] * c[1] - s[m - 1] * s[1];
        }
    }

    // sin and cos of m times the angle, either sign of m, |m| <= N.
    void Of(int m, double& sm, double& cm) const {
        const int n = m < 0 ? -m : m;
        sm = m < 0 ? -s[n] : s[n];
        cm = c[n];
    }
};

// Turns (s, c), the sine and cosine of an angle a, into those of a + b.
inline void AddAngle(double& s, double& c, double sinB, double cosB) {
    const double sa = s;
    s = sa * cosB + c * sinB;
    c = c * cosB - sa * sinB;
}
