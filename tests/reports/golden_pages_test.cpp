// Whole report pages of the Data menu, compared byte for byte with the
// golden files in tests/golden/reports/. To rewrite the golden files after a
// deliberate change, run this test program with TANDRELL_UPDATE_GOLDEN=1 in
// the environment, e.g.
//   TANDRELL_UPDATE_GOLDEN=1 build/tests/test_reports
// and review every rewritten page before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/output_buffer.h"
#include "golden_compare.h"
#include "program_state.h"
#include "couple_fixtures.h"
#include "reports/composite_listings.h"
#include "reports/report_menu.h"
#include "test_support.h"

namespace {

struct Report {
    const char* file;
    std::function<void(ProgramState&)> run;
};

// The Venus-zodiac listing as a page of its own (the dual-cosmodyne page of
// the menu item begins with it).
void VenusZodiacListingPage(ProgramState& ps) {
    VenusZodiacPlanetListing(ps);
    ShowOutput(ps);
}

const std::vector<Report>& AllReports() {
    static const std::vector<Report> reports = {
        {"natal_data", DataNatalData},
        {"natal_aspects", DataNatalAspects},
        {"church_of_light", CoLAspects},
        {"transit_data", DataTransitData},
        {"aspects_to_natal", DataTransitsAspectstoNatal},
        {"aspects_to_transits", DataTransitAspectsToTransits},
        {"composite", DataComposite},
        {"venus_zodiac", VenusZodiacListingPage},
        {"interchart_aspects", DataInterchartAspects},
        {"interchart_analysis", DataAnalysis},
    };
    return reports;
}

// Runs each report as its menu item does and checks the page file it shows.
void CheckPages(const fixtures::Couple& couple, const std::string& prefix, const std::vector<std::string>& only = {}) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, couple);
    for (const Report& r : AllReports()) {
        if (!only.empty() && std::find(only.begin(), only.end(), r.file) == only.end()) continue;
        r.run(ps);
        const std::string page = testsupport::ReadBytes(PageFilePath(ps));
        const std::string diff = golden::CompareWithGolden("reports/" + prefix + "_" + r.file + ".txt", page);
        EXPECT_TRUE(diff.empty()) << diff;
    }
}

}  // namespace

TEST(GoldenPages, NorthernCouple) { CheckPages(fixtures::NorthCouple(), "north"); }

TEST(GoldenPages, SouthernCouple) { CheckPages(fixtures::SouthCouple(), "south"); }

TEST(GoldenPages, SiderealCoupleWithQuintiles) { CheckPages(fixtures::SiderealCouple(), "sidereal"); }

TEST(GoldenPages, TransitsWithoutSecondPerson) {
    CheckPages(fixtures::NorthTransits(), "transits",
               {"transit_data", "aspects_to_natal", "aspects_to_transits", "interchart_aspects", "interchart_analysis"});
}
