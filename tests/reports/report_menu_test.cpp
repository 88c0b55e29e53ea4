#include <gtest/gtest.h>

#include "app/output_buffer.h"
#include "listing_test_support.h"
#include "platform/numbers.h"
#include "couple_fixtures.h"
#include "reports/report_menu.h"

namespace {

// Restores the '.' separator however the test ends.
struct CommaSeparator {
    CommaSeparator() { SetDecimalSeparator(','); }
    ~CommaSeparator() { SetDecimalSeparator('.'); }
};

}  // namespace

TEST(ReportMenu, DecimalCommaKeepsSignedColumns) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthTransits());
    CommaSeparator comma;

    DataTransitsAspectstoNatal(ps);
    EXPECT_EQ(LineStarting(ps, "  14 Mar 1962"), "  14 Mar 1962    TZ = 5,0      9,30 P.M.   40,43 NORTH    75,10 WEST");
    // A negative orb above -1 ("-0,4") keeps the four-blank gap of negatives.
    EXPECT_EQ(LineStarting(ps, "  MARS        s.sextile"), "  MARS        s.sextile     SUN         -0,4 degrees");
    EXPECT_EQ(LineStarting(ps, "  SUN         sextile"), "  SUN         sextile       MC           0,4 degrees");

    CoLAspects(ps);
    EXPECT_EQ(LineStarting(ps, "  VENUS         quincunx"), "  VENUS         quincunx        ASC           -0,3 degrees");
    EXPECT_EQ(LineStarting(ps, "  ASC           quincunx        VENUS"),
              "  ASC           quincunx        VENUS          0,3 degrees");

    ps.people.SecondPersonChecked = 1;
    ps.people.SecondPersonCaption = "Bruno";
    DataTransitAspectsToTransits(ps);
    EXPECT_EQ(LineStarting(ps, "  01 Jun 2024"), "  01 Jun 2024    TZ = 5,0      12,00 P.M.   40,43 NORTH    75,10 WEST");
}

TEST(ReportMenu, SecondPersonBoxChoosesTheReports) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthTransits());

    // No second person: Interchart Aspects adds no line.
    const int before = ps.output.OutputLineCount;
    DataInterchartAspects(ps);
    EXPECT_EQ(ps.output.OutputLineCount, before);

    // Transit data: no houses column, no angle lines; ChartKind back to 0.
    DataTransitData(ps);
    EXPECT_EQ(ps.chart.ChartKind, 0);
    EXPECT_NE(LineStarting(ps, "  TRANSIT POSITIONS"), "");
    EXPECT_EQ(LineStarting(ps, "  Vertex"), "");
    const std::string sun = LineStarting(ps, "  11 GEM");
    ASSERT_GE(sun.size(), 51u);
    EXPECT_EQ(sun.substr(34, 16), std::string(16, ' '));

    ps.people.SecondPersonChecked = 1;
    ps.people.SecondPersonCaption = "Transit Tom";
    DataTransitData(ps);
    EXPECT_NE(LineStarting(ps, "  Transit Tom's NATAL POSITIONS"), "");
    EXPECT_NE(LineStarting(ps, "  Vertex"), "");
    EXPECT_EQ(LineStarting(ps, "  11 GEM").substr(34, 1), "(");
    DataInterchartAspects(ps);
    EXPECT_EQ(LineStarting(ps, "  Points of Astrological Interest"), "  Points of Astrological Interest");
}
