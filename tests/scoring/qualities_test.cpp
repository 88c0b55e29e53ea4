// The relationship qualities: aspect rules (directional, compound), house
// overlay rules and their mirror, sign-distance and ruler rules, and the
// listing.
#include <gtest/gtest.h>

#include <memory>

#include "app/output_buffer.h"
#include "program_state.h"
#include "scoring/qualities.h"
#include "scoring_test_support.h"

using namespace rel;

namespace {

using Q = std::array<int, kQualityCount>;

// A couple in which no quality rule holds: A's bodies in Aries but Mercury,
// Venus and Mars in Pisces, B's in Taurus but Jupiter and Saturn, the rulers chosen so that no ruler rule
// holds, no aspect, no house, the 7th cusps in Cancer and Leo.
std::unique_ptr<ProgramState> QuietCouple() {
    auto ps = std::make_unique<ProgramState>();
    ScoringState& sc = ps->scoring;
    ChartState& cs = ps->chart;
    sc.SignNumbersA.fill(1);
    sc.SignNumbersB.fill(2);
    sc.SignNumbersA[kMercury] = sc.SignNumbersA[kVenus] = sc.SignNumbersA[kMars] = 12;
    sc.SignNumbersB[kJupiter] = 8;
    sc.SignNumbersB[kSaturn] = 9;
    cs.Ruler1A = kJupiter, cs.Ruler7A = kSaturn, cs.Ruler1B = kMercury, cs.Ruler7B = kMercury;
    cs.HouseRulerA[1] = kJupiter, cs.HouseRulerA[7] = kSaturn;
    cs.HouseRulerB[1] = cs.HouseRulerB[7] = kMercury;
    cs.HouseRulerA[5] = cs.HouseRulerA[8] = cs.HouseRulerB[5] = cs.HouseRulerB[8] = kSaturn;
    cs.NatalCusps[10] = 100.0;
    cs.SecondCusps[10] = 130.0;
    return ps;
}

Q Qualities(ProgramState& ps) {
    ComputeQualities(ps);
    return ps.scoring.Qualities;
}

Q With(std::initializer_list<std::pair<int, int>> amounts) {
    Q q{};
    for (auto [quality, amount] : amounts) q[quality] += amount;
    return q;
}

// What setting one more fact adds to the counters.
Q Delta(ProgramState& ps, const std::function<void(ProgramState&)>& change) {
    const Q before = Qualities(ps);
    change(ps);
    const Q after = Qualities(ps);
    Q d{};
    for (int i = 0; i < kQualityCount; ++i) d[i] = after[i] - before[i];
    return d;
}

TEST(Qualities, NoConditionLeavesEveryCounterAtZeroAndAPassStartsFromZero) {
    auto ps = QuietCouple();
    EXPECT_EQ(Qualities(*ps), Q{});
    ps->scoring.Qualities.fill(7);
    EXPECT_EQ(Qualities(*ps), Q{});
}

TEST(Qualities, AspectRulesAreDirectionalAndTheCompoundSquareNeedsBoth) {
    auto ps = QuietCouple();
    AspectTable& cube = ps->scoring.AspectCube;
    cube[kSun][kMercury][kSquare] = 1;
    EXPECT_EQ(Qualities(*ps), With({{kCommunication, -1}, {kProblems, 1}}));

    ps = QuietCouple();
    ps->scoring.AspectCube[kMoon][kMars][kSquare] = 1;
    EXPECT_EQ(Qualities(*ps), Q{});
    ps->scoring.AspectCube[kMars][kMoon][kSquare] = 1;
    EXPECT_EQ(Qualities(*ps), With({{kIntensity, 2}, {kProblems, -2}, {kWrongStuff, -2}, {kLongevity, 1}}));

    ps = QuietCouple();
    ps->scoring.AspectCube[kVenus][kMars][kConjunct] = 1;
    EXPECT_EQ(Qualities(*ps), With({{kSex, 2}, {kPowerControl, 1}, {kIntensity, 1}, {kAttractionToB, 2},
                                    {kLoveForB, 1}, {kExcitementForA, 1}, {kRightStuff, 1}}));
    ps = QuietCouple();
    ps->scoring.AspectCube[kMars][kVenus][kConjunct] = 1;
    EXPECT_EQ(Qualities(*ps), With({{kSex, 2}, {kPowerControl, 1}, {kIntensity, 1}, {kAttractionToA, 2},
                                    {kLoveForA, 1}, {kExcitementForB, 1}, {kRightStuff, 1}}));

    // Minor aspects other than the quincunx are read by no rule.
    ps = QuietCouple();
    for (int k : {kSemiSextile, kSemiSquare, kSesquiquadrate}) ps->scoring.AspectCube[kVenus][kMars][k] = 1;
    EXPECT_EQ(Qualities(*ps), Q{});
    ps->scoring.AspectCube[kVenus][kMars][kQuincunx] = 1;
    EXPECT_EQ(Qualities(*ps), With({{kSex, 1}, {kAttractionToB, 1}}));
}

TEST(Qualities, RulerOperandsStandForTheirBody) {
    auto ps = QuietCouple();
    ps->chart.Ruler1A = kSun;
    const Q d = Delta(*ps, [](ProgramState& p) { p.scoring.AspectCube[kSun][kSun][kConjunct] = 1; });
    // Sun-Sun (Fri+1) and R1A-Sun (LoB+1 Lon+1 Tot+3 Rig+1) both hold.
    EXPECT_EQ(d, With({{kFriendship, 1}, {kLoveForB, 1}, {kLongevity, 1}, {kTotal, 3}, {kRightStuff, 1}}));

    // R5B is the fifth house ruler rounded to a whole body number.
    ps = QuietCouple();
    ps->chart.HouseRulerB[5] = 3.9999999;  // Venus
    ps->scoring.AspectCube[kSun][kVenus][kConjunct] = 1;
    const Q q = Qualities(*ps);
    EXPECT_EQ(q[kAttractionToA], 2 + 1);  // Sun-Venus and Sun-R5B
    EXPECT_EQ(q[kTotal], 1 + 1);
}

TEST(Qualities, HouseRulesMirrorForBAndBothCount) {
    auto ps = QuietCouple();
    ps->chart.RelHouseA[kSun] = 5;
    EXPECT_EQ(Qualities(*ps), With({{kParentingSkills, 1}, {kAttractionToA, 1}, {kLoveForA, 1}, {kRightStuff, 1}}));
    ps->chart.RelHouseB[kSun] = 5;
    EXPECT_EQ(Qualities(*ps), With({{kParentingSkills, 2}, {kAttractionToA, 1}, {kLoveForA, 1}, {kAttractionToB, 1},
                                    {kLoveForB, 1}, {kRightStuff, 2}}));

    // The ruler of the first house: A's R1A (Jupiter) in B's 1st, B's R1B
    // (Mercury) in A's 1st.
    ps = QuietCouple();
    ps->chart.RelHouseA[kJupiter] = 1;
    ps->chart.RelHouseB[kMercury] = 1;
    // B's Mercury in A's 1st also holds as a plain body.
    EXPECT_EQ(Qualities(*ps), With({{kAttractionToA, 1}, {kAttractionToB, 1}, {kCommunication, 1}}));
    // No rule reads the house of the Ascendant or of Neptune.
    ps = QuietCouple();
    ps->chart.RelHouseA[kAsc] = ps->chart.RelHouseA[kNeptune] = 7;
    EXPECT_EQ(Qualities(*ps), Q{});
}

TEST(Qualities, SignDistanceRules) {
    struct Case {
        const char* what;
        int signMoonA, signMoonB;
        bool square;
        Q expected;
    };
    const Case cases[] = {
        // Aspect rule, Gemini-Virgo rule and distance 3: Pro+1 Liv-1 remain.
        {"Virgo square Gemini", 6, 3, true, With({{kProblems, 1}, {kLiveTogetherOk, -1}})},
        // Here A's Moon in sign 3 also equals R7B, the body number of Mercury.
        {"Gemini square Virgo", 3, 6, true,
         With({{kProblems, 1}, {kLiveTogetherOk, -1}, {kTotal, 1}, {kRightStuff, 1}})},
        {"Aries and Sagittarius", 1, 9, false, Q{}},
        {"Aries and Leo", 1, 5, false,
         With({{kAttractionToA, 1}, {kAttractionToB, 1}, {kLiveTogetherOk, 1}, {kTotal, 3}})},
    };
    for (const Case& c : cases) {
        auto ps = QuietCouple();
        ps->scoring.SignNumbersA[kMoon] = c.signMoonA;
        ps->scoring.SignNumbersB[kMoon] = c.signMoonB;
        ps->scoring.AspectCube[kMoon][kMoon][kSquare] = c.square ? 1 : 0;
        EXPECT_EQ(Qualities(*ps), c.expected) << c.what;
    }

    // Suns three signs apart: only without a square in the cube.
    auto ps = QuietCouple();
    ps->scoring.SignNumbersB[kSun] = 4;
    const Q squareRemoved = Delta(*ps, [](ProgramState& p) { p.scoring.AspectCube[kSun][kSun][kSquare] = 1; });
    EXPECT_EQ(squareRemoved, With({{kProblems, -1}, {kWrongStuff, -1}}));

    // Ascendants in Gemini (A) and Virgo (B): Problems unchanged, Wrong +1.
    ps = QuietCouple();
    ps->scoring.SignNumbersA[kAsc] = 3;
    ps->scoring.SignNumbersB[kAsc] = 6;
    EXPECT_EQ(Qualities(*ps), With({{kWrongStuff, 1}}));
}

TEST(Qualities, RulerAndCuspSignRules) {
    // B's 7th cusp in Leo: its ruler is the Sun (1), and A's Sun is in Aries
    // (sign 1); so is A's Moon, and A's Ascendant shares the sign of A's Sun.
    auto ps = QuietCouple();
    ps->chart.Ruler7B = kSun;
    const Q q = Qualities(*ps);
    EXPECT_EQ(q, With({{kTotal, 1 + 1 + 3}, {kRightStuff, 3}}));

    // A 7th cusp of exactly 360 degrees lies in Aries, like B's Pluto here.
    ps = QuietCouple();
    ps->chart.NatalCusps[10] = 360.0;
    ps->scoring.SignNumbersB[kPluto] = 1;
    EXPECT_EQ(Qualities(*ps), With({{kSex, 1}, {kAttractionToA, 1}}));

    // Both 7th cusps in one sign.
    ps = QuietCouple();
    ps->chart.SecondCusps[10] = 119.0;
    EXPECT_EQ(Qualities(*ps),
              With({{kMarriage, 1}, {kLoveForA, 1}, {kLoveForB, 1}, {kTotal, 3}, {kRightStuff, 1}}));
    // The same body rules A's 1st and B's 1st house; none rules both 7ths.
    ps = QuietCouple();
    ps->chart.Ruler1B = kJupiter;
    ps->scoring.SignNumbersA[kJupiter] = 11;  // apart from A's Ascendant
    ps->scoring.SignNumbersB[kJupiter] = 12;  // and from B's
    EXPECT_EQ(Qualities(*ps), With({{kTotal, 3}, {kRightStuff, 1}}));
    ps = QuietCouple();
    ps->chart.Ruler1B = kMars;
    ps->chart.Ruler7A = ps->chart.Ruler7B = kMercury;
    ps->scoring.SignNumbersB[kMercury] = 5;  // apart from every sign it meets
    EXPECT_EQ(Qualities(*ps), Q{});
}

TEST(Qualities, ListingOrderAndNumbers) {
    auto ps = std::make_unique<ProgramState>();
    ps->chart.ChartName = "Ann";
    ps->people.SecondPersonCaption = "Bob";
    ps->scoring.Qualities[kCommunication] = -3;
    ps->scoring.Qualities[kTotal] = 12;
    ps->scoring.Qualities[kSex] = 5;
    ListQualities(*ps);
    const std::vector<std::string> lines = scoringtest::PageLines(ps->output);
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "  LISTING OF QUALITIES BETWEEN Ann and Bob");
    EXPECT_EQ(lines[3], "  Attraction to A:       0");
    EXPECT_EQ(lines[6], "  Communication:         -3");
    EXPECT_EQ(lines[21], "  Problems:              0");
    EXPECT_EQ(lines[22], "  Work out problems?:    0");
    EXPECT_EQ(lines[23], "  Sex:                   5");
    EXPECT_EQ(lines[24], "  Total:                 12");
}

}  // namespace
