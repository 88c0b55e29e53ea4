// The report's fields, the matrix block, the groupings and the copy's cut,
// on engine arrays set by hand.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/constant_tables.h"
#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_groupings.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "cosmodynes/cosmodyne_tables.h"
#include "cosmodynes/dynes_matrix.h"
#include "cosmodynes/dynes_report_fields.h"
#include "listing_test_support.h"
#include "program_state.h"

namespace {

using namespace cosmo;

std::unique_ptr<ProgramState> Tables() {
    auto ps = std::make_unique<ProgramState>();
    PrepareTables(*ps);
    return ps;
}

}  // namespace

TEST(ReportFields, NumberAndShareFields) {
    const std::pair<double, const char*> numbers[] = {
        {45.67, "  45.67"}, {-3.5, "  -3.50"}, {-2.5, "  -2.50"}, {0, "   0.00"},     {-0.004, "  -0.00"},
        {-0.5, "  -0.50"},  {999.99, " 999.99"}, {-100, "-100.00"}, {1000, " 1000.00"}, {-1234.5, "-1234.50"},
    };
    for (auto [v, text] : numbers) EXPECT_EQ(dynes::NumberField(v), text) << v;
    SetDecimalSeparator(',');
    EXPECT_EQ(dynes::NumberField(-0.004), "  -0,00");
    EXPECT_EQ(dynes::NumberField(-0.25), "  -0,25");
    SetDecimalSeparator('.');

    struct Share {
        double value, sum;
        const char* text;
    };
    const Share shares[] = {{12.5, 100, "12.5"}, {7.2, 100, " 7.2"}, {100, 100, "100.0"}, {0, 0, " 0.0"}, {5, 0, " 0.0"}};
    for (const Share& s : shares) EXPECT_EQ(dynes::ShareField(s.value, s.sum), s.text) << s.value << "/" << s.sum;
}

TEST(DynesMatrix, RowsColumnsAndCells) {
    struct Case {
        int angles;
        bool chiron;
        int relationship;
        size_t rows;
        const char* headerEnd;
        const char* lastLabel;
    };
    const Case cases[] = {
        {0, false, 0, 10, "Plu    Moo", "  Moo  "},
        {2, true, 1, 12, "Chi    Asc", "  Asc  "},
        {2, true, 0, 13, "Asc    MC", "  MC   "},
        {1, false, 0, 11, "Moo    Asc", "  Asc  "},
    };
    for (const Case& c : cases) {
        auto ps = Tables();
        ps->chart.AnglesSetting = c.angles;
        ps->chart.UseChiron = c.chiron;
        ps->cosmodynes.RelationshipMode = c.relationship;
        PrintDynesMatrix(*ps);
        const std::vector<std::string> lines = PageLines(*ps);
        ASSERT_EQ(lines.size(), 6 + c.rows);
        EXPECT_EQ(lines[2], std::string(25, ' ') + "Power is listed in upper right section.");
        const std::string& header = lines[5];
        EXPECT_EQ(header.substr(header.size() - std::string(c.headerEnd).size()), c.headerEnd) << c.angles;
        EXPECT_EQ(lines.back().substr(0, 7), c.lastLabel);
        EXPECT_EQ(lines[6], "  Sun    **** " + [&] {
            std::string rest;
            for (size_t k = 1; k < c.rows; ++k) rest += "  ---- ";
            return rest;
        }());
    }
    auto ps = Tables();
    auto& m = ps->cosmodynes.AspectMatrix;
    m[kSun][kMercury] = 100, m[kMercury][kSun] = -3.5f, m[kVenus][kSun] = 12.25f, m[kMars][kSun] = 4.5f;
    m[kJupiter][kSun] = -0.001f;
    PrintDynesMatrix(*ps);
    const std::vector<std::string> lines = PageLines(*ps);
    EXPECT_EQ(lines[6].substr(7, 15), "  ****  100.00 ");
    EXPECT_EQ(lines[7].substr(7, 7), " -3.50 ");
    EXPECT_EQ(lines[8].substr(7, 7), " 12.25 ");
    EXPECT_EQ(lines[9].substr(7, 7), "  4.50 ");
    EXPECT_EQ(lines[10].substr(7, 7), "  ---- ");
    // The copy: its own explanatory line, one empty slot, header and rows.
    EXPECT_EQ(ps->cosmodynes.DynesLines[0],
              "      Power is listed in upper right section. Harmony is listed in lower left section.");
    EXPECT_EQ(ps->cosmodynes.DynesLines[1], "");
    EXPECT_EQ(ps->cosmodynes.DynesLines[2], lines[5]);
    EXPECT_EQ(ps->cosmodynes.DynesLineCount, 2 + 1 + 11);
}

TEST(DynesMatrix, CellsBelowOneWithADecimalComma) {
    auto ps = Tables();
    auto& m = ps->cosmodynes.AspectMatrix;
    m[kSun][kMercury] = 0.5f, m[kMercury][kSun] = -0.25f, m[kVenus][kSun] = -0.001f, m[kMars][kSun] = 5.25f;
    SetDecimalSeparator(',');
    PrintDynesMatrix(*ps);
    SetDecimalSeparator('.');
    const std::vector<std::string> lines = PageLines(*ps);
    EXPECT_EQ(lines[6].substr(14, 7), "  0,50 ");
    EXPECT_EQ(lines[7].substr(7, 7), " -0,25 ");
    EXPECT_EQ(lines[8].substr(7, 7), "  ---- ");
    EXPECT_EQ(lines[9].substr(7, 7), "  5,25 ");
}

