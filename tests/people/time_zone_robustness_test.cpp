// Damaged TZ.DAT files: every content gives zones within the name and
// abbreviation widths (or the corrupt-file message), and every list line
// leads back to a zone of the list.
#include <gtest/gtest.h>

#include <cmath>

#include "damaged_contents.h"
#include "dialog_responder.h"
#include "people/time_zone_list.h"
#include "test_support.h"

TEST(TimeZoneRobustness, AnyContentGivesZonesWithinTheirWidths) {
    DialogRecorder dialogs;
    const std::string dir = testsupport::MakeTempDir();
    const std::vector<std::string> good = {"Alaska Daylight Time,AKDT,8", "Central European Time,CET,-1",
                                           "India Standard Time,IST,-5.5", "Greenwich Mean Time,GMT,0"};
    for (const auto& content : damaged::Contents(good, 300, 6001)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        testsupport::WriteBytes(dir + "/TZ.DAT", content);
        const std::size_t before = dialogs.Prompts().size();
        const auto zones = LoadTimeZoneFile(dir);
        ASSERT_LE(dialogs.Prompts().size() - before, 1u);
        if (dialogs.Prompts().size() > before) {
            EXPECT_EQ(dialogs.Prompts().back().text, "The file TZ.DAT is corrupt.");
        }
        for (const TimeZoneRecord& z : zones) {
            EXPECT_FALSE(z.Name.empty());
            EXPECT_LE(z.Name.size(), 32u);
            EXPECT_LE(z.Abbreviation.size(), 4u);
            const auto found = FindTimeZone(zones, TimeZoneListLine(z));
            if (found) {
                EXPECT_LT(*found, zones.size());
            }
            const TimeZoneChoice c = ChooseTimeZone(z);
            EXPECT_FALSE(std::isnan(c.Hours));
        }
    }
}
