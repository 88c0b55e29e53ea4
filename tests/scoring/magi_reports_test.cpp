// The couple and natal Magi Society aspect reports on synthetic charts: the
// aspect windows, the declination limit and sides, the names of the pairs,
// Chiron's presence, and the orb's degrees and minutes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "magi_test_setup.h"
#include "scoring/couple_aspect_report.h"
#include "scoring/magi_aspects.h"
#include "scoring/natal_aspect_report.h"

using magitest::FindPair;
using magitest::MagiState;
using magitest::Name;
using magitest::PageLines;

namespace {

constexpr int kSun = 1, kMercury = 2, kVenus = 3, kMars = 4, kJupiter = 5, kSaturn = 6, kUranus = 7, kNeptune = 8,
              kPluto = 9, kMoon = 10, kChiron = 11;

// Chart slot of a report body (Chiron stands in slot 13).
int Slot(int body) { return body == kChiron ? 13 : body; }

std::vector<magitest::AspectLine> CouplePair(ProgramState& ps, int a, int b) {
    DataMagiCouple(ps);
    return FindPair(PageLines(ps), magitest::kCoupleBodyColumn, magi::BodyName(a), magi::BodyName(b));
}

std::vector<magitest::AspectLine> NatalPair(ProgramState& ps, int a, int b) {
    DataMagiNatal(ps);
    return FindPair(PageLines(ps), magitest::kNatalBodyColumn, magi::BodyName(a), magi::BodyName(b));
}

}  // namespace

TEST(MagiReports, LongitudeWindowsOfBothReports) {
    struct Case {
        double separation;
        const char* aspect;  // nullptr: no line
        const char* orb;
    };
    const Case cases[] = {
        {3, "conjunct  ", "   3d 00m"},  {87, "square    ", "   3d 00m"}, {93, "square    ", "   3d 00m"},
        {117, "trine     ", "   3d 00m"}, {123, "trine     ", "   3d 00m"}, {147, "quincunx  ", "   3d 00m"},
        {153, "quincunx  ", "   3d 00m"}, {177, "opposite  ", "   3d 00m"}, {180, "opposite  ", "   0d 00m"},
        {92.5, "square    ", "   2d 30m"}, {93.01, nullptr, ""},           {60, nullptr, ""},
        {2.995, "conjunct  ", "   3d 00m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.separation);
        ProgramState couple = MagiState();
        couple.chart.NatalLongitudes[kSun] = 200;
        couple.chart.SecondLongitudes[kMercury] = 200 + c.separation;
        const auto lines = CouplePair(couple, kSun, kMercury);

        ProgramState natal = MagiState();
        natal.chart.NatalLongitudes[kSun] = 200;
        natal.chart.NatalLongitudes[kMercury] = 200 - c.separation;
        const auto natalLines = NatalPair(natal, kSun, kMercury);

        if (c.aspect == nullptr) {
            EXPECT_TRUE(lines.empty());
            EXPECT_TRUE(natalLines.empty());
            continue;
        }
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].aspect, c.aspect);
        EXPECT_EQ(lines[0].orb, c.orb);
        EXPECT_EQ(lines[0].names, "");
        ASSERT_EQ(natalLines.size(), 1u);
        EXPECT_EQ(natalLines[0].aspect, c.aspect);
        EXPECT_EQ(natalLines[0].orb, c.orb);
    }
}

TEST(MagiReports, DeclinationLimitAndSides) {
    struct Case {
        double a, b;
        const char* aspect;
        const char* orb;
    };
    const Case cases[] = {
        {1.2, 0, "parallel  ", "   1d 12m"}, {1.21, 0, nullptr, ""},           {0.5, -0.4, "c.parallel", "   0d 06m"},
        {0, 0.3, "parallel  ", "   0d 18m"},  {-0.3, 0, "c.parallel", "   0d 18m"}, {-10.5, -9.4, "parallel  ", "   1d 06m"},
        {10.5, -10.0, "c.parallel", "   0d 30m"}, {10.5, 9.2, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b));
        ProgramState couple = MagiState();
        couple.chart.NatalDeclinations[Slot(kVenus)] = c.a;
        couple.chart.SecondDeclinations[Slot(kChiron)] = c.b;
        const auto lines = CouplePair(couple, kVenus, kChiron);

        ProgramState natal = MagiState();
        natal.chart.NatalDeclinations[Slot(kVenus)] = c.a;
        natal.chart.NatalDeclinations[Slot(kChiron)] = c.b;
        natal.chart.NatalLongitudes[Slot(kChiron)] = 70;
        const auto natalLines = NatalPair(natal, kVenus, kChiron);

        if (c.aspect == nullptr) {
            EXPECT_TRUE(lines.empty());
            EXPECT_TRUE(natalLines.empty());
            continue;
        }
        const std::string linkage = "   MAGIcal AND Cinderella AND Golden linkage AND SUPER";
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].aspect, c.aspect);
        EXPECT_EQ(lines[0].orb, c.orb);
        EXPECT_EQ(lines[0].names, linkage);
        ASSERT_EQ(natalLines.size(), 1u);
        EXPECT_EQ(natalLines[0].aspect, c.aspect);
        EXPECT_EQ(natalLines[0].names, linkage);
    }
}

