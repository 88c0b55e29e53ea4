// The aspect cubes: separations, the orb walk, inclusive windows, the minor
// aspects' switches and their single-precision test, and the sign numbers.
#include <gtest/gtest.h>

#include <memory>

#include "program_state.h"
#include "scoring/aspect_cubes.h"

using namespace rel;

namespace {

// A state whose A x B orbs are all 1 degree and whose minor aspects are off;
// every body of both charts stands far from the ones a case looks at.
std::unique_ptr<ProgramState> CubeState() {
    auto ps = std::make_unique<ProgramState>();
    for (int k = 0; k <= 10; ++k) {
        ps->chart.RelLongitudesA[k] = 3.0 + 7.0 * k;
        ps->chart.RelLongitudesB[k] = 183.5 + 7.0 * k;
    }
    return ps;
}

// A's body i against B's body j at separation d (A at `base`, B d further).
const std::array<int, 9>& Pair(ProgramState& ps, int i, int j, double a, double b) {
    ps.chart.RelLongitudesA[i] = a;
    ps.chart.RelLongitudesB[j] = b;
    ComputeInterchartAspects(ps);
    return ps.scoring.AspectCube[i][j];
}

TEST(AspectCubes, SeparationFoldsAcrossZeroAndEveryWindowIsInclusive) {
    auto ps = CubeState();
    auto& opt = ps->settings.OptionValues;
    opt[269] = 2;  // the Sun's A x B orb
    // 359 and 1 degree: 2 apart, conjunct with an orb of 2.
    EXPECT_EQ(Pair(*ps, kSun, kSun, 359.0, 1.0)[kConjunct], 1);
    EXPECT_EQ(Pair(*ps, kSun, kSun, 1.0, 359.0)[kConjunct], 1);

    struct Case {
        double d;
        int aspect;
        int holds;
    };
    const Case cases[] = {
        {2.0, kConjunct, 1},   {2.0001, kConjunct, 0}, {58.0, kSextile, 1},  {62.0, kSextile, 1},
        {62.0001, kSextile, 0}, {88.0, kSquare, 1},    {92.0, kSquare, 1},   {87.9999, kSquare, 0},
        {118.0, kTrine, 1},    {122.0, kTrine, 1},     {178.0, kOpposite, 1}, {180.0, kOpposite, 1},
        {177.9999, kOpposite, 0},
    };
    for (const Case& c : cases) {
        const auto& cell = Pair(*ps, kSun, kMoon, 100.0, 100.0 + c.d);
        EXPECT_EQ(cell[c.aspect], c.holds) << "separation " << c.d << " aspect " << c.aspect;
        int others = 0;
        for (int k = 0; k <= 8; ++k)
            if (k != c.aspect) others += cell[k];
        EXPECT_EQ(others, 0) << "separation " << c.d;
    }
}

TEST(AspectCubes, OrbWalkTakesTheLowerBodyWhoseOptionIsAboveOne) {
    struct Case {
        float ascOrb, sunOrb, allPairs;
        double d;
        int conjunct;
    };
    const Case cases[] = {
        {0, 0, 0, 1.0, 1},     // every option at 1 or below: 1 degree
        {1, 0.5f, 0, 1.001, 0},
        {8, 10, 0, 8.0, 1},    // the Ascendant decides, not the larger Sun orb
        {8, 10, 0, 9.0, 0},
        {1, 10, 0, 10.0, 1},   // the Ascendant's 1 is passed over
        {1, 10, 3, 3.0, 1},    // option 286 replaces every orb
        {1, 10, 3, 3.5, 0},
    };
    for (const Case& c : cases) {
        auto ps = CubeState();
        auto& opt = ps->settings.OptionValues;
        opt[268] = c.ascOrb, opt[269] = c.sunOrb, opt[286] = c.allPairs;
        // Both orders of the pair walk the same way.
        EXPECT_EQ(Pair(*ps, kAsc, kSun, 200.0, 200.0 + c.d)[kConjunct], c.conjunct) << c.ascOrb << " " << c.sunOrb;
        EXPECT_EQ(Pair(*ps, kSun, kAsc, 50.0, 50.0 - c.d)[kConjunct], c.conjunct) << c.ascOrb << " " << c.sunOrb;
    }
}

TEST(AspectCubes, MinorAspectsNeedTheirSwitchesAndCompareInSinglePrecision) {
    auto ps = CubeState();
    auto& opt = ps->settings.OptionValues;
    opt[280] = 2, opt[281] = 2;
    // Switches off: exact minor separations give nothing.
    for (double d : {30.0, 45.0, 135.0, 150.0}) {
        const auto& cell = Pair(*ps, kMars, kVenus, 10.0, 10.0 + d);
        EXPECT_EQ(cell[kSemiSextile] + cell[kSemiSquare] + cell[kSesquiquadrate] + cell[kQuincunx], 0) << d;
    }
    opt[282] = opt[283] = opt[284] = opt[285] = 1;
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 10.0, 40.0)[kSemiSextile], 1);
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 10.0, 57.0)[kSemiSquare], 1);
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 10.0, 143.0)[kSesquiquadrate], 1);
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 10.0, 162.0)[kQuincunx], 1);
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 10.0, 162.5)[kQuincunx], 0);
    // 32.0000001 is beyond 32 in double precision, exactly 32 in single.
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 0.0, 32.0000001)[kSemiSextile], 1);
    // The major windows stay in double precision.
    opt[273] = 2;
    EXPECT_EQ(Pair(*ps, kMars, kVenus, 0.0, 92.0000001)[kSquare], 0);

    // A large orb sets neighbouring aspects together.
    opt[281] = 10, opt[286] = 20;
    const auto& wide = Pair(*ps, kMars, kVenus, 0.0, 38.0);
    EXPECT_EQ(wide[kSemiSextile], 1);
    EXPECT_EQ(wide[kSemiSquare], 1);
    const auto& both = Pair(*ps, kMars, kVenus, 0.0, 20.0);
    EXPECT_EQ(both[kConjunct], 1);
    EXPECT_EQ(both[kSemiSextile], 1);
}

