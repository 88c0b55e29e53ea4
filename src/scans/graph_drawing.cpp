#include "scans/graph_drawing.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/numbers.h"
#include "scans/graph_single.h"

namespace {

const char* const kLegend[13] = {"",
                                 "Sun = solid",
                                 "Mercury = solid",
                                 "Venus = solid",
                                 "Mars = solid",
                                 "Jupiter = solid",
                                 "Saturn = solid",
                                 "Uranus = dash",
                                 "Neptune = dash",
                                 "Pluto = dash",
                                 "Moon = dash",
                                 "P*H = dash",
                                 "Indiv. P*H = dash"};

void PrintAt(DrawingSurface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

// Whether a date text is written year first ("yyyy/mm/dd" with any separator).
bool YearFirst(const std::string& date) {
    return date.size() >= 10 && std::isdigit(static_cast<unsigned char>(date[0])) &&
           std::isdigit(static_cast<unsigned char>(date[3])) && !std::isdigit(static_cast<unsigned char>(date[4]));
}

void RowLabel(GraphWindowModel& m, DrawingSurface& s, int row, double x) {
    if (m.Context.AroundClockMode == 1) {
        if (row < 1 || row > 24) return;
        PrintAt(s, x, 408, Format(m.Context.TransitTimeHours[row - 1], "00"));
        PrintAt(s, x, 418, Format(m.Context.TransitTimeMinutes[row - 1], "00"));
        return;
    }
    const std::string& date = m.PlotDates[row];
    auto part = [&](std::size_t from) { return from < date.size() ? date.substr(from, 2) : std::string(); };
    // Two-digit fields in the order of the text and the year's last two
    // digits; a year-first text is labelled month, day, year as well.
    const bool yearFirst = YearFirst(date);
    PrintAt(s, x, 408, part(yearFirst ? 5 : 0));
    PrintAt(s, x, 418, part(yearFirst ? 8 : 3));
    PrintAt(s, x, 428, part(yearFirst ? 2 : 8));
}

}  // namespace

std::string NatalTimeText(const GraphContext& c, int k) {
    return Format(c.NatalTimeHours[k], "00") + ":" + Format(c.NatalTimeMinutes[k], "00");
}

std::string LegendText(const GraphWindowModel& m, int k) {
    if (m.Context.AroundClockMode == 1) return NatalTimeText(m.Context, k) + (k <= 6 ? " = solid" : " = dash");
    return kLegend[k];
}

void ResizeEvent(GraphWindowModel& m, DrawingSurface& s) {
    m.MarginX = 20;
    m.MarginY = 30;
    s.Scale(-m.MarginX, -m.MarginY, 639, 479);
    s.SetScaleWidth(720);
    s.SetScaleHeight(m.MarginY + 480);
    const double labelHeight = s.TextHeight("X");
    m.LabelHeight = labelHeight;
    for (int k = 1; k <= 3; ++k) m.LabelTop[k] = s.ScaleHeight() - labelHeight - m.MarginY;
    m.LabelCaption[4] = "Cosmodyne Chart";
    m.LabelCaption[5] = m.Context.AroundClockMode == 1 ? "H O U R  (24-hour time)" : "D A T E";
    m.LabelTop[4] = 7 - m.MarginY;
    m.LabelLeft[4] = (640 - m.MarginX / 2.0 - s.TextWidth(m.LabelCaption[4])) / 2;
    m.LabelTop[5] = s.ScaleHeight() - 2 * labelHeight - m.MarginY;
    m.LabelLeft[5] = (640 - m.MarginX / 2.0 - s.TextWidth(m.LabelCaption[5])) / 2;
    s.Cls();
    m.BackgroundColour = QBColor(15);
    s.SetBackColor(m.BackgroundColour);
    DrawX(m, s);
}

void DisplayCaption(GraphWindowModel& m) {
    const GraphContext& c = m.Context;
    if (c.AroundClockMode == 1) {
        const int angles = c.AnglesChoice ? c.AnglesChoice() : 1;
        m.Caption = c.GraphTitle + " - for " + c.NatalDateText + " and " + c.SecondDateText + " - " +
                    (angles == 1 ? "No angles" : angles == 2 ? "Asc only" : "Asc and MC");
    } else {
        m.Caption = c.GraphTitle + " - multiplier for P*H (body 11) = " + Format(c.TotalsMultiplier, "0.00") +
                    " and multiplier for Indiv. P*H (body 12) = " + Format(c.IndivMultiplier, "0.00");
    }
}

void DrawX(GraphWindowModel& m, DrawingSurface& s) {
    const int ls = m.LineShift;
    s.SetForeColor(QBColor(0));
    DisplayCaption(m);
    // Major grid and its values.
    for (int j = 0; j <= 5; ++j) {
        const double y = 80 * j + 3;
        const std::string label = FormatSingle(RoundSingle(m.AxisTop - RoundSingle(j * m.GridSpacing)), "###0");
        PrintAt(s, 52 - s.TextWidth(label) - ls, 80 * j + 3.5 - s.TextHeight(label) / 2, label);
        s.Line(56 - ls, y, m.FrameRight - ls, y, QBColor(8));
    }
    // Minor grid.
    auto whole = [&](int parts) {
        const double q = RoundSingle(m.GridSpacing / parts);
        return q == std::floor(q);
    };
    m.Subdivisions = whole(5) ? 5 : whole(4) ? 4 : whole(3) ? 3 : 2;
    for (int j = 0; j <= 4; ++j)
        for (int k = 1; k < m.Subdivisions; ++k) {
            const int y = CInt(80.0 * j + m.FrameTop + 80.0 * k / m.Subdivisions);
            s.Line(56 - ls, y, m.FrameRight - ls, y, QBColor(8));
            const double part = RoundSingle(RoundSingle(k * m.GridSpacing) / m.Subdivisions);
            const double v = RoundSingle(m.AxisTop - RoundSingle(RoundSingle(j * m.GridSpacing) + part));
            const std::string label = FormatSingle(v, "###0");
            PrintAt(s, 52 - s.TextWidth(label) - ls, y - s.TextHeight(label) / 2, label);
        }
    // Zero line, dates mode, when 0 lies within the axis.
    if (m.Context.AroundClockMode != 1 && m.AxisBottom <= 0) {
        const double a = std::fabs(m.AxisBottom);
        const double z = m.FrameBottom - (m.FrameBottom - m.FrameTop) * a / (a + m.AxisTop);
        s.Line(56 - ls + 3, z - 0.4, m.FrameRight - ls, z + 0.4, QBColor(12), LineBox::Box);
    }
    // Axes.
    s.Line(m.FrameLeft - ls, 3, m.FrameLeft - ls, 407, QBColor(8));
    s.Line(m.FrameRight - ls, 3, m.FrameRight - ls, 403, QBColor(8));
    // X labels: the window's first row without a tick, then every
    // (n / 25 + 1)-th row with ticks.
    if (m.FirstRow >= 1 && m.FirstRow <= m.RowCount)
        RowLabel(m, s, m.FirstRow, m.Context.AroundClockMode == 1 ? 55 - ls : 54 - ls);
    const int every = (m.EndRow - m.FirstRow) / 25;
    int k = 0;
    for (int i = m.FirstRow + 1; i <= m.EndRow - 1; ++i) {
        ++k;
        if (k <= every) continue;
        k = 0;
        if (i < 1 || i > m.RowCount) continue;
        const int x = RowX(m, i);
        s.Line(x - ls, m.FrameBottom, x - ls, 407, QBColor(0));
        s.Line(x - ls, 0, x - ls, 3, QBColor(0));
        RowLabel(m, s, i, m.Context.AroundClockMode == 1 ? x - 4 - ls : x - 5 - ls);
    }
    // Upright title.
    s.SetCurrentY(130);
    s.SetForeColor(QBColor(0));
    s.SetFontBold(true);
    for (const char* letter : {"C", "o", "s", "m", "o", "d", "y", "n", "e", "s"}) {
        s.SetCurrentX(-6);
        s.Print(letter);
    }
    s.SetFontBold(false);
    if (m.Context.AroundClockMode == 1) PrintAt(s, 625, 90, "Natal Times");
    // Legend, replotting each marked column on the way.
    s.SetCurrentY(100);
    for (int c = 1; c <= 12; ++c) {
        const double noted = s.CurrentY();
        if (m.DrawnColumns[c] == 1) {
            m.CurrentColumn = c;
            DrawHouse(m, s, c);
        }
        s.SetCurrentX(625);
        s.SetCurrentY(noted);
        s.SetForeColor(RGB(m.SeriesRed[c], m.SeriesGreen[c], m.SeriesBlue[c]));
        s.Print(LegendText(m, c));
        if (c == 6) s.Print("");
    }
}

void DrawHouse(GraphWindowModel& m, DrawingSurface& s, int column) {
    for (int i = 1; i <= m.RowCount; ++i) m.ColumnValues[i] = m.TableValues[i][column];
    GraphIt(m, s);
}

void GraphIt(GraphWindowModel& m, DrawingSurface& s) {
    const int c = m.CurrentColumn;
    m.DrawnColumns[c] = 1;
    m.PlotHeight = m.FrameHeight;
    m.MenusVisible = true;
    const double range = RoundSingle(m.AxisTop - m.AxisBottom);
    for (int i = 1; i <= m.PointCount; ++i)
        m.ScaledValues[i] = RoundSingle(RoundSingle(m.ColumnValues[i] - m.AxisBottom) / range);
    // With under two rows in the window there is no x step: no series.
    if (m.RowStep <= 0) return;
    s.SetDrawWidth(1);
    s.SetDrawStyle(c <= 6 ? DrawStyle::Solid : DrawStyle::Dash);
    const Colour colour = RGB(m.SeriesRed[c], m.SeriesGreen[c], m.SeriesBlue[c]);
    auto y = [&](int i) {
        const int v = CInt(RoundSingle(m.FrameBottom - RoundSingle(m.ScaledValues[i] * m.PlotHeight)));
        return std::clamp(v, m.FrameBottom - m.PlotHeight, m.FrameBottom);
    };
    // Rows closer together than one unit share an x: their upright segments
    // are drawn as one line over the span they cover, which puts the same
    // points on the surface with far fewer calls on a long table.
    // The segments are gathered and handed over as one Lines call: one pen
    // for the series and no per-segment work in the back end.
    const int first = std::max(m.FirstRow + 1, 2), last = std::min(m.EndRow, m.PointCount);
    std::vector<LineSegment> segments;
    segments.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)));
    int spanX = 0, spanLow = 0, spanHigh = 0;
    bool spanOpen = false;
    auto flush = [&] {
        if (spanOpen)
            segments.push_back({static_cast<double>(spanX - m.LineShift), static_cast<double>(spanLow),
                                static_cast<double>(spanX - m.LineShift), static_cast<double>(spanHigh)});
        spanOpen = false;
    };
    for (int i = first; i <= last; ++i) {
        const int xa = RowX(m, i - 1), xb = RowX(m, i);
        if (xa < m.FrameLeft || xa > m.FrameRight || xb < m.FrameLeft || xb > m.FrameRight) continue;
        const int ya = y(i - 1), yb = y(i);
        if (xa == xb) {
            if (spanOpen && spanX == xa && (ya == spanLow || ya == spanHigh || (ya > spanLow && ya < spanHigh))) {
                spanLow = std::min({spanLow, ya, yb});
                spanHigh = std::max({spanHigh, ya, yb});
                continue;
            }
            flush();
            spanOpen = true;
            spanX = xa, spanLow = std::min(ya, yb), spanHigh = std::max(ya, yb);
            continue;
        }
        flush();
        segments.push_back({static_cast<double>(xa - m.LineShift), static_cast<double>(ya),
                            static_cast<double>(xb - m.LineShift), static_cast<double>(yb)});
    }
    flush();
    s.Lines(segments, colour);
    s.SetDrawStyle(DrawStyle::Solid);
    s.SetDrawWidth(1);
}
