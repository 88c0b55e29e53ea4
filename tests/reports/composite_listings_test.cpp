#include <gtest/gtest.h>

#include <QDir>

#include "app/output_buffer.h"
#include "listing_test_support.h"
#include "reports/composite_listings.h"
#include "reports/report_menu.h"
#include "test_support.h"

TEST(CompositeGrid, BandsAndQuincunxOrb) {
    EXPECT_EQ(CompositeGridCode(61.5, 2.0, 0.0f), 3);
    EXPECT_EQ(CompositeGridCode(62.5, 2.0, 0.0f), 1);
    // The quincunx band takes its own orb, in single precision, whatever
    // the pair's orb.
    EXPECT_EQ(CompositeGridCode(152.0, 0.0, 2.0f), 11);
    EXPECT_EQ(CompositeGridCode(152.0000001, 0.0, 2.0f), 11);
    EXPECT_EQ(CompositeGridCode(152.5, 6.0, 2.0f), 1);
    EXPECT_EQ(CompositeGridCode(175.0, 6.0, 2.0f), 6);
}

TEST(CompositeGrid, TriangleAndPairOrbs) {
    ProgramState ps;
    PrepareTables(ps);
    InstallChartHeaders();
    auto& opt = ps.settings.OptionValues;
    opt[51] = 1, opt[52] = 3, opt[53] = 5, opt[54] = 1;
    // Composite = midpoint; giving both charts the same positions makes the
    // composite equal to them.
    for (int i = 1; i <= 15; ++i) {
        ps.chart.NatalLongitudes[i] = ps.chart.SecondLongitudes[i] = 11.0 * i + 0.5;
    }
    for (int i = 1; i <= 13; ++i) ps.chart.NatalCusps[i] = ps.chart.SecondCusps[i] = 30.0 * (i - 1);
    ps.chart.CompositeLatText = "99";
    // Moon and the North Node 64 apart: option 53 (5) wins over 52.
    ps.chart.NatalLongitudes[10] = ps.chart.SecondLongitudes[10] = 200.0;
    ps.chart.NatalLongitudes[11] = ps.chart.SecondLongitudes[11] = 264.0;
    PrintCompositeAspects(ps);
    const std::string sun = LineStarting(ps, "  SUN  ");
    EXPECT_EQ(sun.size(), 7u + 14 * 5);
    EXPECT_EQ(sun.find("***"), std::string::npos);
    EXPECT_EQ(LineStarting(ps, "  MC   "), "  MC   ***  ");
    EXPECT_EQ(LineStarting(ps, "  MOO  ").substr(7 + 4 * 5, 5), " 60  ");  // N.N column
    EXPECT_EQ(LineStarting(ps, "  ASC  "), "  ASC  " + LineStarting(ps, "  ASC  ").substr(7, 5) + "***  ");
}

TEST(CompositeListings, NamesAreCutAndVenusStandsAtZeroAries) {
    ProgramState ps;
    PrepareTables(ps);
    InstallChartHeaders();
    ps.chart.ChartName = "A name of thirty characters xx";
    ps.people.SecondPersonCaption = "Short";
    for (int i = 1; i <= 15; ++i) {
        ps.chart.NatalLongitudes[i] = 40.0 + i;
        ps.chart.SecondLongitudes[i] = 100.0 + i;
    }
    ps.chart.NatalLongitudes[4] = 42.5;  // Mars just behind Venus (43)
    VenusZodiacPlanetListing(ps);
    // Cut to 26 characters, one blank before the second name.
    EXPECT_EQ(LineStarting(ps, "  A name of thirty character "), "  A name of thirty character Short");
    EXPECT_EQ(LineStarting(ps, "  00 ARI 00  VENUS"), "  00 ARI 00  VENUS" + std::string(11, ' ') + "00 ARI 00   VENUS" +
                                                         std::string(11, ' '));
    EXPECT_EQ(LineStarting(ps, "  29 PIS 30  MARS").substr(0, 17), "  29 PIS 30  MARS");

    CompositePlanetListing(ps);
    EXPECT_EQ(LineStarting(ps, "  A name of thirty character "),
              "  A name of thirty character Short" + std::string(23, ' ') + "Composite Planets");
}

TEST(CompositeReport, LeavesChartAAsItWas) {
    ProgramState ps;
    PrepareTables(ps);
    InstallChartHeaders();
    ps.settings.AppPath = testsupport::MakeTempDir();
    QDir(QString::fromStdString(ps.settings.AppPath)).mkdir("REPORTS");
    for (int i = 1; i <= 15; ++i) {
        ps.chart.NatalLongitudes[i] = 13.0 * i, ps.chart.SecondLongitudes[i] = 200.0 + 7.0 * i;
        ps.chart.NatalDeclinations[i] = i, ps.chart.SecondDeclinations[i] = -i;
    }
    for (int i = 1; i <= 13; ++i) ps.chart.NatalCusps[i] = 30.0 * i, ps.chart.SecondCusps[i] = 30.0 * i + 5;
    ps.chart.CompositeLatText = "99";
    ps.chart.HouseStringA = "chart A's houses";
    const ChartState before = ps.chart;
    DataComposite(ps);
    EXPECT_EQ(ps.chart.NatalLongitudes, before.NatalLongitudes);
    EXPECT_EQ(ps.chart.NatalDeclinations, before.NatalDeclinations);
    EXPECT_EQ(ps.chart.NatalCusps, before.NatalCusps);
    EXPECT_EQ(ps.chart.HouseStringA, before.HouseStringA);
    // The composite arrays hold chart A afterwards; the composite stays in
    // the working chart.
    EXPECT_EQ(ps.chart.CompositeLongitudes, before.NatalLongitudes);
    EXPECT_NEAR(ps.chart.WorkLongitudes[1], 290.0, 1e-9);  // midpoint of 207 and 13 across 0 Aries
}
