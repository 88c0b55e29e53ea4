#include "chart/time_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/chart_state.h"
#include "program_state.h"

namespace {

// A natal data set at the given date and 12-hour clock time, zone 0, at
// 0 degrees longitude and 51.30 North unless changed afterwards.
void SetNatal(ChartState& cs, int y, int m, int d, float time, const char* ampm) {
    cs.NatalYear = y;
    cs.NatalMonth = m;
    cs.NatalDay = d;
    cs.NatalTime = time;
    cs.NatalAmPm = ampm;
    cs.NatalZone = 0;
    cs.NatalLongitude = 0;
    cs.NatalLatitude = 51.30f;
    cs.NatalNorthSouth = "NORTH";
    cs.ChartKind = 0;
}

double Hours(const ChartState& cs) { return cs.DayFraction * 24.0; }

}  // namespace

TEST(TimeScale, TwelveHourClockRule) {
    ChartState cs;
    SetNatal(cs, 2000, 1, 1, 12.30f, "A.M.");
    ComputeChartTime(cs);
    EXPECT_NEAR(Hours(cs), 0.5, 1e-5);
    cs.NatalAmPm = "P.M.";
    ComputeChartTime(cs);
    EXPECT_NEAR(Hours(cs), 12.5, 1e-5);
    cs.NatalTime = 11.59f;
    ComputeChartTime(cs);
    EXPECT_NEAR(Hours(cs), 23.0 + 59.0 / 60.0, 1e-5);
    // Only the exact text "P.M." counts as afternoon.
    cs.NatalAmPm = "PM";
    ComputeChartTime(cs);
    EXPECT_NEAR(Hours(cs), 11.0 + 59.0 / 60.0, 1e-5);
}

TEST(TimeScale, NoonOfFirstJanuary2000) {
    ChartState cs;
    SetNatal(cs, 2000, 1, 1, 12.00f, "P.M.");
    ComputeChartTime(cs);
    EXPECT_DOUBLE_EQ(cs.JulianDayNumber, 2451545.0);
    EXPECT_DOUBLE_EQ(cs.JulianDay, 2451545.0);
    EXPECT_DOUBLE_EQ(cs.ChartJulianDay, 2451545.0);
    EXPECT_DOUBLE_EQ(cs.TimeCenturies, 1.0);
    // Greenwich sidereal time then is 18h 41m 50.5s; at 0 longitude that is
    // the RAMC, stored in degrees for chart A.
    EXPECT_NEAR(cs.WorkRightAscensions[15], 280.4606, 0.002);
    EXPECT_DOUBLE_EQ(cs.LoopI, 18);
    EXPECT_DOUBLE_EQ(cs.LoopK, 41);
    EXPECT_NEAR(cs.RectX, 50, 1);
    // MC of RAMC 280.46: atan2(sin R, cos R cos e); the obliquity is held
    // negated in radians.
    EXPECT_NEAR(cs.Midheaven, 279.614, 0.003);
    EXPECT_NEAR(cs.ObliquityDeg, 23.4393, 0.001);
    EXPECT_NEAR(cs.ObliquityRad, -cs.ObliquityDeg * cs.Pi / 180.0, 1e-12);
    EXPECT_NEAR(cs.LoopJ, 51.5, 1e-5);  // the signed latitude in degrees

    // Chart B sets its centuries from 2000 as well; chart A leaves them.
    cs.ChartT2000 = 99;
    ComputeChartTime(cs);
    EXPECT_EQ(cs.ChartT2000, 99);
    cs.DiurnalYear = 2000;
    cs.DiurnalMonth = 1;
    cs.DiurnalDay = 2;
    cs.DiurnalTime = 12.00f;
    cs.SecondAmPm = "P.M.";
    cs.ChartKind = 3;
    ComputeChartTime(cs);
    EXPECT_NEAR(cs.ChartT2000, 1.0 / 36525.0, 1e-15);
}

