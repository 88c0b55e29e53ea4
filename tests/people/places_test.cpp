#include <gtest/gtest.h>

#include <clocale>

#include "people/city_record.h"
#include "people/name_record.h"
#include "people/time_zone_list.h"
#include "dialog_responder.h"
#include "test_support.h"

TEST(CityRecord, LongitudeAndLatitudeTexts) {
    struct Case {
        const char* lon;
        const char* lat;
        double lonDeg, lonMin;
        bool east;
        double latDeg, latMin;
        bool south;
    } cases[] = {
        {"84W23", "33S45", 84, 23, false, 33, 45, true},
        {"084E23", "33N45", 84, 23, true, 33, 45, false},
        {"84e23", "33n45", 84, 23, false, 33, 45, false},  // lower case letters count as West and North
        {"000W08", "51N31", 0, 8, false, 51, 31, false},
        {"151E13", "08S48", 151, 13, true, 8, 48, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lon);
        const auto v = CityValues(CityRecord{"X", "Y", c.lon, c.lat, "-5.5"});
        EXPECT_EQ(v.LongDeg, c.lonDeg);
        EXPECT_EQ(v.LongMin, c.lonMin);
        EXPECT_EQ(v.East, c.east);
        EXPECT_EQ(v.LatDeg, c.latDeg);
        EXPECT_EQ(v.LatMin, c.latMin);
        EXPECT_EQ(v.South, c.south);
        EXPECT_EQ(v.Zone, -5.5);  // the zone's sign does not choose East or West
    }
    EXPECT_EQ(PlainNumberText(CityValues(CityRecord{"X", "Y", "007W05", "07N05", "07"}).LongDeg), "7");
    EXPECT_EQ(PlainNumberText(-5.5), "-5.5");
    EXPECT_EQ(PlainNumberText(0), "0");
    EXPECT_TRUE(CityValuesFit(CityValues(CityRecord{"X", "Y", "084W23", "33N45", "-5.5"})));
    EXPECT_FALSE(CityValuesFit(CityValues(CityRecord{"X", "Y", "084W23", "33N45", "1e99"})));
}

TEST(CityRecord, NumbersWrittenWithAPointWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no decimal-comma locale on this machine";
    const std::string zone = PlainNumberText(-5.5);
    const std::string record = FormatNameNumber(-2.2, 3);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(zone, "-5.5");
    EXPECT_EQ(record, "-002.20");
}

TEST(CityRecord, FieldsReadAcrossLineEnds) {
    auto r = ReadCitiesRecords({"Springfield,IL,089W39,39N48,6", "Paris,France,002E20,48N52,-1"});
    ASSERT_EQ(r.Records.size(), 2u);
    EXPECT_EQ(CityListText(r.Records[0]), "Springfield,IL");
    EXPECT_EQ(r.Records[1].TimeZone, "-1");
    // A record split over two lines still reads as one.
    r = ReadCitiesRecords({"Paris,France", "002E20,48N52,-1"});
    ASSERT_EQ(r.Records.size(), 1u);
    EXPECT_EQ(r.Records[0].Latitude, "48N52");
    // An empty line is passed over; a cut record is reported.
    r = ReadCitiesRecords({"Paris,France,002E20,48N52,-1", "", "Lima,Peru,077W03,12S03,5"});
    EXPECT_EQ(r.Records.size(), 2u);
    EXPECT_FALSE(r.Incomplete);
    r = ReadCitiesRecords({"Paris,France,002E20,48N52,-1", "Lima,Peru,077W03"});
    EXPECT_EQ(r.Records.size(), 1u);
    EXPECT_TRUE(r.Incomplete);
}

TEST(CityRecord, MissingFileMessage) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK);
    EXPECT_TRUE(OpenCitiesFile("", testsupport::MakeTempDir()).empty());
    ASSERT_EQ(dialogs.Prompts().size(), 1u);
    EXPECT_EQ(dialogs.Prompts()[0].title, "File Not Found");
}