TEST(MagiReports, CoupleNamesInBothDirections) {
    struct Case {
        int a, b;
        double separation;
        const char* names;
    };
    const Case cases[] = {
        {kJupiter, kSaturn, 90, "   SATURN CLASH   NUCLEAR CLASH"},
        {kSaturn, kJupiter, 180, "   SATURN CLASH   NUCLEAR CLASH"},
        {kSaturn, kMoon, 150, "   SATURN CLASH"},
        {kSaturn, kSaturn, 90, "   SATURN CLASH"},
        {kSaturn, kJupiter, 120, ""},
        {kVenus, kChiron, 120, "   MAGIcal AND Cinderella AND Golden linkage AND SUPER"},
        {kChiron, kVenus, 120, "   MAGIcal AND Cinderella AND Golden linkage AND SUPER"},
        {kChiron, kVenus, 150, "   MAGIcal AND Cinderella AND Golden linkage"},
        {kMars, kVenus, 90, "   SEXUAL CLASH"},
        {kMoon, kNeptune, 180, "   INDIFFERENCE CLASH"},
        {kChiron, kChiron, 90, "   SEPARATE WAYS CLASH"},
        {kChiron, kPluto, 0, "   Cinderella linkage   Golden linkage AND SUPER"},
        {kPluto, kChiron, 150, "   Cinderella linkage   Golden linkage"},
        {kSun, kChiron, 0, "   trust linkage   Cinderella linkage"},
        {kMars, kChiron, 120, "   sexual linkage AND marriage linkage"},
        {kUranus, kSun, 120, "   SUPER"},
        {kUranus, kSun, 150, ""},
        {kSun, kJupiter, 150, "   fidelity"},
        {kVenus, kMars, 120, "   sexual linkage"},
        {kVenus, kMars, 150, "   sexual linkage"},
        {kSun, kVenus, 90, ""},
        {kMercury, kMercury, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b) + " at " + std::to_string(c.separation));
        ProgramState ps = MagiState();
        ps.chart.NatalLongitudes[Slot(c.a)] = 230;
        ps.chart.SecondLongitudes[Slot(c.b)] = 230 + c.separation;
        const auto lines = CouplePair(ps, c.a, c.b);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].names, c.names);
    }
}

TEST(MagiReports, NatalNamesPairOrderAndChangedRows) {
    struct Case {
        int low, high;
        double separation;
        const char* aspect;
        const char* names;
    };
    const Case cases[] = {
        {kSun, kSaturn, 90, "square    ", "   SATURN CLASH"},
        {kVenus, kMars, 90, "square    ", ""},
        {kJupiter, kSaturn, 90, "square    ", "   SATURN CLASH"},
        {kSaturn, kMoon, 150, "quincunx  ", "   SATURN CLASH"},
        {kSun, kChiron, 0, "conjunct  ", "   trust linkage"},
        {kSun, kChiron, 150, "quincunx  ", "   trust linkage"},
        {kMars, kChiron, 0, "conjunct  ", ""},
        {kPluto, kChiron, 120, "trine     ", "   Golden linkage AND SUPER"},
        {kPluto, kChiron, 150, "quincunx  ", "   Golden linkage"},
        {kVenus, kChiron, 120, "trine     ", "   MAGIcal AND Cinderella AND Golden linkage AND SUPER"},
        {kSun, kMoon, 120, "trine     ", ""},
        {kMars, kMoon, 180, "opposite  ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + " " + std::to_string(c.high));
        ProgramState ps = MagiState();
        // The higher body is placed first in the zodiac: the line still
        // names the lower body first, once.
        ps.chart.NatalLongitudes[Slot(c.high)] = 230;
        ps.chart.NatalLongitudes[Slot(c.low)] = 230 + c.separation;
        DataMagiNatal(ps);
        const auto lines = PageLines(ps);
        const auto found = FindPair(lines, magitest::kNatalBodyColumn, magi::BodyName(c.low), magi::BodyName(c.high));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].aspect, c.aspect);
        EXPECT_EQ(found[0].names, c.names);
        EXPECT_TRUE(
            FindPair(lines, magitest::kNatalBodyColumn, magi::BodyName(c.high), magi::BodyName(c.low)).empty());
    }
}