TEST(TimeScale, ZoneDayOffsetAndLongitude) {
    ChartState cs;
    SetNatal(cs, 1990, 6, 15, 11.00f, "P.M.");
    cs.NatalZone = 5;  // 4 A.M. next day in universal time
    ComputeChartTime(cs);
    const double base = cs.JulianDayNumber;
    EXPECT_NEAR(cs.DayFraction, 28.0 / 24.0, 1e-6);
    EXPECT_NEAR(cs.JulianDay, base + 28.0 / 24.0 - 0.5, 1e-6);
    const double ramcAt0 = cs.WorkRightAscensions[15];

    // 75.30 West turns the RAMC back by 75.5 degrees.
    cs.NatalLongitude = 75.30f;
    ComputeChartTime(cs);
    EXPECT_NEAR(std::fmod(ramcAt0 - cs.WorkRightAscensions[15] + 360.0, 360.0), 75.5, 1e-4);
    cs.NatalLongitude = -75.30f;  // East
    ComputeChartTime(cs);
    EXPECT_NEAR(std::fmod(cs.WorkRightAscensions[15] - ramcAt0 + 360.0, 360.0), 75.5, 1e-4);

    // Natal time at the diurnal place with a day offset: one day later.
    cs.DiurnalDayOffset = 1;
    cs.DiurnalLongitude = 0;
    cs.DiurnalLatitude = 10;
    cs.SecondNorthSouth = "NORTH";
    cs.ChartKind = 1;
    cs.WorkRightAscensions[15] = -1;
    ComputeChartTime(cs);
    EXPECT_DOUBLE_EQ(cs.JulianDayNumber, base + 1);
    EXPECT_EQ(cs.WorkRightAscensions[15], -1);  // only chart A stores the RAMC
    EXPECT_NEAR(cs.LoopJ, 10.0, 1e-6);
}

