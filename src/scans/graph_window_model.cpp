#include "scans/graph_window_model.h"

#include <algorithm>
#include <cmath>

#include "platform/numbers.h"
#include "scans/graph_single.h"

void InitGraphWindow(GraphWindowModel& m) {
    m.LineShift = 20;
    static const int kRgb[6][3] = {{255, 180, 0}, {255, 0, 0}, {0, 255, 255}, {0, 255, 0}, {0, 0, 255}, {165, 165, 165}};
    for (int k = 1; k <= 12; ++k) {
        const int* c = kRgb[(k - 1) % 6];
        m.SeriesRed[k] = c[0];
        m.SeriesGreen[k] = c[1];
        m.SeriesBlue[k] = c[2];
    }
    m.DrawnColumns.fill(0);
}

void TakeGraphTable(GraphWindowModel& m, GraphTable table) {
    m.RowCount = table.RowCount;
    m.TableDates = std::move(table.TableDates);
    m.TableValues = std::move(table.TableValues);
    m.TableDates.resize(static_cast<std::size_t>(m.RowCount) + 1);
    m.TableValues.resize(static_cast<std::size_t>(m.RowCount) + 1);
}

void Setup(GraphWindowModel& m) {
    const std::size_t n = static_cast<std::size_t>(std::max(m.RowCount, 0)) + 1;
    m.PlotDates.assign(n, std::string());
    m.ColumnValues.assign(n, 0.0f);
    m.ScaledValues.assign(n, 0.0f);
    m.PlotLeft = 59;
    m.FrameTop = 3;
    m.FrameBottom = 403;
    m.FrameLeft = 59;
    m.FrameRight = 639;
    m.FrameHeight = 400;
    ReadData(m);
    SelectDates(m);
    Setup1(m);
}

void ReadData(GraphWindowModel& m) {
    m.PointCount = m.RowCount;
    for (int i = 1; i <= m.RowCount; ++i) m.PlotDates[i] = m.TableDates[i];
}

void SelectDates(GraphWindowModel& m) {
    m.FirstRow = 1;
    m.EndRow = m.PointCount + 1;
}

int FirstShownRow(const GraphWindowModel& m) { return std::max(m.FirstRow, 1); }
int LastShownRow(const GraphWindowModel& m) { return std::min(m.EndRow - 1, m.RowCount); }

void Setup1(GraphWindowModel& m) {
    m.MaxValue = 0;
    m.MinValue = 99999;
    for (int i = FirstShownRow(m); i <= LastShownRow(m); ++i)
        for (int j = 1; j <= 12; ++j) {
            const float v = m.TableValues[i][j];
            if (v > m.MaxValue) m.MaxValue = v;
            if (v < m.MinValue && v != 0) m.MinValue = v;
        }
    // No value other than 0 shown: the axis runs from 0 to one grid step.
    if (m.MinValue == 99999.0f) m.MinValue = 0;
    // The spread, the axis ends and the range are single-precision steps
    // that stay finite for values at the top of the single range.
    m.GridStep = 0.05f;
    const double q = RoundSingle(RoundSingle(static_cast<double>(m.MaxValue) - m.MinValue) / 5);
    bool found = false;
    for (float step : {100.0f, 50.0f, 20.0f, 10.0f, 5.0f, 3.0f, 2.0f, 1.0f})
        if (step <= q) {
            m.GridStep = step;
            found = true;
            break;
        }
    if (!found && q >= 0.1f) m.GridStep = 0.1f;
    const double step = m.GridStep;
    m.AxisTop = RoundSingle(RoundSingle(std::floor(RoundSingle(m.MaxValue / step)) + 1) * step);
    m.AxisBottom = RoundSingle(std::floor(RoundSingle(m.MinValue / step)) * step);
    m.AxisRange = RoundSingle(m.AxisTop - m.AxisBottom);
    m.GridSpacing = RoundSingle(m.AxisRange / 5);
    const int span = (m.EndRow - 1) - m.FirstRow;
    m.RowStep = span > 0 ? static_cast<float>(m.FrameRight - m.FrameLeft) / static_cast<float>(span) : 0.0f;
}

namespace {

// Whether a window of rows first..end-1 shows at least one row of the table.
bool ShowsARow(const GraphWindowModel& m, int first, int end) {
    return end - first >= 1 && std::max(first, 1) <= std::min(end - 1, m.RowCount);
}

void Take(GraphWindowModel& m, int first, int end) {
    if (!ShowsARow(m, first, end)) return;
    m.FirstRow = first;
    m.EndRow = end;
}

}  // namespace

void ContractGraph(GraphWindowModel& m) {
    const float half = static_cast<float>(m.EndRow - m.FirstRow) / 2;
    int first = CInt(static_cast<float>(m.FirstRow) + half);
    if (first < 1) first = 1;
    Take(m, first, m.EndRow);
}

void ExpandGraph(GraphWindowModel& m) {
    int first = m.FirstRow - (m.EndRow - m.FirstRow);
    if (first < 1) first = 1;
    Take(m, first, m.EndRow);
}

void MoveGraphLeft(GraphWindowModel& m) {
    const int s = m.EndRow - m.FirstRow - 1;
    int first = m.FirstRow - s, end = m.EndRow - s;
    if (first < 1) {
        first = 1;
        end = s;
    }
    Take(m, first, end);
}

void MoveGraphRight(GraphWindowModel& m) {
    const int s = m.EndRow - m.FirstRow - 1;
    int first = m.FirstRow + s, end = m.EndRow + s;
    if (first >= m.PointCount) {
        first = m.PointCount - 15;
        end = m.PointCount + 15;
    }
    Take(m, first, end);
}

int RowX(const GraphWindowModel& m, int row) {
    return CInt(static_cast<float>(row - m.FirstRow) * m.RowStep + static_cast<float>(m.PlotLeft));
}
