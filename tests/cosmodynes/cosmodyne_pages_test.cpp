// Whole cosmodyne pages and their clipboard copies, compared byte for byte
// with tests/golden/cosmodynes/. Rewrite them after a deliberate change with
//   TANDRELL_UPDATE_GOLDEN=1 build/tests/test_cosmodynes
// and review every rewritten page before committing it.
#include <gtest/gtest.h>

#include <string>

#include "app/output_buffer.h"
#include "couple_fixtures.h"
#include "golden_compare.h"
#include "platform/clipboard.h"
#include "program_state.h"
#include "reports/report_menu.h"
#include "test_support.h"

namespace {

struct Setting {
    int angles;
    bool chiron;
    int benefics;
};

void Prepare(ProgramState& ps, const fixtures::Couple& couple, Setting s) {
    fixtures::ComputeCouple(ps, couple);
    ps.chart.AnglesSetting = s.angles;
    ps.chart.UseChiron = s.chiron;
    ps.people.BeneficsMaleficsChecked = s.benefics;
}

void ExpectGolden(const std::string& file, const std::string& actual) {
    const std::string diff = golden::CompareWithGolden("cosmodynes/" + file, actual);
    EXPECT_TRUE(diff.empty()) << diff;
}

std::string Page(const ProgramState& ps) { return testsupport::ReadBytes(PageFilePath(ps)); }

}  // namespace

TEST(CosmodynePages, NorthAscendantOnlyBeneficsTicked) {
    ProgramState ps;
    Prepare(ps, fixtures::NorthCouple(), {1, false, 1});
    DataCosmodynes(ps);
    ExpectGolden("natal_north.txt", Page(ps));
    ExpectGolden("natal_north_clipboard.txt", ClipboardText());
}

TEST(CosmodynePages, SouthBothAnglesChironBeneficsUnticked) {
    ProgramState ps;
    Prepare(ps, fixtures::SouthCouple(), {2, true, 0});
    DataCosmodynes(ps);
    ExpectGolden("natal_south.txt", Page(ps));
}

TEST(CosmodynePages, SiderealWithoutAngles) {
    ProgramState ps;
    Prepare(ps, fixtures::SiderealCouple(), {0, true, 1});
    DataCosmodynes(ps);
    ExpectGolden("natal_sidereal.txt", Page(ps));
}

TEST(CosmodynePages, RelationshipChartTakesTheCompositeForm) {
    ProgramState ps;
    Prepare(ps, fixtures::NorthCouple(), {2, false, 1});
    ps.chart.ChartName = "Alice and Bruno relationship";
    DataCosmodynes(ps);
    ExpectGolden("composite_relationship.txt", Page(ps));
    EXPECT_EQ(ps.cosmodynes.RelationshipMode, 0);
}

TEST(CosmodynePages, CompositeClipboardCopy) {
    ProgramState ps;
    Prepare(ps, fixtures::NorthCouple(), {2, true, 1});
    DataComposite(ps);
    ExpectGolden("composite_north_clipboard.txt", ClipboardText());
}
