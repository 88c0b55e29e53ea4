#include <gtest/gtest.h>

#include <set>

#include "people/city_record.h"
#include "people/names_file.h"
#include "people/time_zone_list.h"
#include "platform/text_file.h"
#include "test_support.h"

namespace {

std::vector<std::string> ShippedLines(const std::string& name) {
    const std::string path = testsupport::ShippedDataDir() + "/" + name;
    const std::string bytes = testsupport::ReadBytes(path);
    // Every line ends in CR LF and none is empty.
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_EQ(bytes[i - 1], '\r') << name << " at byte " << i;
        }
    }
    EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos) << name;
    const auto lines = ReadTextLines(path);
    return lines ? *lines : std::vector<std::string>{};
}

}  // namespace

TEST(ShippedData, NamesFile) {
    const auto lines = ShippedLines("NAMES.FIL");
    const auto r = ReadNamesRecords(lines);
    EXPECT_FALSE(r.Incomplete);
    ASSERT_EQ(r.Records.size(), lines.size());
    EXPECT_GE(r.Records.size(), 8u);
    EXPECT_LE(r.Records.size(), 12u);
    for (const auto& rec : r.Records) {
        SCOPED_TRACE(rec.Name);
        EXPECT_TRUE(DecodeNameRecord(rec));
        EXPECT_TRUE(rec.AmPm == "A" || rec.AmPm == "P");
        EXPECT_EQ(FormatNameRecord(rec), lines[&rec - &r.Records[0]]);
    }
}

TEST(ShippedData, CitiesFile) {
    const auto lines = ShippedLines("GA_MA.LL");
    const auto r = ReadCitiesRecords(lines);
    EXPECT_FALSE(r.Incomplete);
    ASSERT_EQ(r.Records.size(), lines.size());
    EXPECT_GE(r.Records.size(), 390u);
    EXPECT_EQ(lines[0], "Springfield,IL,089W39,39N48,6");
    std::set<std::string> keys;
    for (const auto& rec : r.Records) {
        SCOPED_TRACE(CityListText(rec));
        EXPECT_TRUE(keys.insert(CityListText(rec)).second);
        EXPECT_TRUE(rec.Longitude.size() == 6 || rec.Longitude.size() == 5);
        EXPECT_EQ(rec.Latitude.size(), 5u);
        const auto v = CityValues(rec);
        // Every shipped place passes the input checks.
        EXPECT_TRUE(v.LatDeg < 66 || (v.LatDeg == 66 && v.LatMin == 0));
        EXPECT_LE(v.LongDeg, 180);
        EXPECT_LE(v.LongMin, 59);
        EXPECT_LE(v.LatMin, 59);
        EXPECT_LE(v.Zone, 12);
        EXPECT_GE(v.Zone, -13);
        if (!v.East) {
            EXPECT_GE(v.Zone, -2);
        }
    }
}

TEST(ShippedData, TimeZoneFile) {
    const auto lines = ShippedLines("TZ.DAT");
    const auto r = ReadTimeZoneRecords(lines);
    EXPECT_FALSE(r.Corrupt);
    ASSERT_EQ(r.Records.size(), lines.size());
    EXPECT_EQ(r.Records.size(), 74u);
    for (const auto& rec : r.Records) {
        SCOPED_TRACE(rec.Name);
        const auto idx = FindTimeZone(r.Records, TimeZoneListLine(rec));
        ASSERT_TRUE(idx);
        EXPECT_EQ(r.Records[*idx].Name, rec.Name);
        const auto c = ChooseTimeZone(rec);
        EXPECT_LE(c.Hours, 12);
        EXPECT_GE(c.Hours, -13);
    }
}
