// The needs of one person: sign rules, longitude windows, sign combinations,
// aspects within the chart, houses, and the listing.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "app/output_buffer.h"
#include "program_state.h"
#include "scoring/aspect_cubes.h"
#include "scoring/needs.h"
#include "scoring_test_support.h"

using namespace rel;

namespace {

using Needs = std::array<int, kNeedCount>;

// A chart whose only rule is Venus in sign 5 (romance +1): the other bodies
// stand in signs without a rule, Venus and Mars 2 signs apart, no aspect,
// no house.
struct Chart {
    std::array<int, 11> signs{1, 2, 6, 1, 5, 3, 1, 1, 1, 1, 1};
    std::array<double, 11> longitudes{};
    AspectTable cube{};
    std::string houses = std::string(150, ' ');

    Chart() {
        for (int k = 0; k <= 10; ++k) longitudes[k] = 30.0 * (signs[k] - 1) + 15.0;
    }
    void Place(int body, double longitude) {
        longitudes[body] = longitude;
        signs[body] = SignOfLongitude(longitude);
    }
    void Aspect(int a, int b, int k) { cube[a][b][k] = cube[b][a][k] = 1; }
    void House(int chartBody, const char* ordinal) { houses.replace(10 * (chartBody - 1), 4, ordinal); }
    Needs Score() const {
        Needs n{};
        ScoreNeeds(n, signs, longitudes, cube, houses);
        return n;
    }
};

Needs Baseline() {
    Needs n{};
    n[kNeedRomance] = 1;
    return n;
}

Needs Plus(std::initializer_list<std::pair<int, int>> changes) {
    Needs n = Baseline();
    for (auto [need, amount] : changes) n[need] += amount;
    return n;
}

TEST(Needs, NoRuleFiresBeforeAnyChartAndTheBaselineHasOneRule) {
    auto ps = std::make_unique<ProgramState>();
    ps->chart.HouseStringA.clear();
    ScoreNeedsA(*ps);
    EXPECT_EQ(ps->scoring.NeedsA, Needs{});
    EXPECT_EQ(Chart().Score(), Baseline());
}

TEST(Needs, WindowsAreOpenAndTiedToTheirSign) {
    struct Case {
        double moon;
        Needs expected;
    };
    const Case cases[] = {
        // Sign 7 rule (romance +3, people +3) plus the window's sex +2.
        {208.0, Plus({{kNeedRomance, 3}, {kNeedPeople, 3}, {kNeedSex, 2}})},
        {205.0, Plus({{kNeedRomance, 3}, {kNeedPeople, 3}})},
        // 212 lies in sign 8: its own rule, not the sign-7 window.
        {212.0, Plus({{kNeedSex, 3}, {kNeedCommitment, 1}, {kNeedControl, 1}})},
    };
    for (const Case& c : cases) {
        Chart chart;
        chart.Place(kMoon, c.moon);
        EXPECT_EQ(chart.Score(), c.expected) << c.moon;
    }
    Chart venus;
    venus.Place(kVenus, 208.5);  // sign 7: romance +3, people +2; window 207..214
    venus.Place(kMars, 100.0);   // sign 4, 3 signs from Venus: sex +2
    Needs expected = Needs{};
    expected[kNeedRomance] = 3, expected[kNeedPeople] = 2, expected[kNeedSex] = 4;
    EXPECT_EQ(venus.Score(), expected);
}

TEST(Needs, SignCombinationsAndAspectsAddUp) {
    // Venus in sign 1 and Mars in sign 10 (9 apart), and the other way
    // round (Mars in sign 1 adds sex +1 of its own).
    for (auto [venusSign, marsSign, sex] : {std::tuple{1, 10, 2}, std::tuple{10, 1, 3}, std::tuple{10, 2, 0}}) {
        Chart chart;
        chart.signs[kVenus] = venusSign;
        chart.signs[kMars] = marsSign;
        EXPECT_EQ(chart.Score()[kNeedSex], sex) << venusSign << " " << marsSign;
    }

    // Venus conjunct Uranus: commitment below zero.
    Chart conj;
    conj.Aspect(kVenus, kUranus, kConjunct);
    EXPECT_EQ(conj.Score(), Plus({{kNeedFreedom, 3}, {kNeedCommitment, -2}}));

    // Moon opposite Uranus and Saturn: -1 + 1 + 2; security +1 from Saturn.
    Chart opp;
    opp.Aspect(kMoon, kUranus, kOpposite);
    opp.Aspect(kMoon, kSaturn, kOpposite);
    EXPECT_EQ(opp.Score(), Plus({{kNeedFreedom, 1}, {kNeedCommitment, 2}, {kNeedSecurity, 1}}));

    // Sun in Scorpio square Pluto: sign rule, aspect rule and combination.
    Chart sun;
    sun.signs[kSun] = 8;
    sun.Aspect(kSun, kPluto, kSquare);
    EXPECT_EQ(sun.Score(), Plus({{kNeedSex, 2}, {kNeedControl, 2 + 1 + 1}}));

    // Minor aspects and Neptune are read by no rule.
    Chart minor;
    minor.Aspect(kVenus, kMars, kSemiSquare);
    minor.Aspect(kMoon, kNeptune, kConjunct);
    EXPECT_EQ(minor.Score(), Baseline());
}

TEST(Needs, HousesComeFromTheHouseString) {
    EXPECT_EQ(HouseOfBody("10TH HOUSE", 1), 10);
    EXPECT_EQ(HouseOfBody(" 1ST HOUSE 5TH HOUSE", 2), 5);
    EXPECT_EQ(HouseOfBody("----------", 1), 0);
    EXPECT_EQ(HouseOfBody("", 3), 0);

    Chart chart;
    chart.House(10, " 8TH");  // the Moon's field
    chart.House(9, " 1ST");   // Pluto's
    chart.House(3, " 7TH");   // Venus's
    EXPECT_EQ(chart.Score(), Plus({{kNeedSex, 1}, {kNeedControl, 1}, {kNeedRomance, 1}}));
}

TEST(Needs, ListingNamesAFromTheLastRunAndBFromTheCaption) {
    auto ps = std::make_unique<ProgramState>();
    ps->chart.ChartName = "Ann";
    ps->people.NatalNameText = "Typed since";
    ps->people.SecondPersonCaption = "Bob";
    ps->scoring.NeedsA[kNeedCommitment] = -2;
    ps->scoring.NeedsB[kNeedSecurity] = 12;
    PrintNeedsA(*ps);
    PrintNeedsB(*ps);
    const std::vector<std::string> expected = {
        "",
        "  Ann's NEEDS:",
        "  Need for communication:  0",
        "  Need for sex:            0",
        "  Need for freedom:        0",
        "  Need for committment:    -2",
        "  Need for control:        0",
        "  Need for romance:        0",
        "  Need for people contact: 0",
        "  Need for security:       0",
        "",
        "",
        "  Bob's NEEDS:",
        "  Need for communication:  0",
        "  Need for sex:            0",
        "  Need for freedom:        0",
        "  Need for committment:    0",
        "  Need for control:        0",
        "  Need for romance:        0",
        "  Need for people contact: 0",
        "  Need for security:       12",
    };
    EXPECT_EQ(scoringtest::PageLines(ps->output), expected);
}

}  // namespace
