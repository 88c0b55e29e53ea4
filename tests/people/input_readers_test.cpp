// Reading a data set into the chart input, the present moment at the
// default place, and the relationship chart's means.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "chart/chart_state.h"
#include "chart/time_scale.h"
#include "people/input_readers.h"
#include "people/relationship_chart.h"
#include "people/second_set_values.h"

namespace {

DataSetFields Person(const char* month, const char* day, const char* year) {
    DataSetFields f;
    f.Month = month, f.Day = day, f.Year = year;
    f.Hour = "9", f.Minute = "5", f.Zone = "5";
    f.LongDeg = "71", f.LongMin = "4", f.LatDeg = "42", f.LatMin = "21";
    return f;
}

}  // namespace

TEST(InputReaders, DateTextFollowsRegionalOrderAndKeepsTheBoxes) {
    const DataSetFields f = Person("03", "7", "1950");
    for (int order : {0, 1, 2}) {
        ChartState cs;
        ReadNatalInput(cs, f, order);
        EXPECT_EQ(cs.NatalDay, 7);
        EXPECT_EQ(cs.NatalMonth, 3);
        EXPECT_EQ(cs.NatalYear, 1950);
        EXPECT_EQ(cs.DateText, cs.NatalDateText);
    }
    EXPECT_EQ(JoinDateText(f, 0), "03/7/1950");
    EXPECT_EQ(JoinDateText(f, 1), "7/03/1950");
    EXPECT_EQ(JoinDateText(f, 2), "1950/03/7");
}

TEST(InputReaders, TimePlaceAndSides) {
    DataSetFields f = Person("6", "15", "1950");
    f.AM = false;
    ChartState cs;
    ReadNatalInput(cs, f, 0);
    EXPECT_FLOAT_EQ(cs.NatalTime, 9.05f);
    EXPECT_EQ(cs.NatalAmPm, "P.M.");
    EXPECT_EQ(cs.WheelAmPm, "P.M.");
    EXPECT_FLOAT_EQ(cs.NatalLongitude, 71.04f);
    EXPECT_EQ(cs.WorkEastWest, "WEST");
    f.Minute = "30";
    f.LongDeg = "74", f.LongMin = "0", f.East = true, f.West = false;
    f.LatDeg = "33", f.LatMin = "52", f.South = true;
    f.Zone = "-5.5";
    ReadNatalInput(cs, f, 0);
    EXPECT_FLOAT_EQ(cs.NatalTime, 9.30f);
    EXPECT_FLOAT_EQ(cs.NatalLongitude, -74.0f);
    EXPECT_EQ(cs.WorkEastWest, "EAST");
    EXPECT_FLOAT_EQ(cs.NatalLatitude, -33.52f);
    EXPECT_EQ(cs.WorkNorthSouth, "SOUTH");
    EXPECT_FLOAT_EQ(cs.NatalZone, -5.5f);
    // Zero with East and South set: the texts follow the value.
    f.LongDeg = "0", f.LongMin = "00", f.LatDeg = "0", f.LatMin = "00";
    ReadDiurnalInput(cs, f, 0);
    EXPECT_EQ(cs.SecondEastWest, "WEST");
    EXPECT_EQ(cs.SecondNorthSouth, "NORTH");
    EXPECT_FLOAT_EQ(cs.DiurnalZone, -5.5f);
}

TEST(InputReaders, DiurnalOffsetCountsWholeYears) {
    ChartState cs;
    ReadNatalInput(cs, Person("6", "15", "1950"), 0);
    const struct {
        const char *month, *day, *year;
        int offset;
    } cases[] = {{"6", "14", "2000", 49}, {"6", "15", "2000", 50}, {"7", "1", "2000", 50}, {"6", "14", "1940", -11}};
    for (const auto& c : cases) {
        ReadDiurnalInput(cs, Person(c.month, c.day, c.year), 0);
        EXPECT_EQ(cs.DiurnalDayOffset, c.offset) << c.month << "/" << c.day << "/" << c.year;
        EXPECT_EQ(cs.SecondDateText, JoinDateText(Person(c.month, c.day, c.year), 0));
    }
}