TEST(MagiReports, ChartWithoutChironScansTenBodies) {
    ProgramState ps = MagiState();
    // Chart A: Chiron at exactly 0 and 0; its North Node in slot 11 trines
    // chart B's Sun, which Chiron's place would conjoin.
    ps.chart.NatalLongitudes[13] = 0;
    ps.chart.NatalDeclinations[13] = 0;
    ps.chart.NatalLongitudes[11] = 123.5;
    ps.chart.NatalDeclinations[11] = -7.25;
    ps.chart.SecondLongitudes[kSun] = 1;
    // Chart B keeps its Chiron, which chart A's Moon opposes.
    ps.chart.NatalLongitudes[kMoon] = 260;
    ps.chart.SecondLongitudes[13] = 80;
    const std::array<double, 16> natalLongitudes = ps.chart.NatalLongitudes;
    const std::array<double, 16> natalDeclinations = ps.chart.NatalDeclinations;
    const std::array<double, 16> secondLongitudes = ps.chart.SecondLongitudes;

    DataMagiCouple(ps);
    const auto couple = PageLines(ps);
    for (const std::string& line : couple) {
        if (line.size() > magitest::kCoupleBodyColumn + 10) {
            EXPECT_NE(line.substr(magitest::kCoupleBodyColumn, 10), Name("CHIRON")) << line;
        }
    }
    EXPECT_EQ(FindPair(couple, magitest::kCoupleBodyColumn, Name("MOON"), Name("CHIRON")).size(), 1u);
    EXPECT_EQ(ps.chart.NatalLongitudes, natalLongitudes);
    EXPECT_EQ(ps.chart.NatalDeclinations, natalDeclinations);
    EXPECT_EQ(ps.chart.SecondLongitudes, secondLongitudes);

    DataMagiNatal(ps);
    const auto natal = PageLines(ps);
    for (const std::string& line : natal) EXPECT_EQ(line.find("CHIRON"), std::string::npos) << line;
    // Sun to Pluto stand together: 36 conjunctions, the Moon apart.
    size_t aspectLines = 0;
    for (int i = 1; i <= kChiron; ++i)
        for (int j = 1; j <= kChiron; ++j)
            aspectLines += FindPair(natal, magitest::kNatalBodyColumn, magi::BodyName(i), magi::BodyName(j)).size();
    EXPECT_EQ(aspectLines, 36u);
    EXPECT_EQ(ps.chart.NatalLongitudes, natalLongitudes);
}

TEST(MagiReports, PageHeadingsAndEmptyScores) {
    ProgramState ps = MagiState();
    ps.chart.NatalLongitudes[kVenus] = 100;
    ps.chart.SecondLongitudes[kMars] = 280;
    DataMagiCouple(ps);
    const auto lines = PageLines(ps);
    const auto title = std::find(lines.begin(), lines.end(), "  Magi Society Aspects for Ann and Ben");
    ASSERT_NE(title, lines.end());
    EXPECT_EQ(*(title + 1), "");
    EXPECT_EQ(*(title + 2), "  Romance   Sex   Compatibility");
    const auto venusMars = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("VENUS     opposite  ") != std::string::npos;
    });
    ASSERT_NE(venusMars, lines.end());
    EXPECT_EQ(*venusMars, "     0.0     0.0     0.0   VENUS     opposite    MARS         0d 00m   SEXUAL CLASH");

    const std::vector<std::string> ending = {
        "",        "  TOTALS", "  Romance   Sex   Compatibility", "     0.0     0.0     0.0", "",
        "  Crucial Romance Linkages", "     0.0", "  Crucial Romance Clashes", "     0.0",
        "  Crucial Sex Linkages", "     0.0", "  Crucial Compatibility Linkages", "     0.0",
        "  Crucial Compatibility Clashes", "     0.0", ""};
    ASSERT_GE(lines.size(), ending.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(ending.size()), lines.end()), ending);

    DataMagiNatal(ps);
    const auto natal = PageLines(ps);
    const auto natalTitle = std::find(natal.begin(), natal.end(), "  Magi Society Aspects for Ann");
    ASSERT_NE(natalTitle, natal.end());
    EXPECT_EQ(*(natalTitle + 1), "");
    EXPECT_EQ(*(natalTitle + 2), "  SUN       conjunct    MERCURY      0d 00m");
}

TEST(MagiReports, OrbTextCarriesRoundedMinutes) {
    const std::pair<double, const char*> cases[] = {
        {0, "   0d 00m"},   {2.995, "   3d 00m"}, {0.9999, "   1d 00m"}, {1.2, "   1d 12m"},
        {2.5, "   2d 30m"}, {0.0083, "   0d 00m"}, {2.9916, "   2d 59m"},
    };
    for (const auto& [orb, text] : cases) EXPECT_EQ(magi::OrbText(orb), text) << orb;
}
