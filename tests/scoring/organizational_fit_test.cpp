// The organizational fit page drawn on a recording surface of a letter page
// at 96 dpi (816 by 1104 pixels, one unit an inch): the grid lines, every
// label at its place, the title centred by the surface's text model, each
// column's sign, house and aspect lines; the aspect windows and the orbs
// read from "NATAL.ORB".
#include <gtest/gtest.h>

#include <QDir>
#include <map>
#include <string>
#include <vector>

#include "app/constant_tables.h"
#include "couple_fixtures.h"
#include "dialog_responder.h"
#include "platform/numbers.h"
#include "platform/recording_surface.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scoring/organizational_fit.h"
#include "test_support.h"

namespace {

constexpr double kColumnWidth = 6.5 / 7;
// The recording surface's line height: 1.2 times the font size in points.
double LineStep(double points) { return 1.2 * points / 72; }
double TextWidth(const std::string& text, double points) { return text.size() * 0.6 * points / 72; }

FitOrbs ShippedOrbs() {
    FitOrbs orbs{};
    const float values[] = {8, 6, 7, 7, 8};
    for (int k = 1; k <= 5; ++k) orbs[k] = values[k - 1];
    return orbs;
}

// Chart A: the Sun has a trine, sextile, square, opposition and conjunction
// to two bodies each of the first four kinds; the Moon none.
ProgramState FitState() {
    ProgramState ps;
    FillNameTables(ps.settings);
    SetDecimalSeparator('.');
    ChartState& cs = ps.chart;
    const double longitudes[] = {0, 0, 120, 60, 90, 180, 5, 240, 300, 270, 350};
    for (int b = 1; b <= 10; ++b) cs.NatalLongitudes[b] = longitudes[b];
    // The house string as the chart computation writes it: the house number
    // in the first two characters of each field, the start value's "--"
    // still in the fields of the Sun and Mercury.
    cs.HouseStringA.clear();
    const char* houses[] = {" 1-- HOUSE", "10-- HOUSE", " 5   HOUSE", " 2   HOUSE", "12   HOUSE",
                            " 3   HOUSE", " 4   HOUSE", " 6   HOUSE", " 7   HOUSE", "11   HOUSE"};
    for (const char* h : houses) cs.HouseStringA += h;
    cs.HouseStringA += std::string(50, ' ');
    cs.ChartName = "Carla Meridional";
    cs.NatalDateText = "7/21/1978";
    ps.settings.DateOrder = 0;
    cs.NatalZone = -10;
    cs.NatalTime = 3.15f;
    cs.NatalAmPm = "P.M.";
    cs.NatalLatitude = -33.52f;
    cs.NatalNorthSouth = "SOUTH";
    cs.NatalLongitude = -151.12f;
    cs.NatalEastWest = "EAST";
    return ps;
}

struct Printed {
    double x, y, size;
    bool bold;
    std::string text;
};

// Every printed text with the font it was printed in.
std::vector<Printed> PrintedTexts(const RecordingSurface& surface) {
    std::vector<Printed> out;
    double size = 0;
    bool bold = false;
    for (const RecordedCall& c : surface.Calls()) {
        if (c.op == "FontSize") size = c.numbers[0];
        if (c.op == "FontBold") bold = c.numbers[0] != 0;
        if (c.op == "Print") out.push_back({c.numbers[0], c.numbers[1], size, bold, c.text});
    }
    return out;
}

const Printed* FindText(const std::vector<Printed>& texts, const std::string& text) {
    for (const Printed& p : texts)
        if (p.text == text) return &p;
    return nullptr;
}

}  // namespace

TEST(OrganizationalFit, GridLinesInOrder) {
    ProgramState ps = FitState();
    RecordingSurface surface(816, 1104, 96);
    DrawOrganizationalFit(ps, surface, ShippedOrbs());
    EXPECT_DOUBLE_EQ(surface.ScaleWidth(), 8.5);
    EXPECT_DOUBLE_EQ(surface.ScaleHeight(), 11.5);
    EXPECT_DOUBLE_EQ(surface.PixelsPerUnitX(), 96);
    EXPECT_DOUBLE_EQ(surface.PixelsPerUnitY(), 96);

    const double middle = 1 + 3 * kColumnWidth;
    std::vector<std::vector<double>> expected = {
        {1, 3, 7.5, 3}, {1, 3.5, 7.5, 3.5},         {1, 4.75, 7.5, 4.75}, {1, 6.75, 7.5, 6.75},
        {1, 3, 1, 6.75}, {middle, 3, middle, 6.75}, {7.5, 3, 7.5, 6.75},
    };
    for (int c : {1, 2, 4, 5, 6}) expected.push_back({1 + c * kColumnWidth, 3.5, 1 + c * kColumnWidth, 6.75});
    const auto lines = surface.CallsOf("Line");
    ASSERT_EQ(lines.size(), expected.size()) << surface.Dump();
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t k = 0; k < 4; ++k) EXPECT_NEAR(lines[i].numbers[k], expected[i][k], 1e-12) << "line " << i;
        EXPECT_EQ(lines[i].colour, 0u);
    }
}