TEST(TimeZoneList, LineColumns) {
    EXPECT_EQ(TimeZoneListLine({"Eastern Standard Time", "EST", "5"}),
              "Eastern Standard Time            -  EST =   5");
    EXPECT_EQ(TimeZoneListLine({"Chamorro Standard Time", "CHST", "-10"}),
              "Chamorro Standard Time           - CHST = -10");
    EXPECT_EQ(TimeZoneListLine({"Iran Standard Time", "IRST", "-3.5"}),
              "Iran Standard Time               - IRST =  -3.5");
    EXPECT_EQ(TimeZoneListLine({"Zone", "Z", "-0,5"}), "Zone                             -    Z =  -0,5");
    EXPECT_EQ(TimeZoneListLine({"Far", "F", "123"}), "Far                              -    F = 123");
    // Whole parts end in column 45; the abbreviation ends in column 39.
    for (const char* h : {"0", "5", "12", "-3.5", "-10", "-13"}) {
        const std::string line = TimeZoneListLine({"N", "ABC", h});
        const size_t point = line.find('.');
        const size_t wholeEnd = point == std::string::npos ? line.size() : point;
        EXPECT_EQ(wholeEnd, 45u) << h;
        EXPECT_EQ(line.substr(35, 4), " ABC");
        EXPECT_EQ(line.substr(39, 2), " =");
    }
}

TEST(TimeZoneList, ReadingAndChoosing) {
    const std::string name32 = "Australian Western Standard Time";
    ASSERT_EQ(name32.size(), 32u);
    auto r = ReadTimeZoneRecords({"Central European Time,CET,-1", name32 + ",AWST,-8", "Greenwich Mean Time,GMT,0"});
    ASSERT_EQ(r.Records.size(), 3u);
    EXPECT_FALSE(r.Corrupt);

    const auto& recs = r.Records;
    auto idx = FindTimeZone(recs, TimeZoneListLine(recs[1]));
    ASSERT_TRUE(idx);
    EXPECT_EQ(*idx, 1u);
    auto c = ChooseTimeZone(recs[*idx]);
    EXPECT_EQ(c.Hours, -8);
    EXPECT_TRUE(c.East);
    c = ChooseTimeZone(recs[0]);
    EXPECT_EQ(c.Hours, -1);
    EXPECT_TRUE(c.East);
    c = ChooseTimeZone(recs[2]);
    EXPECT_EQ(c.Hours, 0);
    EXPECT_FALSE(c.East);
    // A name holding "-" is cut at it and matches nothing.
    EXPECT_FALSE(FindTimeZone(recs, TimeZoneListLine({"Mid-Atlantic", "MAT", "2"})));

    r = ReadTimeZoneRecords({"Greenwich Mean Time,GMT,0", "", "Central European Time,CET,-1"});
    EXPECT_EQ(r.Records.size(), 2u);
    EXPECT_FALSE(r.Corrupt);
    r = ReadTimeZoneRecords({"Greenwich Mean Time,GMT,0", name32 + "X,ABC,1"});
    EXPECT_EQ(r.Records.size(), 1u);
    EXPECT_TRUE(r.Corrupt);
    r = ReadTimeZoneRecords({"Greenwich Mean Time,GMTXX,0"});
    EXPECT_TRUE(r.Corrupt);
    r = ReadTimeZoneRecords({"Greenwich Mean Time,GMT"});
    EXPECT_TRUE(r.Corrupt);
}

TEST(TimeZoneList, FileMessages) {
    DialogResponder dialogs;
    dialogs.Answer(MsgResult::OK, 2);
    const std::string dir = testsupport::MakeTempDir();
    EXPECT_TRUE(LoadTimeZoneFile(dir).empty());
    EXPECT_EQ(dialogs.Prompts().back().title, "File Not Found");
    testsupport::WriteBytes(dir + "/TZ.DAT", "Greenwich Mean Time,GMT,0\r\nCut,CUT\r\n");
    EXPECT_EQ(LoadTimeZoneFile(dir).size(), 1u);
    EXPECT_EQ(dialogs.Prompts().back().text, "The file TZ.DAT is corrupt.");
    EXPECT_EQ(dialogs.Prompts().back().title, "Error!");
}
