// The graph window's drawing through the recording surface: layout, grid
// labels, x labels, legend, series, caption, the read-out and the tools.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/numbers.h"
#include "platform/recording_surface.h"
#include "scans/graph_drawing.h"
#include "scans/graph_line_tools.h"
#include "scans/graph_pointer.h"

namespace {

GraphWindowModel Loaded(int rows, int aroundClock, float lo, float hi, const std::string& date = "03/15/1998") {
    GraphWindowModel m;
    m.Context.AroundClockMode = aroundClock;
    InitGraphWindow(m);
    GraphTable t;
    t.RowCount = rows;
    t.TableDates.assign(rows + 1, "");
    t.TableValues.assign(rows + 1, GraphRow{});
    for (int r = 1; r <= rows; ++r) {
        t.TableDates[r] = date;
        for (int c = 1; c <= 12; ++c) t.TableValues[r][c] = lo + (hi - lo) * static_cast<float>((r + c) % 7) / 6;
    }
    TakeGraphTable(m, t);
    Setup(m);
    return m;
}

// The load sequence's drawing: layout, then all twelve columns.
void LoadDrawing(GraphWindowModel& m, RecordingSurface& s) {
    ResizeEvent(m, s);
    for (int k = 1; k <= 12; ++k) {
        m.CurrentColumn = k;
        DrawHouse(m, s, k);
    }
}

std::vector<std::string> Printed(const RecordingSurface& s) {
    std::vector<std::string> out;
    for (const auto& c : s.CallsOf("Print")) out.push_back(c.text);
    return out;
}

int CountAt(const RecordingSurface& s, double y) {
    int n = 0;
    for (const auto& c : s.CallsOf("Print"))
        if (c.numbers.size() >= 2 && c.numbers[1] == y) ++n;
    return n;
}

}  // namespace

TEST(GraphDrawing, GridLabelsZeroLineAndSeries) {
    GraphWindowModel m = Loaded(365, 0, -56, 1234);
    RecordingSurface s(1024, 768);
    LoadDrawing(m, s);
    EXPECT_EQ(s.ScaleLeft(), -20);
    EXPECT_EQ(s.ScaleTop(), -30);
    EXPECT_EQ(s.ScaleWidth(), 720);
    EXPECT_EQ(s.ScaleHeight(), 510);
    EXPECT_EQ(m.LabelTop[4], -23);
    EXPECT_EQ(m.LabelCaption[5], "D A T E");
    EXPECT_TRUE(m.MenusVisible);
    EXPECT_EQ(m.Subdivisions, 5);
    const auto texts = Printed(s);
    for (const char* major : {"1300", "1020", "740", "460", "180", "-100"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), major), texts.end()) << major;
    // The zero line: a box at the y of 0, 403 - 400 * 100 / 1400.
    bool zero = false;
    for (const auto& c : s.CallsOf("Line"))
        if (c.text == "B" && c.colour == QBColor(12)) {
            EXPECT_NEAR(c.numbers[1], 403 - 400.0 * 100 / 1400 - 0.4, 1e-9);
            EXPECT_EQ(c.numbers[0], 39);
            zero = true;
        }
    EXPECT_TRUE(zero);
    // X labels of 365 rows: the first and every 15th after it (rows 16, 31, ... 361).
    EXPECT_EQ(CountAt(s, 408), 1 + 24);
    // Twelve series of 364 segments each, all within the frame.
    s.ClearLog();
    for (int k = 1; k <= 12; ++k) {
        m.CurrentColumn = k;
        DrawHouse(m, s, k);
    }
    // Each series is one Lines call of x1, y1, x2, y2 per segment.
    EXPECT_TRUE(s.CallsOf("Line").empty());
    EXPECT_EQ(s.CallsOf("Lines").size(), 12u);
    int segments = 0;
    for (const auto& c : s.CallsOf("Lines")) {
        for (std::size_t i = 0; i + 3 < c.numbers.size(); i += 4) {
            ++segments;
            EXPECT_GE(c.numbers[i], 39);
            EXPECT_LE(c.numbers[i + 2], 619);
            EXPECT_GE(std::min(c.numbers[i + 1], c.numbers[i + 3]), 3);
            EXPECT_LE(std::max(c.numbers[i + 1], c.numbers[i + 3]), 403);
        }
    }
    EXPECT_EQ(segments, 12 * 364);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(m.DrawnColumns[k], 1);
    EXPECT_EQ(texts.back(), "Indiv. P*H = dash");
    EXPECT_EQ(m.Caption, " - multiplier for P*H (body 11) = 1.00 and multiplier for Indiv. P*H (body 12) = 1.00");
}

TEST(GraphDrawing, AroundTheClockLabelsLegendAndNoZeroLine) {
    GraphWindowModel m = Loaded(24, 1, -5, 30, "05/03/2024");
    for (int k = 1; k <= 12; ++k) m.Context.NatalTimeHours[k] = static_cast<float>(6 + k - 1);
    m.Context.NatalTimeMinutes[8] = 30;
    m.Context.NatalTimeHours[8] = 7;
    for (int j = 0; j < 24; ++j) m.Context.TransitTimeHours[j] = static_cast<float>(j), m.Context.TransitTimeMinutes[j] = 30;
    m.Context.GraphTitle = "Dual Cosmodynes Around the Clock";
    m.Context.NatalDateText = "05/03/2024";
    m.Context.SecondDateText = "06/03/2024";
    m.Context.AnglesChoice = [] { return 2; };
    RecordingSurface s;
    LoadDrawing(m, s);
    const auto texts = Printed(s);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "07:30 = dash"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "06:00 = solid"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Natal Times"), texts.end());
    EXPECT_EQ(m.LabelCaption[5], "H O U R  (24-hour time)");
    EXPECT_EQ(CountAt(s, 408), 24);  // every row of 24
    EXPECT_EQ(CountAt(s, 428), 0);
    for (const auto& c : s.CallsOf("Line")) EXPECT_NE(c.text, "B");
    EXPECT_EQ(m.Caption, "Dual Cosmodynes Around the Clock - for 05/03/2024 and 06/03/2024 - Asc only");
    EXPECT_EQ(LegendText(m, 1), "06:00 = solid");
}

