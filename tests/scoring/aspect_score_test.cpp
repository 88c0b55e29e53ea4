// The aspect points score, its listing and the pair compatibility lines.
#include <gtest/gtest.h>

#include <memory>

#include "app/constant_tables.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "scoring/aspect_score.h"
#include "scoring/pair_compatibility.h"
#include "scoring_test_support.h"

using namespace rel;

namespace {

std::unique_ptr<ProgramState> NamedCouple(const std::string& a, const std::string& b) {
    auto ps = std::make_unique<ProgramState>();
    FillNameTables(ps->settings);
    ps->people.NatalNameText = a;
    ps->people.SecondPersonCaption = b;
    return ps;
}

struct SeparatorGuard {
    ~SeparatorGuard() { SetDecimalSeparator('.'); }
};

TEST(AspectScore, SingleTextIsTheOrdinaryFormWithTheRegionalSeparator) {
    SeparatorGuard guard;
    const std::pair<float, const char*> cases[] = {
        {2.0f, "2"}, {-1.5f, "-1.5"}, {0.25f, "0.25"}, {-0.25f, "-0.25"}, {0.0f, "0"}, {1234567.0f, "1234567"},
        {0.1f, "0.1"}, {3.3333333f, "3.333333"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(SingleText(value), text) << value;
    SetDecimalSeparator(',');
    EXPECT_EQ(SingleText(-1.5f), "-1,5");
    EXPECT_EQ(SingleText(0.25f), "0,25");
}

TEST(AspectScore, ListingWithoutAspectsShowsAZeroTotal) {
    auto ps = NamedCouple("Ann", "Bob");
    ps->scoring.AspectScore = 9.0f;
    PrintAspectScore(*ps);
    const std::vector<std::string> expected = {
        "", "  Ann       Aspect           Bob", "  -------       ------           ---", "", "  Total score = 0 points.",
    };
    EXPECT_EQ(scoringtest::PageLines(ps->output), expected);
    EXPECT_EQ(ps->scoring.AspectScore, 0.0f);
}

TEST(AspectScore, NamesAreCutOrKeptAndEveryAspectAddsItsPoints) {
    SeparatorGuard guard;
    SetDecimalSeparator(',');
    auto ps = NamedCouple("Alexandra", "Bartholomew Jr");
    auto& points = ps->chart.PointsCube;  // [aspect][A body][B body]
    points[kConjunct][kSun][kMoon] = 2.0f;
    points[kSemiSextile][kSun][kMoon] = -1.5f;
    points[kSquare][kMoon][kSun] = 0.25f;  // not held: adds nothing
    points[kTrine][kPluto][kAsc] = -0.75f;
    ps->scoring.AspectCube[kSun][kMoon][kConjunct] = 1;
    ps->scoring.AspectCube[kSun][kMoon][kSemiSextile] = 1;
    ps->scoring.AspectCube[kPluto][kAsc][kTrine] = 1;
    PrintAspectScore(*ps);
    const std::vector<std::string> expected = {
        "",
        "  Alexand   Aspect           Bartholomew Jr",
        "  -------   ------           --------------",
        "  SUN       conjunct         MOON     (2)",
        "  SUN       semi-sextile     MOON     (-1,5)",
        "  PLUTO     trine            ASC      (-0,75)",
        "",
        "  Total score = -0,25 points.",
    };
    EXPECT_EQ(scoringtest::PageLines(ps->output), expected);
    EXPECT_FLOAT_EQ(ps->scoring.AspectScore, -0.25f);

    // The batch total grows by the same score at every call.
    ps->scoring.BatchTotal = 10.0;
    AddTotalScore(*ps);
    AddTotalScore(*ps);
    EXPECT_DOUBLE_EQ(ps->scoring.BatchTotal, 9.5);

    // An empty name: two blanks, ten blanks, then "Aspect".
    auto empty = NamedCouple("", "B");
    PrintAspectScore(*empty);
    EXPECT_EQ(empty->output.OutputPage[1], "            Aspect           B");
    EXPECT_EQ(empty->output.OutputPage[2], "  -------          ------           -");
}

TEST(PairCompatibility, SignAndAspectLines) {
    struct Case {
        int signA, signB;
        std::vector<int> aspects;
        std::vector<std::string> lines;
    };
    const std::string who = "  Ann Lee 's MOON";
    const Case cases[] = {
        {4, 4, {}, {who + " is compatible with Bob's MOON"}},
        {1, 7, {}, {who + " is INcompatible with Bob's MOON"}},
        {7, 1, {}, {who + " is INcompatible with Bob's MOON"}},
        {1, 2, {}, {}},
        {12, 1, {}, {}},
        {5, 6, {kSemiSextile}, {}},
        {5, 6, {kConjunct, kSquare},
         {who + " is in favorable aspect to Bob's MOON", who + " is in UNfavorable aspect to Bob's MOON"}},
        {3, 1, {kQuincunx}, {who + " is compatible with Bob's MOON", who + " is in UNfavorable aspect to Bob's MOON"}},
    };
    for (const Case& c : cases) {
        auto ps = NamedCouple("Ann Lee ", "Bob");
        ps->scoring.SignNumbersA[kMoon] = c.signA;
        ps->scoring.SignNumbersB[kMoon] = c.signB;
        for (int k : c.aspects) ps->scoring.AspectCube[kMoon][kMoon][k] = 1;
        PrintPairCompatibility(*ps, kMoon, kMoon);
        EXPECT_EQ(scoringtest::PageLines(ps->output), c.lines) << c.signA << " " << c.signB;
    }
}

}  // namespace
