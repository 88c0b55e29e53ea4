#include "scans/series_table.h"

#include <cmath>

#include "platform/numbers.h"

float SeriesYearsFromAnswer(const std::optional<std::string>& answer) {
    return answer ? static_cast<float>(Val(*answer)) : 0.0f;
}

std::string SeriesYearsDefault() { return Str(0.25f); }

std::string SeriesRowsMessage() {
    return "The number of years must give from 1 to 32766 days (about 89.7 years at most).";
}

int SeriesRowCount(float years) {
    const double rows = Int(static_cast<double>(years) * 365.25);
    return rows > 1e9 ? 1000000000 : rows < -1e9 ? -1000000000 : static_cast<int>(rows);
}

bool SeriesRowsFit(float years) {
    const int rows = SeriesRowCount(years);
    return rows >= 1 && rows <= 32766;
}

SeriesTable NewSeriesTable(int rows) {
    SeriesTable t;
    t.Values.assign(static_cast<std::size_t>(rows) + 1, GraphRow{});
    t.Dates.assign(static_cast<std::size_t>(rows) + 1, std::string());
    return t;
}

void FillSeriesRow(SeriesTable& t, int r, const std::array<double, 16>& power, const std::array<double, 16>& harmony,
                   bool powerTimesHarmony) {
    GraphRow& row = t.Values[r];
    float sumP = 0, sumH = 0;
    for (int k = 1; k <= 10; ++k) {
        row[k] = static_cast<float>(harmony[k]);
        if (powerTimesHarmony) row[k] = row[k] * static_cast<float>(power[k]);
        if (std::fabs(row[k]) > t.MaxBody) t.MaxBody = std::fabs(row[k]);
        sumP = sumP + static_cast<float>(power[k]);
        sumH = sumH + static_cast<float>(harmony[k]);
    }
    row[11] = powerTimesHarmony ? sumP * sumH : sumH;
    if (std::fabs(sumP * sumH) > t.MaxTotals) t.MaxTotals = std::fabs(sumP * sumH);
    row[12] = 0;
    for (int m = 1; m <= 10; ++m) {
        row[12] = row[12] + row[m];
        if (std::fabs(row[12]) > t.MaxIndiv) t.MaxIndiv = std::fabs(row[12]);
    }
}

bool ScaleSeries(SeriesTable& t, bool powerTimesHarmony) {
    if (!powerTimesHarmony) {
        t.TotalsMultiplier = 1;
        t.IndivMultiplier = 1;
        return true;
    }
    if (t.MaxBody == 0) return false;
    const float totals = t.MaxTotals / t.MaxBody;
    const float indiv = t.MaxIndiv / t.MaxBody;
    if (totals == 0 || indiv == 0 || !std::isfinite(totals) || !std::isfinite(indiv)) return false;
    t.TotalsMultiplier = totals;
    t.IndivMultiplier = indiv;
    for (std::size_t r = 1; r < t.Values.size(); ++r) {
        t.Values[r][11] = t.Values[r][11] / totals;
        t.Values[r][12] = t.Values[r][12] / indiv;
    }
    return true;
}

std::string SeriesScaleMessage() {
    return "Every body value of this series is 0, so its P*H totals cannot be scaled to them. The graph table "
           "is left as it was.";
}

void TakeSeries(GraphState& g, SeriesTable&& t) {
    g.GraphValues = std::move(t.Values);
    g.GraphDates = std::move(t.Dates);
    g.TotalsMultiplier = t.TotalsMultiplier;
    g.IndivMultiplier = t.IndivMultiplier;
}