TEST(OrganizationalFit, TitleBlockAndLabelsAtTheirPlaces) {
    ProgramState ps = FitState();
    RecordingSurface surface(816, 1104, 96);
    DrawOrganizationalFit(ps, surface, ShippedOrbs());
    const auto texts = PrintedTexts(surface);
    for (const RecordedCall& c : surface.CallsOf("FontName")) EXPECT_EQ(c.text, "Times New Roman");

    const std::string title = "Organizational Fit Analysis";
    const std::string subtitle = "(Based Upon Natal Assets)";
    const std::string dataLine = "21 Jul 1978        TZ = -10.0        3.15 P.M.        33.52 SOUTH      151.12 EAST";
    struct Label {
        std::string text;
        double x, y, size;
        bool bold;
    };
    const double d9 = LineStep(9);
    const std::vector<Label> labels = {
        {title, (8.5 - TextWidth(title, 16)) / 2, 1, 16, true},
        {subtitle, (8.5 - TextWidth(subtitle, 14)) / 2, 1.35, 14, true},
        {"Carla Meridional", 1, 2, 12, true},
        {dataLine, 1, 2 + LineStep(12), 10, false},
        {"Establishment", 1.8, 3.125, 12, true},
        {"Organization", 5.14, 3.125, 12, true},
        {"Executive", 1.1875, 3.875, 9, true},
        {"Communica-", 2.0125, 3.875, 9, true},
        {"tions", 2.25, 3.875 + d9, 9, true},
        {"Expansion", 3.0375, 3.875, 9, true},
        {"Treasury/", 4.0, 3.875, 9, true},
        {"Energy", 4.0625, 3.875 + d9, 9, true},
        {"Production", 4.875, 3.875, 9, true},
        {"Quality", 5.8875, 3.875, 9, true},
        {"Control", 5.8875, 3.875 + d9, 9, true},
        {"Public", 6.875, 3.625, 9, true},
        {"Contact &", 6.75, 3.625 + d9, 9, true},
        {"Service/", 6.81, 3.625 + 2 * d9, 9, true},
        {"Sales", 6.9, 3.625 + 3 * d9, 9, true},
        {"Sun", 1.365625, 4.375, 9, true},
        {"Mercury", 2.164, 4.375, 9, true},
        {"Jupiter", 3.153, 4.375, 9, true},
        {"Venus", 4.0725, 4.375, 9, true},
        {"Moon", 5.0125, 4.375, 9, true},
        {"Saturn", 5.921875, 4.375, 9, true},
        {"Mars", 6.89, 4.375, 9, true},
        {"Notes:", 1, 7, 12, true},
    };
    for (const Label& l : labels) {
        SCOPED_TRACE(l.text);
        const Printed* p = FindText(texts, l.text);
        ASSERT_NE(p, nullptr) << surface.Dump();
        EXPECT_NEAR(p->x, l.x, 1e-12);
        EXPECT_NEAR(p->y, l.y, 1e-12);
        EXPECT_EQ(p->size, l.size);
        EXPECT_EQ(p->bold, l.bold);
    }
    // The labels come before the chart's own texts.
    EXPECT_EQ(texts[0].text, title);
    EXPECT_EQ(texts[labels.size() - 1].text, "Notes:");
}

