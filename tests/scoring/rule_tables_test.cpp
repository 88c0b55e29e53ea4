// The rule tables against the counts of their source tables, and the
// extremes every quality can reach (what 16-bit counters must hold).
#include <gtest/gtest.h>

#include <algorithm>

#include "scoring/needs_rules.h"
#include "scoring/quality_rules.h"
#include "scoring/scoring_state.h"

namespace {

int AspectRules(const auto& rows) {
    int n = 0;
    for (const AspectRow& row : rows) n += row.count;
    return n;
}

TEST(RuleTables, NeedsTablesHoldEveryRule) {
    EXPECT_EQ(kNeedSignRules.size(), 48u);
    EXPECT_EQ(kNeedCombinationRules.size(), 9u);
    EXPECT_EQ(AspectRules(kNeedAspectRows), 55);
    EXPECT_EQ(kNeedHouseRules.size(), 16u);
    // No needs rule reads Neptune or a minor aspect.
    for (const AspectRow& row : kNeedAspectRows) {
        EXPECT_NE(row.first, rel::kNeptune);
        EXPECT_NE(row.second, rel::kNeptune);
        for (int i = 0; i < row.count; ++i) {
            const int k = row.aspects[i].aspect;
            EXPECT_TRUE(k == rel::kConjunct || k == rel::kSextile || k == rel::kSquare || k == rel::kTrine ||
                        k == rel::kOpposite);
        }
    }
}

TEST(RuleTables, QualityTablesHoldEveryRuleAndStayWithinTheirBounds) {
    EXPECT_EQ(kQualityAspectRows.size(), 130u);
    EXPECT_EQ(AspectRules(kQualityAspectRows), 368);
    EXPECT_EQ(2 * kQualityHouseRows.size(), 52u);  // each row holds for A and, mirrored, for B
    int distanceRules = 0;
    for (const SignDistanceRow& row : kSignDistanceRows)
        distanceRules += !row.same.empty() + !row.threeOrNine.empty() + !row.four.empty() + !row.six.empty();
    EXPECT_EQ(distanceRules + static_cast<int>(kQualitySignRules.size()), 68);

    // Ordered pairs appear once each.
    for (size_t i = 0; i < kQualityAspectRows.size(); ++i)
        for (size_t j = i + 1; j < kQualityAspectRows.size(); ++j)
            EXPECT_FALSE(kQualityAspectRows[i].first == kQualityAspectRows[j].first &&
                         kQualityAspectRows[i].second == kQualityAspectRows[j].second)
                << i << " " << j;

    // Every positive amount and every negative amount of a quality, summed.
    std::array<int, rel::kQualityCount> most{}, least{};
    auto add = [&](const Amounts& amounts, bool mirrored) {
        for (int i = 0; i < amounts.count; ++i) {
            int q = amounts.items[i].counter;
            if (mirrored && q == rel::kAttractionToA) q = rel::kAttractionToB;
            if (mirrored && q == rel::kLoveForA) q = rel::kLoveForB;
            if (mirrored && q == rel::kExcitementForA) q = rel::kExcitementForB;
            (amounts.items[i].value > 0 ? most : least)[q] += amounts.items[i].value;
        }
    };
    for (const AspectRow& row : kQualityAspectRows)
        for (int i = 0; i < row.count; ++i) add(row.aspects[i].amounts, false);
    add(kCompoundSquareRule.amounts, false);
    for (const QualityHouseRow& row : kQualityHouseRows) {
        add(row.amounts, false);
        add(row.amounts, true);
    }
    for (const SignDistanceRow& row : kSignDistanceRows)
        for (const Amounts* a : {&row.same, &row.threeOrNine, &row.four, &row.six}) add(*a, false);
    for (const QualitySignRule& r : kQualitySignRules) add(r.amounts, false);

    EXPECT_EQ(*std::max_element(most.begin(), most.end()), 197);
    EXPECT_EQ(most[rel::kTotal], 197);
    EXPECT_EQ(*std::min_element(least.begin(), least.end()), -22);
    EXPECT_EQ(least[rel::kCommunication], -22);
}

}  // namespace
