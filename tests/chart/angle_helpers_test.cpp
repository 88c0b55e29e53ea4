#include "chart/angle_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_state.h"

TEST(AngleHelpers, CircleReductionAndRounding) {
    for (auto f : {Mod360, Normalize360}) {
        EXPECT_DOUBLE_EQ(f(-30), 330);
        EXPECT_DOUBLE_EQ(f(720), 0);
        EXPECT_DOUBLE_EQ(f(-360), 0);
        // A tiny negative angle must not come back as a full circle.
        EXPECT_LT(f(-1e-15), 360.0);
    }
    EXPECT_DOUBLE_EQ(Round2(2.125), 2.13);
    EXPECT_DOUBLE_EQ(Round2(-2.125), -2.12);
    EXPECT_DOUBLE_EQ(HMToDecimal(10.30), 10.5);
    EXPECT_NEAR(HMToDecimal(-10.30), -11 + 70.0 / 60.0, 1e-12);
    EXPECT_NEAR(DecimalToHM(10.5), 10.30, 1e-12);
    EXPECT_NEAR(RadToDeg(ArcCos(-0.5)), -60.0, 1e-8);
    EXPECT_NEAR(CosDeg(90), 4.5e-11, 1e-11);
}

TEST(AngleHelpers, PolarAndSphere) {
    ChartState cs;
    cs.RectX = -1;
    cs.LoopI = 0;
    RectToPolar(cs);
    EXPECT_DOUBLE_EQ(cs.LoopI, 1.74533e-09);
    EXPECT_LT(cs.PolarAngle, cs.Pi);
    EXPECT_GT(cs.PolarAngle, cs.Pi - 1e-6);
    cs.RectX = 1;
    cs.LoopI = 0;
    RectToPolar(cs);
    EXPECT_GT(cs.PolarAngle, 0);
    EXPECT_LT(cs.PolarAngle, 1e-6);

    struct Case { double x, y, z, lon, lat; };
    for (Case c : {Case{-1, 1, 0, 135, 0}, Case{1, -1, 0, 315, 0}, Case{0, 2, 2, 90, 45}, Case{0, 0, -2, 0, -90}}) {
        cs.LoopJ = c.x;
        cs.LoopI = c.y;
        cs.LoopK = c.z;
        ArcTan2Deg(cs);
        EXPECT_NEAR(cs.SphereLongitude, c.lon, 1e-7) << c.x << "," << c.y << "," << c.z;
        EXPECT_NEAR(cs.SphereLatitude, c.lat, 1e-7);
    }
}

TEST(AngleHelpers, SplitLongitude) {
    ChartState cs;
    cs.LoopK = 45.5;
    SplitLongitude(cs);
    EXPECT_EQ(cs.SignOrCode, 2);
    EXPECT_EQ(cs.DegreesInSign, 15);
    EXPECT_EQ(cs.MinutesInSign, 30);
    cs.LoopK = 29.995;
    SplitLongitude(cs);
    EXPECT_EQ(cs.SignOrCode, 1);
    EXPECT_EQ(cs.DegreesInSign, 29);
    EXPECT_EQ(cs.MinutesInSign, 59);
    cs.LoopK = 360;
    SplitLongitude(cs);
    EXPECT_EQ(cs.SignOrCode, 13);
    cs.LoopK = 100 + 45 / 60.0 + 56.25 / 3600.0;
    SplitLongitudeDMS(cs);
    EXPECT_EQ(cs.SignOrCode, 4);
    EXPECT_EQ(cs.DegreesInSign, 10);
    EXPECT_EQ(cs.MinutesInSign, 45);
    EXPECT_EQ(cs.SecondsInSign, 56);
}
