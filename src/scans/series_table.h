#pragma once
// The cosmodyne series' table: one row per day of ten body values and two
// totals, the maxima kept over the run and the scaling of the totals when
// "P * H" is ticked. Filled by the natal and dual series.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "scans/graph_state.h"

// The years answer: its leading number, 0 when cancelled or empty.
float SeriesYearsFromAnswer(const std::optional<std::string>& answer);
// The years prompt's default answer: " .25".
std::string SeriesYearsDefault();
// The message when the years give no row or more rows than a table holds.
std::string SeriesRowsMessage();
// Rows of a series over the years: Int(years x 365.25).
int SeriesRowCount(float years);
// Whether that many rows can be tabled (1 to 32766, the graph window's limit).
bool SeriesRowsFit(float years);

// A series being built; it replaces the graph table only once complete.
struct SeriesTable {
    std::vector<GraphRow> Values;     // rows 0..n
    std::vector<std::string> Dates;  // 0..n
    float MaxBody = 0, MaxTotals = 0, MaxIndiv = 0;
    float TotalsMultiplier = 1, IndivMultiplier = 1;
};

SeriesTable NewSeriesTable(int rows);

// Row r from the ten bodies' power P(k) and harmony less discord H(k)
// (slots 1..10): body columns H or P x H, column 11 the summed harmony or
// the summed power times the summed harmony, column 12 the sum of columns
// 1..10; the maxima follow.
void FillSeriesRow(SeriesTable& t, int r, const std::array<double, 16>& power, const std::array<double, 16>& harmony,
                   bool powerTimesHarmony);

// With "P * H" ticked, columns 11 and 12 divided by their multipliers so
// that they peak with the largest body value. False when a divisor would be
// 0 (the table is then left as it is); unticked, both multipliers are 1.
bool ScaleSeries(SeriesTable& t, bool powerTimesHarmony);
// The message for a table that cannot be scaled.
std::string SeriesScaleMessage();

// The finished table becomes the graph table with its multipliers.
void TakeSeries(GraphState& g, SeriesTable&& t);
