#include <gtest/gtest.h>

#include "listing_test_support.h"
#include "reports/church_of_light.h"

namespace {

std::array<int, 6> PairOrbs(bool lumA, int houseA, bool lumB, int houseB) {
    const auto a = ChurchOfLightOrbs(lumA, houseA);
    const auto b = ChurchOfLightOrbs(lumB, houseB);
    std::array<int, 6> o{};
    for (int g = 1; g <= 5; ++g) o[g] = std::max(a[g], b[g]);
    return o;
}

int Code(double sep, const std::array<int, 6>& orbs) {
    double deviation = 0;
    return ChurchOfLightAspectCode(sep, orbs, deviation);
}

// Chart A with every body in the given house and far apart from the others.
void Chart(ProgramState& ps, int house) {
    ps.chart.HouseStringA.clear();
    for (int i = 1; i <= 15; ++i) {
        std::string field = (house < 10 ? " " : "") + std::to_string(house) + "   HOUSE";
        ps.chart.HouseStringA += field;
        ps.chart.NatalLongitudes[i] = i * 17.0 + 0.5;
        ps.chart.NatalDeclinations[i] = i * 3.0;
    }
}

}  // namespace

TEST(ChurchOfLight, OrbTableAndStrictBands) {
    // Sun in the 1st house and Mars in the 3rd: square strictly within 78..102.
    const auto sunMars = PairOrbs(true, 1, false, 3);
    EXPECT_EQ(sunMars[4], 12);
    EXPECT_EQ(Code(78.0, sunMars), 1);
    EXPECT_EQ(Code(78.01, sunMars), 4);
    EXPECT_EQ(Code(101.99, sunMars), 4);
    EXPECT_EQ(Code(102.0, sunMars), 1);
    // Two cadent planets: conjunction orb 8, strict.
    const auto cadent = PairOrbs(false, 3, false, 12);
    EXPECT_EQ(Code(8.0, cadent), 1);
    EXPECT_EQ(Code(7.9, cadent), 2);
    // Angular luminary: 131 is a sesquiquadrate, 129 a trine.
    const auto angular = PairOrbs(true, 10, false, 6);
    EXPECT_EQ(Code(131.0, angular), 10);
    EXPECT_EQ(Code(129.0, angular), 5);
    EXPECT_EQ(Code(176.0, angular), 6);  // 180 - 15 < 176
    // A house outside 1..12 counts as cadent.
    EXPECT_EQ(ChurchOfLightOrbs(false, 0), ChurchOfLightOrbs(false, 9));
}

TEST(ChurchOfLight, ListedTwiceWithOppositeDeviationsAndParallels) {
    ProgramState ps;
    PrepareTables(ps);
    Chart(ps, 3);
    // Sun and Mars 90.5 apart: a square in both blocks with opposite signs.
    ps.chart.NatalLongitudes[1] = 10.0, ps.chart.NatalLongitudes[4] = 100.5;
    // Venus 10.2 N and Saturn 10.9 S: parallel, 0.7 degrees.
    ps.chart.NatalDeclinations[3] = 10.2, ps.chart.NatalDeclinations[6] = -10.9;
    ChurchOfLightAspects(ps);
    EXPECT_EQ(LineStarting(ps, "  SUN           square"), "  SUN           square          MARS           0.5 degrees");
    EXPECT_EQ(LineStarting(ps, "  MARS          square"), "  MARS          square          SUN           -0.5 degrees");
    EXPECT_EQ(LineStarting(ps, "  VENUS         Parallel"), "  VENUS         Parallel      SATURN         0.7 degrees");
    EXPECT_EQ(LineStarting(ps, "  SATURN        Parallel"), "  SATURN        Parallel      VENUS          0.7 degrees");
    // Nodes and Chiron never take part.
    EXPECT_EQ(LineStarting(ps, "  N. NODE"), "");
    EXPECT_EQ(LineStarting(ps, "  CHIRON"), "");
}

TEST(ChurchOfLight, AngleOrbsWhateverTheirHouseText) {
    ProgramState ps;
    PrepareTables(ps);
    Chart(ps, 3);
    // Ascendant and Saturn (cadent planet) 9.5 apart: the Ascendant counts
    // as an angular planet (conjunction orb 12), so they are conjunct.
    ps.chart.NatalLongitudes[14] = 200.0, ps.chart.NatalLongitudes[6] = 209.5;
    ChurchOfLightAspects(ps);
    EXPECT_NE(LineStarting(ps, "  ASC           conjunct        SATURN"), "");
}
