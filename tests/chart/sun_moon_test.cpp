#include <gtest/gtest.h>

#include <cmath>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/moon_theory.h"
#include "chart/sun_theory.h"

TEST(SunMoonTables, TermCounts) {
    int sunTerms = 0;
    for (const SunPerturbationTerm& t : kSunPerturbationTerms) sunTerms += t.amplitude != 0.0;
    EXPECT_EQ(sunTerms, 35);
    int moonTerms = 0, sharedArgument = 0;
    for (const MoonLongitudeTerm& t : kMoonLongitudeTerms) {
        moonTerms += t.coefficient != 0.0;
        sharedArgument += t.d == -4 && t.m == 0 && t.mp == 1 && t.f == 0;
    }
    EXPECT_EQ(moonTerms, 71);
    EXPECT_EQ(sharedArgument, 3);  // M' - 4D stands three times
    EXPECT_EQ(kMoonLongitudeTerms.front().coefficient, 22639.55);
    EXPECT_EQ(kMoonLongitudeTerms.back().coefficient, 0.538);
}

TEST(Sun, ApparentLongitudeAndScratch) {
    ChartState cs;
    // 1992 October 13.0: apparent longitude 199.906 of a modern theory.
    cs.TimeCenturies = (2448908.5 - 2415020.0) / 36525.0;
    CalcSun(cs);
    EXPECT_NEAR(cs.LoopJ, 199.906, 0.5 / 60.0);
    EXPECT_EQ(cs.SignOrCode, 3600);
    // The result is not reduced: around the March equinox of 2000 some
    // moment gives a raw value outside 0..360.
    bool outside = false;
    for (double jd = 2451623.0; jd < 2451624.5 && !outside; jd += 0.01) {
        cs.TimeCenturies = (jd - 2415020.0) / 36525.0;
        CalcSun(cs);
        outside = cs.LoopJ < 0.0 || cs.LoopJ >= 360.0;
    }
    EXPECT_TRUE(outside);
}

TEST(Moon, NodesAndLatitude) {
    ChartState cs;
    cs.TimeCenturies = 0;
    CalcMoon(cs);
    EXPECT_DOUBLE_EQ(cs.LoopI, 259.183275);
    // The true node differs from the mean node by the node sum alone.
    const double Lp = 270.434164, Mp = 296.104608, Om = 259.183275, L = 279.696678, M = 358.475833;
    const double D = Lp - L, F = Lp - Om;
    const double sum = 5392 * SinDeg(2 * (L - Om)) - 541 * SinDeg(M) - 442 * SinDeg(2 * D) + 423 * SinDeg(2 * F) -
                       291 * SinDeg(2 * Mp - 2 * F);
    EXPECT_NEAR(cs.MoonTrueNode - 259.183275, sum / 3600.0, 1e-9);
    EXPECT_EQ(cs.SignOrCode, 3600);

    // The true node is built on the unreduced mean node.
    cs.TimeCenturies = 1;
    CalcMoon(cs);
    EXPECT_NEAR(cs.MoonTrueNode, -1676, 3);
    EXPECT_GE(cs.LoopI, 0);
    EXPECT_LT(cs.LoopI, 360);
    EXPECT_NEAR(Normalize360(cs.MoonTrueNode), cs.LoopI, 2.0);

    // The mean node stays in 0..360 for negative T; latitude stays within the
    // orbit's inclination; the longitude is left unreduced.
    bool below = false, above = false;
    for (double T = -1.5; T < 1.6; T += 0.00091) {
        cs.TimeCenturies = T;
        CalcMoon(cs);
        ASSERT_GE(cs.LoopI, 0.0);
        ASSERT_LT(cs.LoopI, 360.0);
        ASSERT_LE(std::fabs(cs.MoonLatitude), 5.35);
        below = below || cs.LoopJ < 0.0;
        above = above || cs.LoopJ >= 360.0;
    }
    EXPECT_TRUE(below);
    EXPECT_TRUE(above);
}