TEST(TimeScale, CalendarSwitch) {
    ChartState cs;
    SetNatal(cs, 1582, 10, 15, 12.00f, "P.M.");
    ComputeChartTime(cs);
    EXPECT_DOUBLE_EQ(cs.JulianDayNumber, 2299171);
    cs.NatalDay = 16;
    ComputeChartTime(cs);
    EXPECT_DOUBLE_EQ(cs.JulianDayNumber, 2299162);

    struct Case { int y, m, d; double jdn; };
    for (Case c : {Case{2000, 1, 1, 2451545}, Case{1899, 12, 31, 2415020}, Case{1582, 10, 4, 2299160},
                   Case{1582, 10, 15, 2299171}, Case{1582, 10, 16, 2299162}, Case{1582, 10, 25, 2299171},
                   Case{1582, 10, 26, 2299172}, Case{-4712, 1, 1, 0}, Case{1600, 3, 1, 2305508}}) {
        cs.JdnYear = c.y;
        cs.JdnMonth = c.m;
        cs.JdnDay = c.d;
        DateToJulianDay(cs);
        EXPECT_DOUBLE_EQ(cs.JdnResult, c.jdn) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(TimeScale, JulianDayToDateTextOrders) {
    ChartState cs;
    cs.JulianDay = 2451574.5;  // 31 January 2000, 0 h
    JulianDayToDateText(cs, 0);
    EXPECT_EQ(cs.DateText, "01/31/2000");
    JulianDayToDateText(cs, 1);
    EXPECT_EQ(cs.DateText, "31/01/2000");
    JulianDayToDateText(cs, 2);
    EXPECT_EQ(cs.DateText, "2000/01/31");
    cs.JulianDay = 2415020.0;  // 31 December 1899, noon
    JulianDayToDateText(cs, 1);
    EXPECT_EQ(cs.DateText, "31/12/1899");
    cs.JulianDay = 2299160.49;  // Gregorian 14 October 1582 whatever calendar was typed
    JulianDayToDateText(cs, 2);
    EXPECT_EQ(cs.DateText, "1582/10/14");
}

TEST(TimeScale, SouthernChartAndEquator) {
    ChartState cs;
    SetNatal(cs, 2000, 1, 1, 12.00f, "P.M.");
    cs.NatalLatitude = -33.52f;
    cs.NatalNorthSouth = "SOUTH";
    ComputeChartTime(cs);
    // The sidereal time parts move on by twelve hours; the RAMC does not.
    EXPECT_DOUBLE_EQ(cs.LoopI, 6);
    EXPECT_DOUBLE_EQ(cs.LoopK, 41);
    EXPECT_NEAR(cs.WorkRightAscensions[15], 280.4606, 0.002);
    EXPECT_NEAR(cs.LoopJ, -(33.0 + 52.0 / 60.0), 1e-5);
    EXPECT_NEAR(cs.NegLatitudeRad, (33.0 + 52.0 / 60.0) * cs.Pi / 180.0, 1e-6);

    cs.NatalLatitude = 0;
    cs.NatalNorthSouth = "NORTH";
    ComputeChartTime(cs);
    EXPECT_EQ(cs.NegLatitudeRad, 0.00001);
    EXPECT_TRUE(std::isfinite(cs.WorkVertex));
    EXPECT_TRUE(std::isfinite(cs.WorkCoAscendant));
    // At the equator the Ascendant is the equatorial ascendant.
    EXPECT_NEAR(cs.Ascendant, cs.WorkEquatorialAsc, 1e-6);
    for (double a : {cs.WorkVertex, cs.WorkEquatorialAsc, cs.WorkCoAscendant, cs.WorkPolarAsc}) {
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 360);
    }
}

TEST(TimeScale, SiderealCorrections) {
    ProgramState ps;
    ChartState& cs = ps.chart;
    SetNatal(cs, 1900, 1, 1, 12.00f, "A.M.");  // 1899 December 31.5 + 0.5 day
    ComputeChartTime(cs);
    cs.JulianDayNumber = 2415020;
    cs.DayFraction = 0.5;
    cs.TimeCenturies = 0;
    CalcSiderealCorrections(ps);
    EXPECT_DOUBLE_EQ(cs.ChartJulianDate, 2415020.0);
    EXPECT_NEAR(cs.SvpValue, 336.65, 0.02);
    EXPECT_NEAR(cs.Ayanamsa, 22.46045833333 + cs.NutationInLongitude, 1e-9);
    EXPECT_LT(std::fabs(cs.NutationInLongitude), 19.0 / 3600.0);

    cs.JulianDayNumber = 2451545;
    cs.TimeCenturies = 1;
    CalcSiderealCorrections(ps);
    EXPECT_NEAR(cs.SvpValue, 335.26, 0.02);
    const double drift = 36525.0 / 365.25 / 71.61;
    EXPECT_NEAR(cs.Ayanamsa, 22.46045833333 + drift + cs.NutationInLongitude, 1e-9);

    // A typed ayanamsa of zero leaves the drift since 1900 and the nutation.
    ps.settings.OptionValues[219] = 1;
    CalcSiderealCorrections(ps);
    EXPECT_NEAR(cs.Ayanamsa, drift + cs.NutationInLongitude, 1e-9);
    ps.settings.OptionValues[220] = 23;
    ps.settings.OptionValues[221] = 30;
    ps.settings.OptionValues[222] = 36;
    CalcSiderealCorrections(ps);
    EXPECT_NEAR(cs.Ayanamsa, 23.51 + drift + cs.NutationInLongitude, 1e-6);
}

TEST(TimeScale, CaptionPrefixByZodiacMode) {
    ProgramState ps;
    const char* expected[] = {"Tandrell (Tropical zodiac) - ", "Tandrell (Sidereal zodiac - SVP) - ",
                              "Tandrell (Sidereal zodiac - Ayanamsa) - ", "Tandrell "};
    for (int mode = 0; mode <= 3; ++mode) {
        ps.settings.OptionValues[198] = static_cast<float>(mode);
        SetCaptionPrefix(ps);
        EXPECT_EQ(ps.chart.CaptionPrefix, expected[mode]);
    }
}
