// The transcribed perturbation and Pluto tables: term counts per series,
// the leading amplitudes, and the evaluator's reading of a term.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "chart/angle_helpers.h"
#include "chart/jupiter_saturn_terms.h"
#include "chart/pluto_terms.h"
#include "chart/uranus_neptune_terms.h"

using namespace planet_terms;

namespace {
template <std::size_t N>
double LargestConstant(const PerturbationTerm (&terms)[N]) {
    double m = 0;
    for (const auto& t : terms) m = std::fabs(t.C0) > std::fabs(m) ? t.C0 : m;
    return m;
}
}  // namespace

TEST(PlanetTerms, SeriesHoldTheirTermCounts) {
    EXPECT_EQ(std::size(kJupiterA), 23u);
    EXPECT_EQ(std::size(kJupiterEccentricity), 29u);
    EXPECT_EQ(std::size(kJupiterB), 18u);
    EXPECT_EQ(std::size(kJupiterSemiAxis), 11u);
    EXPECT_EQ(std::size(kSaturnA), 24u);
    EXPECT_EQ(std::size(kSaturnEccentricity), 49u);
    EXPECT_EQ(std::size(kSaturnB), 17u);
    EXPECT_EQ(std::size(kSaturnSemiAxis), 36u);
    EXPECT_EQ(std::size(kUranusA), 5u);
    EXPECT_EQ(std::size(kUranusEccentricity), 3u);
    EXPECT_EQ(std::size(kUranusB), 3u);
    EXPECT_EQ(std::size(kUranusSemiAxis), 1u);
    EXPECT_EQ(std::size(kUranusDirect), 10u);
    EXPECT_EQ(std::size(kNeptuneA), 3u);
    EXPECT_EQ(std::size(kNeptuneEccentricity), 4u);
    EXPECT_EQ(std::size(kNeptuneB), 4u);
    EXPECT_EQ(std::size(kNeptuneSemiAxis), 3u);
    EXPECT_EQ(std::size(kNeptuneDirect), 5u);
}

TEST(PlanetTerms, LeadingMeanLongitudeAmplitudes) {
    EXPECT_DOUBLE_EQ(LargestConstant(kJupiterA), 0.331364);
    EXPECT_DOUBLE_EQ(LargestConstant(kSaturnA), -0.814181);
    EXPECT_DOUBLE_EQ(LargestConstant(kUranusA), 0.864319);
    EXPECT_DOUBLE_EQ(LargestConstant(kNeptuneA), -0.589833);
}

TEST(PlanetTerms, PlutoSeriesRowsAndCounts) {
    ASSERT_EQ(std::size(kPlutoRows), 32u);
    int lon = 0, lat = 0, rad = 0;
    int lastLonRow = 0, lastLatRow = 0;
    for (std::size_t n = 0; n < std::size(kPlutoRows); ++n) {
        const PlutoRow& r = kPlutoRows[n];
        const int row = static_cast<int>(n) + 1;
        const int l = (r.LonSin != kNoTerm) + (r.LonCos != kNoTerm);
        const int b = (r.LatSin != kNoTerm) + (r.LatCos != kNoTerm);
        const int d = (r.RadSin != kNoTerm) + (r.RadCos != kNoTerm);
        lon += l;
        lat += b;
        rad += d;
        if (l > 0) lastLonRow = row;
        if (b > 0) lastLatRow = row;
        const bool radiusRow = row <= 23 || row == 28 || row == 30 || row == 31 || row == 32;
        EXPECT_EQ(d > 0, radiusRow) << "row " << row;
    }
    EXPECT_EQ(lon, 59);
    EXPECT_EQ(lat, 41);
    EXPECT_EQ(rad, 54);
    EXPECT_EQ(lastLonRow, 30);
    EXPECT_EQ(lastLatRow, 21);
    // The two rows with a single term.
    EXPECT_NE(kPlutoRows[25].LonSin, kNoTerm);
    EXPECT_EQ(kPlutoRows[25].LonCos, kNoTerm);
    EXPECT_EQ(kPlutoRows[13].LatSin, kNoTerm);
    EXPECT_NE(kPlutoRows[13].LatCos, kNoTerm);
    // Row 1, the largest terms, and the last row's arguments.
    EXPECT_EQ(kPlutoRows[0].LonSin, -19977972);
    EXPECT_EQ(kPlutoRows[0].RadCos, 6955990);
    EXPECT_EQ(kPlutoRows[31].I, 2);
    EXPECT_EQ(kPlutoRows[31].J, 1);
    EXPECT_EQ(kPlutoRows[31].K, -2);
}

TEST(PlanetTerms, EvaluatorReadsPolynomialAndFactors) {
    ArgValues args;
    args.Value[Zeta] = 20.0;
    args.Value[Q] = 50.0;
    args.Value[S] = 10.0;
    args.Value[Eta] = 7.0;
    const double nu = 0.3;
    // (1 + 2 nu + 3 nu^2) sin 2zeta cos Q
    const PerturbationTerm product[] = {Term(Sin(Zeta, 2), Cos(Q), 1.0, 2.0, 3.0)};
    EXPECT_NEAR(SumTerms(product, args, nu), (1 + 0.6 + 0.27) * SinDeg(40) * CosDeg(50), 1e-12);
    // cos(2S + eta) and a plain constant term sum together.
    const PerturbationTerm summed[] = {Term(Cos(S, 2, Eta, 1), 0.5), Term(Sin(Q), 0.0, 4.0)};
    EXPECT_NEAR(SumTerms(summed, args, nu), 0.5 * CosDeg(27) + 1.2 * SinDeg(50), 1e-12);
}

// The table of multiples must give what each sine and cosine would give on
// its own, for large and negative arguments, negative multiples, sums of two
// arguments and multiples beyond the table.
TEST(PlanetTerms, TableOfMultiplesMatchesDirectEvaluation) {
    ArgValues args;
    const double values[] = {0.0, -1783.61, 3345.2, -0.25, 17.0, 181.5, -359.9, 92.125, 4021.7, 0.001, -77.7};
    for (int a = 0; a < ArgCount; ++a) args.Value[a] = values[a];
    TrigTable table(args);
    for (int a = V; a < ArgCount; ++a) {
        const Arg arg = static_cast<Arg>(a);
        for (int m = -12; m <= 12; ++m) {
            EXPECT_NEAR(table.Sin(arg, m), SinDeg(m * args.Value[a]), 1e-12) << a << " " << m;
            EXPECT_NEAR(table.Cos(arg, m), CosDeg(m * args.Value[a]), 1e-12) << a << " " << m;
        }
    }
    EXPECT_NEAR(table.Factor(Sin(S, 2, Theta, -3)), SinDeg(2 * args.Value[S] - 3 * args.Value[Theta]), 1e-12);
    EXPECT_NEAR(table.Factor(Cos(Zeta, 5, Q, 4)), CosDeg(5 * args.Value[Zeta] + 4 * args.Value[Q]), 1e-12);
    EXPECT_EQ(table.Factor(TrigFactor{}), 1.0);
}
