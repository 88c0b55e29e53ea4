#include "wheels/aspect_tests.h"

#include <cmath>

double FoldedSeparation(double a, double b) {
    double s = std::fabs(a - b);
    if (s > 180) s = 360 - s;
    return s;
}

int MatchAspect(double separation, std::span<const AspectTest> tests) {
    const float s = static_cast<float>(separation);
    int code = 1;
    for (const AspectTest& t : tests) {
        bool match = false;
        switch (t.bound) {
            case AspectBound::Within: {
                const float low = t.angle - t.orb;
                const float high = t.angle + t.orb;
                match = s >= low && s <= high;
                break;
            }
            case AspectBound::AtLeast: {
                const float low = t.angle - t.orb;
                match = s >= low;
                break;
            }
            case AspectBound::AtMost:
                match = s <= t.orb;
                break;
        }
        if (match) code = t.code;
    }
    return code;
}

std::array<AspectTest, 15> FullAspectTests(const OrbLines& o) {
    return {{{3, 60, o[2], AspectBound::Within},
             {4, 90, o[3], AspectBound::Within},
             {5, 120, o[4], AspectBound::Within},
             {6, 180, o[5], AspectBound::AtLeast},
             {8, 30, o[7], AspectBound::Within},
             {9, 45, o[8], AspectBound::Within},
             {10, 135, o[9], AspectBound::Within},
             {11, 150, o[10], AspectBound::Within},
             {12, 36, o[11], AspectBound::Within},
             {13, 40, o[12], AspectBound::Within},
             {14, 72, o[13], AspectBound::Within},
             {15, 108, o[14], AspectBound::Within},
             {16, 144, o[15], AspectBound::Within},
             {17, kSeptileAngle, o[16], AspectBound::Within},
             {2, 0, o[1], AspectBound::AtMost}}};
}

std::array<AspectTest, 5> MajorAspectTests(const OrbLines& o) {
    return {{{3, 60, o[2], AspectBound::Within},
             {4, 90, o[3], AspectBound::Within},
             {5, 120, o[4], AspectBound::Within},
             {6, 180, o[5], AspectBound::AtLeast},
             {2, 0, o[1], AspectBound::AtMost}}};
}