TEST(AspectCubes, OwnCubesSkipTheDiagonalAreSymmetricAndReadTheirOwnOptions) {
    auto ps = CubeState();
    auto& opt = ps->settings.OptionValues;
    ChartState& cs = ps->chart;
    for (int k = 0; k <= 10; ++k) cs.RelLongitudesB[k] = cs.RelLongitudesA[k] = 10.0 * k;
    // Couple options that the own cubes must not read.
    opt[269] = 30, opt[286] = 30, opt[282] = 1, opt[281] = 5;
    ComputeInterchartAspects(*ps);
    ComputeNatalAspectsA(*ps);
    ComputeNatalAspectsB(*ps);
    const ScoringState& sc = ps->scoring;
    // The same body in both charts is conjunct; a body with itself is never.
    EXPECT_EQ(sc.AspectCube[kSun][kSun][kConjunct], 1);
    for (int i = 0; i <= 10; ++i)
        for (int k = 0; k <= 8; ++k) {
            EXPECT_EQ(sc.AspectCubeA[i][i][k], 0);
            EXPECT_EQ(sc.AspectCubeB[i][i][k], 0);
        }
    // Sun 10, Moon 20: 10 apart, beyond the 1-degree own orb.
    EXPECT_EQ(sc.AspectCubeA[kSun][kMoon][kConjunct], 0);
    EXPECT_EQ(sc.AspectCubeA[kSun][kPluto][kSemiSextile], 0);

    opt[248] = 10;   // the Sun's own orb
    opt[260] = 1, opt[261] = 1;
    ComputeNatalAspectsA(*ps);
    EXPECT_EQ(ps->scoring.AspectCubeA[kSun][kMoon][kConjunct], 1);
    EXPECT_EQ(ps->scoring.AspectCubeA[kMoon][kSun][kConjunct], 1);
    EXPECT_EQ(ps->scoring.AspectCubeA[kAsc][kMercury][kSemiSextile], 1);  // 0 and 30
    EXPECT_EQ(ps->scoring.AspectCubeA[kMercury][kAsc][kSemiSextile], 1);
    EXPECT_EQ(ps->scoring.AspectCubeB[kSun][kMoon][kConjunct], 0);  // B's cube not yet rebuilt
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j)
            for (int k = 0; k <= 8; ++k) EXPECT_EQ(ps->scoring.AspectCubeA[i][j][k], ps->scoring.AspectCubeA[j][i][k]);

    // Every run starts from an empty cube.
    for (int k = 0; k <= 10; ++k) cs.RelLongitudesA[k] = 32.7 * k;
    opt[248] = 0, opt[261] = 0;
    ComputeNatalAspectsA(*ps);
    EXPECT_EQ(ps->scoring.AspectCubeA[kSun][kMoon][kConjunct], 0);
}

TEST(AspectCubes, SignNumbersReduceTheLongitudeFirst) {
    const std::pair<double, int> cases[] = {{0.0, 1},   {29.9999, 1}, {30.0, 2},  {210.0, 8},
                                            {359.9999, 12}, {360.0, 1}, {-0.5, 12}, {725.0, 1}};
    for (const auto& [longitude, sign] : cases) EXPECT_EQ(SignOfLongitude(longitude), sign) << longitude;

    auto ps = CubeState();
    ps->chart.RelLongitudesA[kMoon] = 212.0;
    ps->chart.RelLongitudesB[kAsc] = 360.0;
    GetSignNumbers(*ps);
    EXPECT_EQ(ps->scoring.SignNumbersA[kMoon], 8);
    EXPECT_EQ(ps->scoring.SignNumbersB[kAsc], 1);
    EXPECT_EQ(ps->scoring.SignNumbersA[kAsc], 1);
}

}  // namespace
