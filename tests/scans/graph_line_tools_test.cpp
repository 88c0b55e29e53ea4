// The help lines of the graph window and their clamps.
#include <gtest/gtest.h>

#include "platform/recording_surface.h"
#include "scans/graph_drawing.h"
#include "scans/graph_line_tools.h"
#include "scans/graph_pointer.h"

namespace {

GraphWindowModel Frame() {
    GraphWindowModel m;
    InitGraphWindow(m);
    GraphTable t;
    t.RowCount = 2;
    t.TableDates.assign(3, "01/01/2000");
    t.TableValues.assign(3, GraphRow{});
    t.TableValues[1][1] = 1;
    TakeGraphTable(m, t);
    Setup(m);
    return m;
}

RecordedCall LastLine(const RecordingSurface& s) { return s.CallsOf("Line").back(); }

void ExpectLine(const RecordedCall& c, double x1, double y1, double x2, double y2, Colour colour) {
    ASSERT_EQ(c.numbers.size(), 4u);
    EXPECT_NEAR(c.numbers[0], x1, 1e-3);
    EXPECT_NEAR(c.numbers[1], y1, 1e-3);
    EXPECT_NEAR(c.numbers[2], x2, 1e-3);
    EXPECT_NEAR(c.numbers[3], y2, 1e-3);
    EXPECT_EQ(c.colour, colour);
}

}  // namespace

TEST(GraphLineTools, SimpleToolsAndExtendedClamps) {
    GraphWindowModel m = Frame();
    RecordingSurface s;
    s.SetForeColor(RGB(165, 165, 165));
    const Colour red = QBColor(12), grey = RGB(165, 165, 165);
    // No points: the extended line draws nothing; the others use 0, 0.
    DrawExtendedLine(m, s);
    EXPECT_TRUE(s.CallsOf("Line").empty());
    EXPECT_EQ(m.LineSlope, 0);
    DrawHorizontalLine(m, s), ExpectLine(LastLine(s), 39, 0, 619, 0, red);
    DrawVerticalLine(m, s), ExpectLine(LastLine(s), 0, 3, 0, 403, red);
    m.FirstPointX = 100, m.FirstPointY = 100, m.SecondPointX = 200, m.SecondPointY = 150;
    DrawConnectingLine(m, s), ExpectLine(LastLine(s), 100, 100, 200, 150, red);
    // Falling to the right, reaching the bottom before 619: b = 50, bottom at x 706 > 619, so no.
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 39, 69.5, 619, 359.5, red);
    EXPECT_EQ(m.LineSlope, 0.5f);
    // Steeper: slope 2, b = -100: bottom reached at x 251.5; start moved to x 50 (y 0), not held off the top.
    m.SecondPointY = 300;
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 39, -22, 251.5, 403, red);
    // A line meeting the bottom left of 39: slope -2 through (100,300): b = 500, ya clamped, xa = 48.5.
    m.FirstPointX = 100, m.FirstPointY = 300, m.SecondPointX = 150, m.SecondPointY = 200;
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 48.5, 403, 619, -738, red);
    m.FirstPointX = 20, m.SecondPointX = 70;  // b = 340: ya 340 < 403; xa 0 < 39 -> 39, 262
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 39, 262, 619, -898, red);
    // Same x: vertical, current colour, slope 1000000; an armed right press draws a vertical line.
    m.SecondPointX = 20;
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 20, 3, 20, 403, grey);
    EXPECT_EQ(m.LineSlope, 1000000.0f);
    ArmParallelLines(m);
    GraphMouseMove(m, s, 2, 300, 200), ExpectLine(LastLine(s), 300, 3, 300, 403, grey);
    EXPECT_EQ(m.SecondPointX, 20);  // the point stays
    // Same height: horizontal from 39 to 619; a later parallel is horizontal through the pointer.
    m.FirstPointX = 100, m.FirstPointY = 250, m.SecondPointX = 300, m.SecondPointY = 250;
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 39, 250, 619, 250, red);
    GraphMouseMove(m, s, 2, 400, 120), ExpectLine(LastLine(s), 39, 120, 619, 120, grey);
    // Same height below the frame: runs along the bottom instead of dividing by 0.
    m.FirstPointY = m.SecondPointY = 450;
    DrawExtendedLine(m, s), ExpectLine(LastLine(s), 39, 403, 619, 403, red);
    // A parallel to a sloped line through the pointer; a left press disarms.
    m.FirstPointX = 100, m.FirstPointY = 100, m.SecondPointX = 200, m.SecondPointY = 150;
    DrawExtendedLine(m, s);
    const std::size_t before = s.CallsOf("Line").size();
    GraphMouseMove(m, s, 2, 100, 50), ExpectLine(LastLine(s), 39, 19.5, 619, 309.5, red);
    GraphMouseMove(m, s, 2, 100, 60);  // a drag: one line per move
    EXPECT_EQ(s.CallsOf("Line").size(), before + 2);
    GraphMouseMove(m, s, 1, 100, 60);
    EXPECT_EQ(m.ParallelArmed, 0);
    GraphMouseMove(m, s, 2, 210, 70);
    EXPECT_EQ(s.CallsOf("Line").size(), before + 2);
    EXPECT_EQ(m.SecondPointX, 210);
}
