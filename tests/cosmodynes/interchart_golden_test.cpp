// Whole interchart cosmodyne pages, compared byte for byte with the golden
// files in tests/golden/cosmodynes/ (rewrite them with TANDRELL_UPDATE_GOLDEN=1
// and read every changed page before committing it).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/output_buffer.h"
#include "couple_fixtures.h"
#include "cosmodynes/dual_cosmodynes.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "golden_compare.h"
#include "program_state.h"
#include "test_support.h"

namespace {

// The first page of a chart run: the header (both headers with a second
// person), the interchart report, the page shown.
void FirstPage(ProgramState& ps) {
    if (ps.people.SecondPersonChecked == 1) StartReportWithBothHeaders(ps);
    else StartReportWithHeader(ps);
    AppendInterchartReport(ps);
    ShowOutput(ps);
}

void CheckPage(ProgramState& ps, const std::function<void(ProgramState&)>& run, const std::string& file) {
    run(ps);
    const std::string page = testsupport::ReadBytes(PageFilePath(ps));
    const std::string diff = golden::CompareWithGolden("cosmodynes/" + file + ".txt", page);
    EXPECT_TRUE(diff.empty()) << file << "\n" << diff;
}

void CheckCouple(const fixtures::Couple& couple, const std::string& name, bool duals) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, couple);
    CheckPage(ps, FirstPage, "interchart_" + name + "_first_page");
    CheckPage(ps, TransitCosmodynesWithAspects, "interchart_" + name + "_with_aspects");
    if (!duals) return;
    CheckPage(ps, DualCompositeCosmodynes, "dual_" + name + "_composite");
    CheckPage(ps, DualVenusZodiacCosmodynes, "dual_" + name + "_venus_zodiac");
}

TEST(InterchartGolden, NorthernCouple) { CheckCouple(fixtures::NorthCouple(), "north", true); }

TEST(InterchartGolden, SouthernCouple) { CheckCouple(fixtures::SouthCouple(), "south", true); }

TEST(InterchartGolden, SiderealCouple) { CheckCouple(fixtures::SiderealCouple(), "sidereal", true); }

TEST(InterchartGolden, Transits) { CheckCouple(fixtures::NorthTransits(), "transits", false); }

// The clipboard text of one printed run, with the angles and "incl MR" unticked.
TEST(InterchartGolden, ClipboardText) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthCouple());
    ps.scans.NamesCheck3 = 0;
    TransitCosmodynes(ps);
    const std::string diff =
        golden::CompareWithGolden("cosmodynes/interchart_north_clipboard.txt", ps.interchart.ClipboardReportText);
    EXPECT_TRUE(diff.empty()) << diff;
}

}  // namespace