TEST(SecondSetValues, PresentMomentAtDefaultPlace) {
    Settings s;
    s.OptionValues[18] = -1, s.OptionValues[19] = 2, s.OptionValues[20] = 20;
    s.OptionValues[21] = 1, s.OptionValues[22] = 48, s.OptionValues[23] = 52, s.OptionValues[24] = 0;
    s.TimeFormat = 1;
    MomentFill m = MomentAtDefaultPlace(s, DateTime{2024, 3, 9, 15, 7, 0});
    EXPECT_TRUE(m.PM);
    EXPECT_EQ(m.Month + "/" + m.Day + "/" + m.Year + " " + m.Hour + ":" + m.Minute, "3/9/2024 15:7");
    EXPECT_EQ(m.Zone, "-1");
    EXPECT_EQ(m.LongDeg + " " + m.LongMin + " " + m.LatDeg + " " + m.LatMin, "2 20 48 52");
    EXPECT_TRUE(m.East);
    EXPECT_FALSE(m.South);
    s.OptionValues[18] = 5.5f;
    EXPECT_EQ(MomentAtDefaultPlace(s, DateTime{}).Zone, "5.5");
    // The 12-hour clock decides by the designator of the time text.
    EXPECT_TRUE(AfterNoon(DateTime{2024, 1, 1, 12, 30, 0}, 0));
    EXPECT_FALSE(AfterNoon(DateTime{2024, 1, 1, 0, 45, 0}, 0));
    EXPECT_FALSE(AfterNoon(DateTime{2024, 1, 1, 11, 59, 0}, 1));
}

namespace {

// Both persons' chart input as the readers leave it.
struct Birth {
    int day, month, year;
    float time;
    const char* amPm;
    float zone = 5, longitude = 71.04f, latitude = 42.21f;
};

RelationshipFill Mean(const Birth& a, const Birth& b, int dateOrder = 0, const char* nameA = "John Smith",
                      const char* nameB = "Mary Ann Jones") {
    ChartState cs;
    cs.NatalDay = a.day, cs.NatalMonth = a.month, cs.NatalYear = a.year;
    cs.NatalTime = a.time, cs.NatalAmPm = a.amPm, cs.NatalZone = a.zone;
    cs.NatalLongitude = a.longitude, cs.NatalLatitude = a.latitude;
    cs.WorkEastWest = a.longitude < 0 ? "EAST" : "WEST";
    cs.WorkNorthSouth = a.latitude < 0 ? "SOUTH" : "NORTH";
    cs.DiurnalDay = b.day, cs.DiurnalMonth = b.month, cs.DiurnalYear = b.year;
    cs.DiurnalTime = b.time, cs.SecondAmPm = b.amPm, cs.DiurnalZone = b.zone;
    cs.DiurnalLongitude = b.longitude, cs.DiurnalLatitude = b.latitude;
    cs.SecondEastWest = b.longitude < 0 ? "EAST" : "WEST";
    cs.SecondNorthSouth = b.latitude < 0 ? "SOUTH" : "NORTH";
    return CalcRelationshipValues(cs, nameA, nameB, dateOrder);
}

std::string When(const RelationshipFill& r) {
    return r.Month + "/" + r.Day + "/" + r.Year + " " + r.Hour + ":" + r.Minute + (r.AM ? " AM" : " PM");
}

}  // namespace

TEST(RelationshipChart, MeanDateAndTime) {
    EXPECT_EQ(When(Mean({1, 1, 2000, 10.00f, "A.M."}, {2, 1, 2000, 10.00f, "A.M."})), "1/1/2000 10:0 PM");
    EXPECT_EQ(When(Mean({1, 1, 2000, 10.00f, "P.M."}, {2, 1, 2000, 10.00f, "P.M."})), "1/2/2000 10:0 AM");
    EXPECT_EQ(When(Mean({1, 1, 2000, 10.00f, "A.M."}, {3, 1, 2000, 10.00f, "A.M."})), "1/2/2000 10:0 AM");
    EXPECT_EQ(When(Mean({1, 1, 2000, 10.59f, "A.M."}, {1, 1, 2000, 11.59f, "A.M."})), "1/1/2000 11:29 AM");
    EXPECT_EQ(When(Mean({1, 1, 2000, 12.30f, "A.M."}, {1, 1, 2000, 12.30f, "A.M."})), "1/1/2000 0:30 AM");
    EXPECT_EQ(When(Mean({1, 1, 2000, 11.00f, "A.M."}, {1, 1, 2000, 1.00f, "P.M."})), "1/1/2000 12:0 PM");
    // The date parts come back in the regional order.
    const RelationshipFill r = Mean({10, 3, 1950, 1.00f, "P.M."}, {20, 3, 1950, 1.00f, "P.M."}, 2);
    EXPECT_EQ(When(r), "3/15/1950 1:0 PM");
    EXPECT_EQ(When(Mean({10, 3, 1950, 1.00f, "P.M."}, {20, 3, 1950, 1.00f, "P.M."}, 1)), "3/15/1950 1:0 PM");
}

