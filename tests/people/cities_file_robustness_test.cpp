// Damaged cities files: every content reads into places, and a place gives
// values that fit the boxes or is refused.
#include <gtest/gtest.h>

#include <cmath>

#include "damaged_contents.h"
#include "dialog_responder.h"
#include "people/city_record.h"
#include "test_support.h"

TEST(CitiesFileRobustness, AnyContentReadsIntoPlacesWithinBounds) {
    DialogRecorder dialogs;
    const std::string dir = testsupport::MakeTempDir();
    const std::string path = dir + "/MINE.LL";
    const std::vector<std::string> good = {"Springfield,IL,089W39,39N48,6", "Andorra,Andorra,001E31,42N30,-1",
                                           "Dubai,United Arab Emirates,55E18,25N18,-4", "Delhi,India,77E13,28N40,-5.5"};
    for (const auto& content : damaged::Contents(good, 300, 5001)) {
        SCOPED_TRACE(testing::Message() << "content of " << content.size() << " bytes");
        testsupport::WriteBytes(path, content);
        const auto result = ReadCitiesRecords(OpenCitiesFile(path, dir));
        for (const CityRecord& r : result.Records) {
            EXPECT_FALSE(r.City.empty());
            EXPECT_EQ(CityListText(r).substr(0, r.City.size()), r.City);
            const CityPlaceValues v = CityValues(r);
            if (!CityValuesFit(v)) continue;
            for (double x : {v.LongDeg, v.LongMin, v.Zone, v.LatDeg, v.LatMin}) {
                EXPECT_LT(std::fabs(x), 1e9);
                EXPECT_FALSE(PlainNumberText(x).empty());
            }
        }
    }
    EXPECT_TRUE(dialogs.Prompts().empty());
}
