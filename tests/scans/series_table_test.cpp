// The series table: row counts, row values with and without "P * H", the
// maxima and the scaling of the totals.
#include <gtest/gtest.h>

#include <cmath>

#include "scans/series_table.h"

TEST(SeriesTable, RowCountsAndYearsAnswers) {
    EXPECT_EQ(SeriesRowCount(0.25f), 91);
    EXPECT_EQ(SeriesRowCount(1.0f), 365);
    EXPECT_EQ(SeriesRowCount(2.0f), 730);
    EXPECT_EQ(SeriesRowCount(10.0f), 3652);
    EXPECT_EQ(SeriesYearsDefault(), " .25");
    EXPECT_EQ(SeriesYearsFromAnswer(std::nullopt), 0);
    EXPECT_EQ(SeriesYearsFromAnswer(""), 0);
    EXPECT_EQ(SeriesYearsFromAnswer(" 1.5 years"), 1.5f);
    EXPECT_EQ(SeriesYearsFromAnswer("-1"), -1);
    EXPECT_TRUE(SeriesRowsFit(0.25f));
    EXPECT_TRUE(SeriesRowsFit(1 / 365.0f));
    EXPECT_FALSE(SeriesRowsFit(0.001f));  // no row
    EXPECT_FALSE(SeriesRowsFit(90.0f));   // 32872 rows
    EXPECT_TRUE(SeriesRowsFit(89.0f));
}

TEST(SeriesTable, RowValuesAndScaling) {
    std::array<double, 16> p{}, h{};
    for (int k = 1; k <= 10; ++k) p[k] = k, h[k] = (k % 2 ? 1.5 : -0.5) * k;
    // Unticked: harmony less discord, column 11 their sum, column 12 the same sum again.
    SeriesTable plain = NewSeriesTable(2);
    FillSeriesRow(plain, 1, p, h, false);
    float sumH = 0;
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(plain.Values[1][k], static_cast<float>(h[k]));
        sumH += static_cast<float>(h[k]);
    }
    EXPECT_EQ(plain.Values[1][11], sumH);
    EXPECT_EQ(plain.Values[1][12], sumH);
    ASSERT_TRUE(ScaleSeries(plain, false));
    EXPECT_EQ(plain.TotalsMultiplier, 1);
    EXPECT_EQ(plain.IndivMultiplier, 1);

    // Ticked: P x H per body; column 11 scaled to peak with the largest body value.
    SeriesTable ph = NewSeriesTable(2);
    FillSeriesRow(ph, 1, p, h, true);
    std::array<double, 16> h2 = h;
    for (int k = 1; k <= 10; ++k) h2[k] = -h[k] / 2;
    FillSeriesRow(ph, 2, p, h2, true);
    EXPECT_EQ(ph.Values[1][9], static_cast<float>(9 * 13.5));
    EXPECT_EQ(ph.MaxBody, static_cast<float>(9 * 13.5));
    EXPECT_EQ(ph.MaxTotals, std::fabs(55.0f * sumH));
    // The running partial sums count for the column 12 maximum.
    float partial = 0, maxPartial = 0;
    for (int k = 1; k <= 10; ++k) partial += ph.Values[1][k], maxPartial = std::max(maxPartial, std::fabs(partial));
    EXPECT_EQ(ph.MaxIndiv, maxPartial);
    ASSERT_TRUE(ScaleSeries(ph, true));
    EXPECT_FLOAT_EQ(ph.TotalsMultiplier, ph.MaxTotals / ph.MaxBody);
    float top11 = 0, top12 = 0;
    for (int r = 1; r <= 2; ++r) top11 = std::max(top11, std::fabs(ph.Values[r][11])), top12 = std::max(top12, std::fabs(ph.Values[r][12]));
    EXPECT_FLOAT_EQ(top11, ph.MaxBody);
    EXPECT_LE(top12, ph.MaxBody * 1.000001f);

    // All bodies 0: no scaling, the table untouched.
    SeriesTable zero = NewSeriesTable(1);
    FillSeriesRow(zero, 1, std::array<double, 16>{}, h, true);
    const GraphRow before = zero.Values[1];
    EXPECT_FALSE(ScaleSeries(zero, true));
    EXPECT_EQ(zero.Values[1], before);
    // Harmonies summing to 0 with powers: column 11's multiplier would be 0.
    SeriesTable flat = NewSeriesTable(1);
    std::array<double, 16> balanced{};
    balanced[1] = 2, balanced[2] = -2;
    FillSeriesRow(flat, 1, p, balanced, true);
    EXPECT_FALSE(ScaleSeries(flat, true));
}
