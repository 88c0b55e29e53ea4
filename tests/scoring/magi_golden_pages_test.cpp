// The couple and natal Magi Society reports and the score grids of the
// northern couple, compared byte for byte with tests/golden/scoring/.
// Rewrite after a deliberate change with
//   TANDRELL_UPDATE_GOLDEN=1 build/tests/test_scoring
// and review every rewritten page.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/output_buffer.h"
#include "couple_fixtures.h"
#include "golden_compare.h"
#include "scoring/couple_aspect_report.h"
#include "scoring/natal_aspect_report.h"
#include "scoring/score_grids.h"
#include "test_support.h"

TEST(MagiGoldenPages, NorthernCouple) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthCouple());
    const std::array<double, 16> longitudes = ps.chart.NatalLongitudes;
    const std::pair<const char*, std::function<void(ProgramState&)>> pages[] = {
        {"north_magi_couple.txt", DataMagiCouple},
        {"north_magi_natal.txt", DataMagiNatal},
        {"north_magi_grids.txt", DataGrids},
    };
    for (const auto& [file, run] : pages) {
        run(ps);
        const std::string page = testsupport::ReadBytes(PageFilePath(ps));
        const std::string diff = golden::CompareWithGolden(std::string("scoring/") + file, page);
        EXPECT_TRUE(diff.empty()) << diff;
    }
    EXPECT_EQ(ps.chart.NatalLongitudes, longitudes);
}
