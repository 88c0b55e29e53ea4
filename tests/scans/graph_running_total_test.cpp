// The running totals of the "G" and "T" charts read from the scan's lines.
#include <gtest/gtest.h>

#include "scans/running_total_chart.h"

TEST(GraphRunningTotal, LineValuesAndTotals) {
    const std::string g = "  05 Mar 2024:   Alex and Robin" + std::string(50, ' ') +
                          "P =  10.50   (P*H =    129.57)   H =  12.34";
    EXPECT_DOUBLE_EQ(RunningTotalLineValue(g, RunningTotalKind::PowerTimesHarmony), 129.57);
    // The harmony is read one character short: 12.3.
    EXPECT_NEAR(RunningTotalLineValue(g, RunningTotalKind::PowerByHarmony), 10.5 * 12.3, 1e-9);
    EXPECT_EQ(RunningTotalLineValue("  05 Mar 2024: -3", RunningTotalKind::AspectBalance), -3);
    // Lines without the marks count 0.
    for (auto kind : {RunningTotalKind::PowerTimesHarmony, RunningTotalKind::PowerByHarmony,
                      RunningTotalKind::AspectBalance})
        EXPECT_EQ(RunningTotalLineValue("", kind), 0);

    std::vector<std::string> lines;
    for (int d = 1; d <= 31; ++d) lines.push_back("  " + std::string(d < 10 ? "0" : "") + std::to_string(d) + " Jan 2024: -3");
    const RunningTotalChart c = BuildRunningTotalChart(lines, 31, 30, RunningTotalKind::AspectBalance, "Kim", 0);
    ASSERT_EQ(c.Values.size(), 30u);  // 31 lines chart 30 rows
    EXPECT_EQ(c.Values[0], -3);
    EXPECT_EQ(c.Values[29], -90);
    EXPECT_EQ(c.Labels[0], "01/01/24");
    EXPECT_EQ(c.Title, "Power*Harmony for Kim     ");
    // No more rows than lines; none for a one-day or cancelled scan.
    EXPECT_EQ(BuildRunningTotalChart(lines, 5, 30, RunningTotalKind::AspectBalance, "", 0).Values.size(), 5u);
    EXPECT_TRUE(BuildRunningTotalChart(lines, 31, 0, RunningTotalKind::AspectBalance, "", 0).Values.empty());
    EXPECT_TRUE(BuildRunningTotalChart({}, 0, 364, RunningTotalKind::AspectBalance, "", 0).Values.empty());

    EXPECT_EQ(SafeChartFileName("Alex Sample"), "Alex Sample");
    EXPECT_EQ(SafeChartFileName("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(SafeChartFileName("..hidden"), "__hidden");
    EXPECT_EQ(SafeChartFileName(""), "chart");
    EXPECT_STREQ(RunningTotalFileEnding(RunningTotalKind::PowerByHarmony), "1.bmp");
}
