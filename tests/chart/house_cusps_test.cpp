#include "chart/house_cusps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/chart_state.h"
#include "house_test_angles.h"

using housetest::AngleDiff;
using housetest::SetMoment;

namespace {
constexpr double kObliquity = 23.44;

std::array<double, 14> CuspsFor(const std::string& code, double ramc, double lat) {
    ChartState cs;
    SetMoment(cs, ramc, lat, kObliquity);
    cs.HouseSystemCode = code;
    ComputeHouseCusps(cs);
    return cs.WorkCusps;
}

bool SameCusps(const std::array<double, 14>& a, const std::array<double, 14>& b) {
    for (int i = 1; i <= 12; ++i)
        if (AngleDiff(a[i], b[i]) > 1e-9) return false;
    return true;
}
}  // namespace

TEST(HouseCusps, UnknownCodesGiveRegiomontanusAndEveryCodeIsItsOwnSystem) {
    const auto regio = CuspsFor("R", 123.4, 41.5);
    EXPECT_TRUE(SameCusps(CuspsFor("X", 123.4, 41.5), regio));
    EXPECT_TRUE(SameCusps(CuspsFor("", 123.4, 41.5), regio));
    // "E" alone is not an equal system: only the full codes are.
    EXPECT_TRUE(SameCusps(CuspsFor("E", 123.4, 41.5), regio));
    const char* codes[] = {"P", "K", "C", "O", "EA", "EM", "M", "I"};
    for (const char* c : codes) EXPECT_FALSE(SameCusps(CuspsFor(c, 123.4, 41.5), regio)) << c;
}

TEST(HouseCusps, QuadrantSystemsPassThroughTheAngles) {
    for (double lat : {41.5, -33.87, 0.0, 64.9}) {
        for (double ramc : {5.0, 123.4, 265.0}) {
            ChartState cs;
            SetMoment(cs, ramc, lat, kObliquity);
            for (const char* code : {"P", "K", "C", "R", "O"}) {
                cs.HouseSystemCode = code;
                ComputeHouseCusps(cs);
                // Campanus starts a millionth of a degree off its houses.
                const double tol = std::string(code) == "C" ? 1e-4 : 1e-6;
                EXPECT_LT(AngleDiff(cs.WorkCusps[1], cs.Midheaven), tol) << code << " " << lat << " " << ramc;
                EXPECT_LT(AngleDiff(cs.WorkCusps[4], cs.Ascendant), tol) << code << " " << lat << " " << ramc;
                // Opposite cusps face each other; Cusp keeps the natural order.
                for (int i = 1; i <= 6; ++i)
                    EXPECT_LT(AngleDiff(cs.WorkCusps[i + 6], cs.WorkCusps[i] + 180), 1e-6) << code;
                EXPECT_DOUBLE_EQ(cs.Cusp[10], cs.WorkCusps[1]);
                EXPECT_DOUBLE_EQ(cs.Cusp[1], cs.WorkCusps[4]);
            }
            cs.HouseSystemCode = "M";
            ComputeHouseCusps(cs);
            EXPECT_LT(AngleDiff(cs.WorkCusps[1], cs.Midheaven), 1e-6);
        }
    }
}

TEST(HouseCusps, PorphyryTrisectsTheQuadrants) {
    ChartState cs;
    SetMoment(cs, 300.0, 51.5, kObliquity);
    cs.HouseSystemCode = "O";
    ComputeHouseCusps(cs);
    const double upper = housetest::Wrap(cs.Ascendant - cs.Midheaven);
    EXPECT_NEAR(housetest::Wrap(cs.WorkCusps[2] - cs.WorkCusps[1]), upper / 3, 1e-9);
    EXPECT_NEAR(housetest::Wrap(cs.WorkCusps[3] - cs.WorkCusps[2]), upper / 3, 1e-9);
    EXPECT_NEAR(housetest::Wrap(cs.WorkCusps[5] - cs.WorkCusps[4]), (180 - upper) / 3, 1e-9);
}

TEST(HouseCusps, EqualHousesAreThirtyDegreesApartAndLeaveCuspAlone) {
    ChartState cs;
    SetMoment(cs, 200.0, 45.0, kObliquity);
    for (int i = 0; i < 14; ++i) cs.Cusp[i] = 1000 + i;
    cs.HouseSystemCode = "EA";
    ComputeHouseCusps(cs);
    EXPECT_DOUBLE_EQ(cs.WorkCusps[4], cs.Ascendant);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_NEAR(housetest::Wrap(cs.WorkCusps[i % 12 + 1] - cs.WorkCusps[i]), 30.0, 1e-9);
        EXPECT_GE(cs.WorkCusps[i], 0.0);
        EXPECT_LT(cs.WorkCusps[i], 360.0);
    }
    cs.HouseSystemCode = "EM";
    ComputeHouseCusps(cs);
    EXPECT_DOUBLE_EQ(cs.WorkCusps[1], cs.Midheaven);
    for (int i = 1; i <= 12; ++i)
        EXPECT_NEAR(housetest::Wrap(cs.WorkCusps[i % 12 + 1] - cs.WorkCusps[i]), 30.0, 1e-9);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(cs.Cusp[i], 1000 + i);
}

TEST(HouseCusps, RegiomontanusEqualsMeridianOnTheEquator) {
    for (double ramc : {0.0, 17.0, 95.0, 181.0, 359.5})
        EXPECT_TRUE(SameCusps(CuspsFor("R", ramc, 0.0), CuspsFor("M", ramc, 0.0))) << ramc;
    EXPECT_FALSE(SameCusps(CuspsFor("R", 95.0, 10.0), CuspsFor("M", 95.0, 10.0)));
}

TEST(HouseCusps, SouthernLatitudeOnlyFlipsTheSign) {
    // Mirror chart: RAMC + 180 at the opposite latitude gives the opposite
    // cusps in every latitude-dependent system.
    for (const char* code : {"P", "K", "C", "R"}) {
        const auto north = CuspsFor(code, 70.0, 40.0);
        const auto south = CuspsFor(code, 250.0, -40.0);
        for (int i = 1; i <= 12; ++i) EXPECT_LT(AngleDiff(north[i] + 180, south[i]), 1e-6) << code << i;
    }
}

TEST(HouseCusps, PolarLatitudesGiveFiniteCusps) {
    const char* codes[] = {"P", "R", "K", "C", "O", "EA", "EM", "M", "I"};
    for (double lat : {66.0, 70.0, 80.0, -85.0, 89.99, 90.0}) {
        for (double ramc = 0; ramc < 360; ramc += 7.5) {
            for (const char* code : codes) {
                const auto c = CuspsFor(code, ramc, lat);
                for (int i = 1; i <= 12; ++i) {
                    ASSERT_TRUE(std::isfinite(c[i])) << code << " lat " << lat << " ramc " << ramc;
                    EXPECT_GE(c[i], 0.0);
                    EXPECT_LT(c[i], 360.0);
                }
            }
        }
    }
}

TEST(HouseCusps, SiderealTimeText) {
    ChartState cs;
    SetMoment(cs, 0, 10, kObliquity);
    struct Case { double h, m, s; const char* text; };
    const Case cases[] = {{7, 5, 9, "07H  05M  09S "}, {0, 0, 0, "00H  00M  00S "},
                          {23, 59, 59, "23H  59M  59S "}, {10, 10, 10, "10H  10M  10S "}};
    for (const Case& c : cases) {
        cs.LoopI = c.h;
        cs.LoopK = c.m;
        cs.RectX = c.s;
        ComputeHouseCusps(cs);
        EXPECT_EQ(cs.SiderealTimeText, c.text);
    }
}