TEST(GraphDrawing, MendedEdges) {
    // Axis bottom above 0: no zero line; year-first dates labelled month, day, year.
    GraphWindowModel m = Loaded(3, 0, 50, 340, "1998/03/15");
    RecordingSurface s;
    LoadDrawing(m, s);
    EXPECT_GT(m.AxisBottom, 0);
    for (const auto& c : s.CallsOf("Line")) EXPECT_NE(c.text, "B");
    const auto texts = Printed(s);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "03"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "98"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "19"), texts.end());
    // One row: grid and legend, no series, nothing divides by zero.
    GraphWindowModel one = Loaded(1, 0, 1, 5);
    RecordingSurface s1;
    LoadDrawing(one, s1);
    for (const auto& c : s1.CallsOf("Line")) {
        const Colour col = c.colour;
        EXPECT_TRUE(col == QBColor(8) || col == QBColor(0) || col == QBColor(12)) << s1.Dump();
    }
    // An all-zero table is scaled 0 to one grid step.
    GraphWindowModel z = Loaded(10, 0, 0, 0);
    RecordingSurface sz;
    LoadDrawing(z, sz);
    EXPECT_EQ(z.AxisBottom, 0.0f);
    EXPECT_FLOAT_EQ(z.AxisTop, 0.05f);
}

TEST(GraphPointer, ReadoutButtonsAndDifference) {
    GraphWindowModel m = Loaded(365, 0, -56, 1234);
    RecordingSurface s;
    LoadDrawing(m, s);
    // Force the scale of the worked read-out: value 123.456 at row 17.
    m.AxisBottom = 0, m.AxisRange = 400;
    m.MouseX = 0;
    const double x17 = 59 - 20 + 1 + 16 * static_cast<double>(m.RowStep) - 0.5 * m.RowStep;  // inside row 17
    Crosshair h = GraphMouseMove(m, s, 1, x17, 403 - 123.456);
    EXPECT_EQ(m.LabelCaption[1].substr(0, 6), "123.00");  // rounded pointer height
    m.MouseY = 0;
    EXPECT_EQ(h.change, Crosshair::Change::Show);
    // The worked text: 123.46, two blanks, the date, " - ", the row.
    m.AxisRange = 400 * 123.456f / 123.0f;
    m.MouseX = CInt(x17), m.MouseY = 280;
    EXPECT_EQ(ReadoutText(m), "123.46  03/15/1998 - 17");
    // Left of the frame: the value alone.
    m.MouseX = 38;
    EXPECT_EQ(ReadoutText(m), "123.46");
    // Right of the last row: row 365 at most.
    m.MouseX = 700;
    EXPECT_EQ(ReadoutText(m).substr(ReadoutText(m).size() - 3), "365");
    // Buttons 3 (both) and 4 (middle): no label, no point; 4 moves the crosshair only.
    const std::string l1 = m.LabelCaption[1];
    const float fx = m.FirstPointX;
    EXPECT_EQ(GraphMouseMove(m, s, 3, 100, 100).change, Crosshair::Change::None);
    EXPECT_EQ(GraphMouseMove(m, s, 4, 100, 100).change, Crosshair::Change::Show);
    EXPECT_EQ(GraphMouseMove(m, s, 4, 630, 100).change, Crosshair::Change::Hide);
    EXPECT_EQ(m.LabelCaption[1], l1);
    EXPECT_EQ(m.FirstPointX, fx);
    EXPECT_TRUE(m.LabelCaption[3].empty());  // one button pressed so far
    GraphMouseMove(m, s, 2, 100, 203);
    EXPECT_FALSE(m.LabelCaption[2].empty());
    EXPECT_FALSE(m.LabelCaption[3].empty());
    // A dense window: the row stays within 0..RowCount at the frame's left edge.
    m.FirstRow = 1, m.RowStep = 0.3f, m.MouseX = 39;
    const std::string t = ReadoutText(m);
    EXPECT_EQ(t.substr(t.size() - 4), " - 0");
}

TEST(GraphPointer, TypedNotesRunRightwards) {
    GraphWindowModel m = Loaded(10, 0, 1, 5);
    RecordingSurface s;
    LoadDrawing(m, s);
    m.MouseX = 100, m.MouseY = 200;
    s.ClearLog();
    TypeNoteCharacter(m, s, 'H');
    TypeNoteCharacter(m, s, 13);  // Enter prints nothing
    TypeNoteCharacter(m, s, 'i');
    const auto prints = s.CallsOf("Print");
    ASSERT_EQ(prints.size(), 2u);
    EXPECT_EQ(prints[0].numbers[0], 100);
    EXPECT_EQ(prints[0].numbers[1], 192);
    EXPECT_GT(prints[1].numbers[0], 100);
    EXPECT_EQ(prints[0].colour, QBColor(0));
}