TEST(OrganizationalFit, SignHouseAndAspectLinesOfEachColumn) {
    ProgramState ps = FitState();
    RecordingSurface surface(816, 1104, 96);
    DrawOrganizationalFit(ps, surface, ShippedOrbs());
    const auto texts = PrintedTexts(surface);
    const double d8 = LineStep(8);

    // Column c's texts below the labels, in print order.
    auto column = [&](int c) {
        std::vector<Printed> out;
        for (const Printed& p : texts)
            if (std::abs(p.x - (1.0675 + c * kColumnWidth)) < 1e-9 && p.y > 4.8) out.push_back(p);
        return out;
    };
    // Sun: pass order trine, sextile, square, opposite, conjunct, each in
    // body order; Uranus, Neptune and Pluto appear as second bodies.
    const std::vector<std::string> sun = {"ARI",           "1ST HOUSE",     "trine     MER", "trine     URA",
                                          "sextile   VEN", "sextile   NEP", "square    MAR", "square    PLU",
                                          "opposite  JUP", "conjunct  SAT"};
    const auto sunTexts = column(0);
    ASSERT_EQ(sunTexts.size(), sun.size());
    for (size_t i = 0; i < sun.size(); ++i) {
        EXPECT_EQ(sunTexts[i].text, sun[i]);
        const double y = i < 2 ? 4.8125 + i * d8 : 5.25 + (i - 2) * d8;
        EXPECT_NEAR(sunTexts[i].y, y, 1e-12) << sun[i];
        EXPECT_EQ(sunTexts[i].size, 8);
        EXPECT_FALSE(sunTexts[i].bold);
    }
    // Mercury lists its trine to the Sun too; the Moon has only sign and house.
    const auto mercury = column(1);
    ASSERT_GE(mercury.size(), 3u);
    EXPECT_EQ(mercury[0].text, "LEO");
    EXPECT_EQ(mercury[1].text, "10TH HOUSE");
    EXPECT_EQ(mercury[2].text, "trine     SUN");
    const auto moon = column(4);
    ASSERT_EQ(moon.size(), 2u);
    EXPECT_EQ(moon[0].text, "PIS");
    EXPECT_EQ(moon[1].text, "11TH HOUSE");
    // Every column names its body's house by the ordinal.
    const char* ordinals[] = {"1ST HOUSE", "10TH HOUSE", "12TH HOUSE", "5TH HOUSE", "11TH HOUSE", "3RD HOUSE",
                              "2ND HOUSE"};
    for (int c = 0; c < 7; ++c) {
        const auto texts = column(c);
        ASSERT_GE(texts.size(), 2u) << c;
        EXPECT_EQ(texts[1].text, ordinals[c]) << c;
    }
    // No column body is set against itself.
    for (const Printed& p : column(5)) EXPECT_NE(p.text.substr(p.text.size() - 3), "SAT");
}

TEST(OrganizationalFit, HousesOfAComputedChartByTheirOrdinals) {
    ProgramState ps;
    fixtures::ComputeCouple(ps, fixtures::NorthCouple());
    RecordingSurface surface(816, 1104, 96);
    DrawOrganizationalFit(ps, surface, ShippedOrbs());
    const char* ordinals[] = {"",    "1ST", "2ND", "3RD",  "4TH",  "5TH", "6TH",
                              "7TH", "8TH", "9TH", "10TH", "11TH", "12TH"};
    const int bodies[] = {1, 2, 5, 3, 10, 6, 4};
    const double houseY = 4.8125 + LineStep(8);
    for (int c = 0; c < 7; ++c) {
        const int house = static_cast<int>(Val(ps.chart.HouseStringA.substr((bodies[c] - 1) * 10, 2)));
        ASSERT_GE(house, 1);
        ASSERT_LE(house, 12);
        const std::string expected = std::string(ordinals[house]) + " HOUSE";
        bool found = false;
        for (const Printed& p : PrintedTexts(surface))
            if (std::abs(p.x - (1.0675 + c * kColumnWidth)) < 1e-9 && std::abs(p.y - houseY) < 1e-9)
                found = found || p.text == expected;
        EXPECT_TRUE(found) << "column " << c << ": " << expected << "\n" << surface.Dump();
    }
}

TEST(OrganizationalFit, AspectWindowsInSinglePrecision) {
    FitOrbs orbs = ShippedOrbs();
    orbs[2] = 2.1f;
    // 57.9 and 62.1 lie outside 60 -+ 2.1 in double precision, on the edges
    // in single precision.
    ASSERT_LT(57.9, 60.0 - static_cast<double>(2.1f));
    ASSERT_GT(62.1, 60.0 + static_cast<double>(2.1f));
    struct Case {
        double a, b;
        int code;
    };
    const Case edges[] = {{0, 57.9, 3}, {0, 62.1, 3}, {0, 57.89, 1}, {100, 37.9, 3}, {0, 83, 4}, {0, 97, 4},
                          {0, 113, 5},  {0, 127, 5},  {0, 172, 6},   {0, 180, 6},    {0, 171.99, 1}, {0, 8, 2},
                          {350, 10, 1}, {10, 350, 1}, {0, 8.01, 1}};
    for (const Case& c : edges) EXPECT_EQ(FitAspectCode(c.a, c.b, orbs), c.code) << c.a << " " << c.b;

    // 350 and 10 are twenty degrees apart.
    orbs[1] = 20;
    EXPECT_EQ(FitAspectCode(350, 10, orbs), 2);
    EXPECT_EQ(FitAspectCode(10, 350, orbs), 2);
    orbs[1] = 19.9f;
    EXPECT_EQ(FitAspectCode(350, 10, orbs), 1);

    // Overlapping windows: the last that holds wins.
    FitOrbs wide = ShippedOrbs();
    wide[2] = wide[3] = wide[4] = 40;
    EXPECT_EQ(FitAspectCode(0, 75, wide), 4);
    EXPECT_EQ(FitAspectCode(0, 100, wide), 5);
    EXPECT_EQ(FitAspectCode(0, 40, wide), 3);
    wide[5] = 80;
    EXPECT_EQ(FitAspectCode(0, 100, wide), 6);
    wide[1] = 100;
    EXPECT_EQ(FitAspectCode(0, 100, wide), 2);
}

