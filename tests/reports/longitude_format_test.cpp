#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "reports/longitude_format.h"

namespace {

std::string Longitude(ProgramState& ps, double lon, bool dms) {
    ps.output.CurrentLine.clear();
    if (dms)
        AppendLongitudeDMS(ps, lon);
    else
        AppendLongitude(ps, lon);
    return ps.output.CurrentLine;
}

}  // namespace

TEST(LongitudeFormat, SignsDegreesMinutesAndSeconds) {
    ProgramState ps;
    PrepareTables(ps);
    EXPECT_EQ(Longitude(ps, 0.0, true), "00 ARI 00m 00s");
    EXPECT_EQ(Longitude(ps, 0.0, false), "00 ARI 00");
    EXPECT_EQ(Longitude(ps, 125.7, false), "05 LEO 42");
    EXPECT_EQ(Longitude(ps, 125.0 + 42.0 / 60 + 7.5 / 3600, true), "05 LEO 42m 07s");
    // The last degree of Pisces stays in Pisces in both forms.
    EXPECT_EQ(Longitude(ps, 359.99, true), "29 PIS 59m 24s");
    EXPECT_EQ(Longitude(ps, 359.99, false), "29 PIS 59");
}

TEST(LongitudeFormat, DegreesMinutesSecondsOfAnAngle) {
    EXPECT_EQ(FormatDMS(23.5), "23d 30m 00s ");
    EXPECT_EQ(FormatDMS(23.0 + 26.0 / 60 + 12.0 / 3600), "23d 26m 12s ");
    // Seconds that round to 60 carry into the minutes, and on into degrees.
    EXPECT_EQ(FormatDMS(10.0 + 59.9999 / 3600), "10d 01m 00s ");
    EXPECT_EQ(FormatDMS(10.99999), "11d 00m 00s ");
}

TEST(LongitudeFormat, DeclinationsAndHouseSystemNames) {
    ProgramState ps;
    PrepareTables(ps);
    ps.output.CurrentLine.clear();
    AppendDeclination(ps, -5.7);
    ps.output.CurrentLine += "|";
    AppendDeclination(ps, 0.0);
    EXPECT_EQ(ps.output.CurrentLine, "05 S 42|00 N 00");

    EXPECT_EQ(HouseSystemTitle("EA"), "Equal - Ascendant");
    ps.chart.HouseSystemCode = "I";
    HouseSystemName(ps);
    EXPECT_EQ(ps.wheels.WheelHeader1[7], "Morinus");
    ps.chart.HouseSystemCode = "X";
    HouseSystemName(ps);
    EXPECT_EQ(ps.wheels.WheelHeader1[7], "Morinus");
}