TEST(CosmodyneGroupings, ZeroArraysAndTheHemispherePairs) {
    auto ps = Tables();
    PrintCosmodyneGroupings(*ps);
    EXPECT_EQ(LineStarting(*ps, "  Fire"), "  Fire" + std::string(13, ' ') + "   0.00" + std::string(13, ' ') + "   0.00");
    EXPECT_EQ(LineStarting(*ps, "  South/North"),
              "  South/North      " + std::string("   0.00 / 0.00") + "    " + "   0.00 / 0.00");
    EXPECT_EQ(ps->cosmodynes.DynesLineCount, 23);

    auto fire = Tables();
    CosmodyneState& cd = fire->cosmodynes;
    cd.SignPower[1] = 45.67, cd.SignDiscord[5] = 3.5;
    cd.HousePower[7] = 5, cd.HousePower[1] = 123.45;
    PrintCosmodyneGroupings(*fire);
    EXPECT_EQ(LineStarting(*fire, "  Fire"), "  Fire" + std::string(13, ' ') + "  45.67" + std::string(13, ' ') + "  -3.50");
    EXPECT_EQ(LineStarting(*fire, "  South/North").substr(19, 16), "   5.00 / 123.45");
    EXPECT_EQ(LineStarting(*fire, "  Private"),
              "  Private           123.45                0.00   (Personal interests and affairs)");
    // The copy sets the qualities beside the elements.
    EXPECT_EQ(cd.DynesLines[3], LineStarting(*fire, "  Fire") + "   " + LineStarting(*fire, "  Cardinal"));
    EXPECT_EQ(cd.DynesLines[6], LineStarting(*fire, "  Water"));
    EXPECT_EQ(cd.DynesLines[8], LineStarting(*fire, "  Electric") + "   " + LineStarting(*fire, "  Magnetic"));
    EXPECT_EQ(cd.DynesLines[7], "");
}

TEST(CosmodyneTables, WideFieldsAreCopiedWhole) {
    auto ps = Tables();
    CosmodyneState& cd = ps->cosmodynes;
    ps->chart.AnglesSetting = 0;
    ps->chart.UseChiron = false;
    for (size_t b = 1; b <= 10; ++b) cd.TotalPower[b] = 100 + static_cast<double>(b), cd.Harmony[b] = 150;
    cd.TotalPower[1] = 1500;
    cd.Discord[2] = 1200;
    RankBodiesByPower(cd, 13);
    dynes::StartDynesCopy(*ps);
    PrintCosmodyneTables(*ps, false);
    // Slot 3: the Sun's row, its power 1500.00 one column wider.
    // Beside it the first Har/Disc row, the Sun again.
    const std::string sun = "  SUN" + std::string(14, ' ') + " 1500.00";
    EXPECT_EQ(cd.DynesLines[3], sun + "  61.1" + std::string(8, ' ') + "150.00" + "   " + sun + std::string(14, ' ') + "150.00");
    // The TOTALS slot (3 + 10): the total power 2454 whole.
    EXPECT_EQ(cd.DynesLines[13], "  TOTALS" + std::string(11, ' ') + " 2454.00" + std::string(13, ' ') + " 300.00");
    // The Har/Disc listing ends with Mercury at -1050.00, copied whole.
    EXPECT_EQ(cd.DynesLines[12].substr(cd.DynesLines[12].size() - 8), "-1050.00");
    // Ten rows, M = 10, and the count at the house TOTALS slot.
    EXPECT_EQ(cd.DynesLineCount, 10 + 33);
}

TEST(CosmodyneTables, CompositeSharesOfAZeroSum) {
    auto ps = Tables();
    CosmodyneState& cd = ps->cosmodynes;
    ps->chart.UseChiron = false;
    for (size_t b = 1; b <= 15; ++b) cd.TotalPower[b] = 20 - static_cast<double>(b);
    RankBodiesByPower(cd, 15);
    dynes::StartDynesCopy(*ps);
    PrintCosmodyneTables(*ps, true);
    // Venus's Har/Disc row (its second line): every Har/Disc is 0, so the
    // sum of the positive ones is 0 too.
    std::vector<std::string> venus;
    for (const std::string& line : PageLines(*ps))
        if (line.rfind("  VENUS", 0) == 0) venus.push_back(line);
    ASSERT_EQ(venus.size(), 2u);
    EXPECT_EQ(venus[1].substr(39), "   0.00    0.0        0.00" + std::string(13, ' ') + "   0.00");
    EXPECT_EQ(LineStarting(*ps, std::string(51, ' ')), std::string(51, ' ') + "%");
    // Powers 19 down to 5 by body: the first 11 ranks are bodies 1..11, so
    // the MC is listed nowhere.
    EXPECT_EQ(LineStarting(*ps, "  MC"), "");
    EXPECT_EQ(cd.DynesLineCount, 11 + 33);
}