TEST(OrganizationalFit, OverlappingWindowsListedInTheWinningPassOnly) {
    ProgramState ps = FitState();
    FitOrbs wide = ShippedOrbs();
    wide[2] = wide[3] = 40;
    // Sun to Venus 60 is both sextile and square; square wins.
    RecordingSurface surface(816, 1104, 96);
    DrawOrganizationalFit(ps, surface, wide);
    std::vector<std::string> sun;
    for (const Printed& p : PrintedTexts(surface))
        if (p.x == 1.0675 && p.y >= 5.25) sun.push_back(p.text);
    const std::vector<std::string> expected = {"trine     MER", "trine     URA", "square    VEN",
                                               "square    MAR", "square    NEP", "square    PLU", "opposite  JUP",
                                               "conjunct  SAT"};
    EXPECT_EQ(sun, expected);
}

TEST(OrganizationalFit, OrbsFromNatalOrbFile) {
    ProgramState ps;
    ps.settings.AppPath = testsupport::MakeTempDir();
    for (int k = 1; k <= 17; ++k) ps.settings.OrbValues[k] = 10.0f + k;
    const FitOrbs before = ps.settings.OrbValues;
    const std::string path = JoinPath(ps.settings.AppPath, "NATAL.ORB");

    // A third line that is empty ends the reading: orbs 1 and 2 only.
    testsupport::WriteBytes(path, "4      #1\r\n5.5    #2\r\n\r\n9\r\n");
    FitOrbs orbs{};
    ASSERT_TRUE(ReadFitOrbs(ps, orbs));
    EXPECT_EQ(orbs[1], 4.0f);
    EXPECT_EQ(orbs[2], 5.5f);
    for (int k = 3; k <= 17; ++k) EXPECT_EQ(orbs[k], before[k]) << k;
    EXPECT_EQ(ps.settings.OrbValues, before);

    // More than 17 lines: the 17 orbs are read, the rest left alone.
    std::string many;
    for (int k = 1; k <= 25; ++k) many += std::to_string(k) + "\r\n";
    testsupport::WriteBytes(path, many);
    ASSERT_TRUE(ReadFitOrbs(ps, orbs));
    for (int k = 1; k <= 17; ++k) EXPECT_EQ(orbs[k], static_cast<float>(k));

    // A number too large for an orb: told once, naming the file, and it counts as 0.
    DialogResponder responder;
    responder.Answer(MsgResult::OK);
    testsupport::WriteBytes(path, "4\r\n1e999\r\n6\r\n");
    ASSERT_TRUE(ReadFitOrbs(ps, orbs));
    EXPECT_EQ(orbs[2], 0.0f);
    EXPECT_EQ(orbs[3], 6.0f);
    ASSERT_EQ(responder.Prompts().size(), 1u);
    EXPECT_NE(responder.Prompts()[0].text.find("NATAL.ORB"), std::string::npos);

    // No file: the user is told, the orbs are left as they were.
    QDir().remove(QString::fromStdString(path));
    responder.Answer(MsgResult::OK);
    const FitOrbs kept = orbs;
    EXPECT_FALSE(ReadFitOrbs(ps, orbs));
    ASSERT_EQ(responder.Prompts().size(), 2u);
    EXPECT_EQ(responder.Prompts()[1].title, "File Not Found");
    EXPECT_EQ(orbs, kept);
    EXPECT_EQ(ps.settings.OrbValues, before);
}

TEST(OrganizationalFit, DateTextThatIsNoDatePrintedAsItStands) {
    ProgramState ps = FitState();
    ps.chart.NatalDateText = "sometime";
    ps.chart.NatalLatitude = 40.43f;
    ps.chart.NatalNorthSouth = "NORTH";
    ps.chart.NatalZone = 5;
    RecordingSurface surface(816, 1104, 96);
    DrawOrganizationalFit(ps, surface, ShippedOrbs());
    EXPECT_NE(FindText(PrintedTexts(surface),
                       "sometime        TZ = 5.0        3.15 P.M.        40.43 NORTH      151.12 EAST"),
              nullptr)
        << surface.Dump();
}
