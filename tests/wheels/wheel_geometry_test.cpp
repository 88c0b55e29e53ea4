#include <gtest/gtest.h>

#include <cmath>

#include "chart/angle_helpers.h"
#include "wheel_test_support.h"
#include "wheels/planet_columns.h"
#include "wheels/wheel_geometry.h"
#include "wheels/wheel_labels.h"

namespace {

double Deg(double radians) { return radians * 180 / kWheelPi; }

TEST(WheelGeometry, StartScaleFromTheInsideSize) {
    EXPECT_EQ(StartScaleFor(800, 600), 300);  // wide: 225 x W/H
    EXPECT_EQ(StartScaleFor(500, 500), 225);  // square
    EXPECT_EQ(StartScaleFor(400, 600), 244);  // tall
    EXPECT_EQ(StartScaleFor(-800, -600), 300);
    EXPECT_FALSE(StartScaleFor(0, 600));
    EXPECT_FALSE(StartScaleFor(800, 0));
}

TEST(WheelGeometry, HouseWidthOf277AndAHalfIsSevenAndAHalfExceptInSlotTwelve) {
    std::array<double, 14> cusps = wheeltest::EqualWheelCusps(0);
    cusps[3] = 10;  // slot 2 then spans 10 - 292.5 ...
    cusps[2] = Normalize360(10 - 277.5);
    HouseSizes s = ComputeHouseSizes(cusps);
    EXPECT_DOUBLE_EQ(s.widths[2], 7.5);
    // Slot 12 keeps the width.
    std::array<double, 14> c2 = wheeltest::EqualWheelCusps(0);
    c2[12] = 100;
    c2[1] = Normalize360(100 + 277.5);
    EXPECT_DOUBLE_EQ(ComputeHouseSizes(c2).widths[12], 277.5);
}

TEST(WheelGeometry, SpokesAmericanEqualEuropeanByCusps) {
    const std::array<double, 14> cusps = wheeltest::EqualWheelCusps(350);  // wraps through 0 Aries
    const std::array<double, 12> american = SpokeAngles(false, cusps);
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(Deg(american[static_cast<std::size_t>(i)]), 30.0 * i, 1e-9);
    std::array<double, 13> t{};
    const double natural[13] = {0, 350, 20, 45, 80, 110, 140, 170, 200, 225, 260, 290, 320};
    for (int k = 1; k <= 12; ++k) t[static_cast<std::size_t>(k)] = natural[k];
    const std::array<double, 12> european = SpokeAngles(true, wheeltest::WheelCuspsFromNatural(t));
    EXPECT_NEAR(Deg(european[0]), 180, 1e-9);
    EXPECT_NEAR(Deg(european[6]), 0, 1e-7);  // cusp 7 opposite cusp 1
    EXPECT_NEAR(Deg(european[1]), 210, 1e-7);
    for (double a : european) {
        EXPECT_GE(Deg(a), 0);
        EXPECT_LT(Deg(a), 360.0001);
    }
}

TEST(WheelGeometry, InterceptedSigns) {
    std::array<double, 13> t{};
    for (int h = 1; h <= 12; ++h) t[static_cast<std::size_t>(h)] = (h - 1) * 30 + 5;
    EXPECT_EQ(InterceptedSigns(wheeltest::WheelCuspsFromNatural(t)), (std::array<int, 13>{}));
    // House 1 from 28 Aries to 3 Gemini holds Taurus.
    t[1] = 28;
    t[2] = 63;
    std::array<int, 13> signs = InterceptedSigns(wheeltest::WheelCuspsFromNatural(t));
    EXPECT_EQ(signs[1], 2);
    EXPECT_DOUBLE_EQ(InterceptAngle(1, false, wheeltest::WheelCuspsFromNatural(t)), 195);
    // To 3 Cancer: two whole signs, no glyph.
    t[2] = 93;
    t[3] = 100;
    EXPECT_EQ(InterceptedSigns(wheeltest::WheelCuspsFromNatural(t))[1], 0);
}

TEST(WheelGeometry, SignPositionsAndDigits) {
    const SignPosition p = SplitSignPosition(30 + 5 + 7.0 / 60);
    EXPECT_EQ(p.sign, 2);
    EXPECT_EQ(p.degrees, 5);
    EXPECT_EQ(p.minutes, 7);
    EXPECT_EQ(TensDigitChar(p.degrees), '0');
    EXPECT_EQ(UnitsDigitChar(p.degrees), '5');
    EXPECT_EQ(TensDigitChar(p.minutes), '0');
    EXPECT_EQ(UnitsDigitChar(p.minutes), '7');
    // Minutes that round to 60 show 59, the degree kept.
    const SignPosition q = SplitSignPosition(12 + 59.7 / 60);
    EXPECT_EQ(q.degrees, 12);
    EXPECT_EQ(q.minutes, 59);
    EXPECT_EQ(SplitSignPosition(359.999).sign, 12);
}

TEST(WheelGeometry, EuropeanLabelShifts) {
    struct Case {
        double angle, shift;
    } cases[] = {{80, 0}, {90, 23}, {100, 49}, {260, 49}, {280, 0}, {270, 23}, {0, 0}};
    for (const Case& c : cases) {
        const double plain = kLabelRadius * std::cos(c.angle * kWheelPi / 180) + 4;
        EXPECT_NEAR(EuropeanLabelBaseX(c.angle, 23, 49), plain - c.shift, 1e-9) << c.angle;
    }
}

TEST(WheelGeometry, ColumnSidesAndPenSteps) {
    // Houses 1, 2, 3, 10, 11, 12 read left to right; option 28 = 1 moves house 3.
    for (int h : {1, 2, 3, 10, 11, 12}) EXPECT_TRUE(LeftHandColumn(h, 0, false, 0)) << h;
    for (int h : {4, 5, 9}) EXPECT_FALSE(LeftHandColumn(h, 0, false, 0)) << h;
    EXPECT_FALSE(LeftHandColumn(3, 0, false, 1));
    EXPECT_TRUE(LeftHandColumn(9, 0, false, 1));
    // European single wheel: by angle only, and option 28 does not count.
    EXPECT_TRUE(LeftHandColumn(7, 75, true, 1));
    EXPECT_FALSE(LeftHandColumn(1, 255, true, 0));
    // A column at 90 degrees runs straight down, 3/4 of the height on the
    // window and 4/5 on the page.
    ColumnPen pen{0, 100, 90};
    StepPen(pen, 10, 16, 640.0f / 480.0f);
    EXPECT_NEAR(pen.x, 0, 1e-6);
    EXPECT_NEAR(pen.y, 88, 1e-5);
    ColumnPen page{0, 100, 90};
    StepPen(page, 10, 15, 600.0f / 480.0f);
    EXPECT_NEAR(page.y, 88, 1e-5);
}

}  // namespace
