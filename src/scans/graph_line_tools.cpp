#include "scans/graph_line_tools.h"

namespace {

constexpr float kVerticalSlope = 1000000;

// The line of slope m and intercept b, held off the frame's bottom and its
// sides in this order, in bright red. A flat line below the frame runs
// along the frame's bottom.
void ClampedLine(const GraphWindowModel& g, DrawingSurface& s, float m, float b) {
    const float bottom = static_cast<float>(g.FrameBottom);
    const float left = static_cast<float>(g.FrameLeft - g.LineShift);
    const float right = static_cast<float>(g.FrameRight - g.LineShift);
    float xa = 0, ya = b;
    float xb = static_cast<float>(g.FrameRight);
    float yb = m * static_cast<float>(g.FrameRight) + b;
    if (m == 0) {
        if (ya > bottom) ya = yb = bottom;
    } else {
        if (ya > bottom) {
            ya = bottom;
            xa = (bottom - b) / m;
        }
        if (yb > bottom) {
            yb = bottom;
            xb = (bottom - b) / m;
        }
    }
    if (xb > right) {
        xb = right;
        yb = m == 0 ? yb : m * xb + b;
    }
    if (xa < left) {
        xa = left;
        ya = m == 0 ? ya : m * xa + b;
    }
    s.Line(xa, ya, xb, yb, QBColor(12));
}

}  // namespace

void DrawHorizontalLine(GraphWindowModel& m, DrawingSurface& s) {
    s.Line(m.FrameLeft - m.LineShift, m.FirstPointY, m.FrameRight - m.LineShift, m.FirstPointY, QBColor(12));
}

void DrawVerticalLine(GraphWindowModel& m, DrawingSurface& s) {
    s.Line(m.FirstPointX, m.FrameTop, m.FirstPointX, m.FrameBottom, QBColor(12));
}

void DrawConnectingLine(GraphWindowModel& m, DrawingSurface& s) {
    s.Line(m.FirstPointX, m.FirstPointY, m.SecondPointX, m.SecondPointY, QBColor(12));
}

void ArmParallelLines(GraphWindowModel& m) { m.ParallelArmed = 1; }

void DrawExtendedLine(GraphWindowModel& m, DrawingSurface& s) {
    const float x1 = m.FirstPointX, y1 = m.FirstPointY, x2 = m.SecondPointX, y2 = m.SecondPointY;
    if (x1 == 0 && x2 == 0 && y1 == 0 && y2 == 0) return;
    if (x2 - x1 == 0) {
        m.LineSlope = kVerticalSlope;
        s.Line(x1, m.FrameTop, x1, m.FrameBottom);
        return;
    }
    const float slope = (y2 - y1) / (x2 - x1);
    m.LineSlope = slope;
    ClampedLine(m, s, slope, y2 - slope * x2);
}

void DrawParallelChannelLine(GraphWindowModel& m, DrawingSurface& s) {
    const float px = static_cast<float>(m.MouseX), py = static_cast<float>(m.MouseY);
    if (m.LineSlope == 0) {
        s.Line(m.FrameLeft - m.LineShift, py, m.FrameRight - m.LineShift, py);
        return;
    }
    if (m.LineSlope == kVerticalSlope) {
        s.Line(px, m.FrameTop, px, m.FrameBottom);
        return;
    }
    ClampedLine(m, s, m.LineSlope, py - m.LineSlope * px);
}