TEST(RelationshipChart, MeanPlaceZoneAndName) {
    Birth a{1, 1, 2000, 10.00f, "A.M.", 5, 10.00f, 40.30f};
    Birth b{1, 1, 2000, 10.00f, "A.M.", -1, -20.00f, -30.30f};
    const RelationshipFill r = Mean(a, b);
    EXPECT_EQ(r.LongDeg + " " + r.LongMin, "5 0");
    EXPECT_TRUE(r.East);
    EXPECT_EQ(r.LatDeg + " " + r.LatMin, "5 0");
    EXPECT_FALSE(r.South);
    EXPECT_EQ(r.Zone, "2");
    EXPECT_EQ(r.Name, "John & Mary relationship");
    EXPECT_EQ(Mean(a, b, 0, "John Smith", "").Name, "John &  relationship");
}

TEST(RelationshipChart, MinutesNeverShowSixty) {
    // 40 59 and 41 00 average to 40 59.5: whole minutes carry into the degree.
    Birth a{1, 1, 2000, 10.59f, "A.M.", 5, 40.59f, 10.59f};
    Birth b{1, 1, 2000, 11.00f, "A.M.", 5, 41.00f, 11.00f};
    const RelationshipFill r = Mean(a, b);
    EXPECT_EQ(r.LongDeg + " " + r.LongMin, "41 0");
    EXPECT_EQ(r.LatDeg + " " + r.LatMin, "11 0");
    // 11:59 and 12:00 (noon) average to 11:59.5: the hour carries to noon.
    const RelationshipFill t = Mean({1, 1, 2000, 11.59f, "A.M."}, {1, 1, 2000, 12.00f, "P.M."});
    EXPECT_EQ(When(t), "1/1/2000 12:0 PM");
}

TEST(RelationshipChart, MeanDateReadsBackAcrossTheCalendarSwitch) {
    // Dates before 15 October 1582 are read in the Julian calendar: the mean
    // date is written so that it reads back as the day halfway between the births.
    struct Case {
        Birth a, b;
        const char* when;
    } cases[] = {
        {{1, 1, 1500, 10.00f, "A.M."}, {1, 1, 1500, 10.00f, "A.M."}, "1/1/1500 10:0 AM"},
        {{4, 10, 1582, 10.00f, "A.M."}, {16, 10, 1582, 10.00f, "A.M."}, "10/5/1582 10:0 AM"},
        {{1, 10, 1582, 10.00f, "A.M."}, {21, 10, 1582, 10.00f, "A.M."}, "10/16/1582 10:0 AM"},
        {{1, 1, 1500, 10.00f, "A.M."}, {1, 1, 1700, 10.00f, "A.M."}, "1/6/1600 10:0 AM"},
        {{1, 1, 1300, 10.00f, "A.M."}, {1, 1, 1500, 10.00f, "A.M."}, "1/1/1400 10:0 AM"},
        {{1, 1, 1900, 10.00f, "A.M."}, {2, 1, 2000, 10.00f, "A.M."}, "1/1/1950 10:0 PM"},
    };
    auto dayNumber = [](int day, int month, int year) {
        ChartState cs;
        cs.JdnDay = day, cs.JdnMonth = month, cs.JdnYear = year;
        DateToJulianDay(cs);
        return cs.JdnResult;
    };
    for (const Case& c : cases) {
        const RelationshipFill r = Mean(c.a, c.b);
        EXPECT_EQ(When(r), c.when);
        const double sum = dayNumber(c.a.day, c.a.month, c.a.year) + dayNumber(c.b.day, c.b.month, c.b.year);
        const double back = dayNumber(std::stoi(r.Day), std::stoi(r.Month), std::stoi(r.Year));
        // Half a day more shows as the time 12 hours on.
        EXPECT_EQ(back + (r.AM ? 0.0 : 0.5), sum / 2) << c.when;
    }
}
