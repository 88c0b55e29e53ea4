#include "scans/graph_pointer.h"

#include <algorithm>
#include <cmath>

#include "platform/numbers.h"
#include "scans/graph_line_tools.h"
#include "scans/graph_single.h"

namespace {

std::string PlainInteger(int n) {
    std::string t = Str(n);
    if (!t.empty() && t[0] == ' ') t.erase(0, 1);
    return t;
}

}  // namespace

std::string ReadoutText(const GraphWindowModel& m) {
    const double height = RoundSingle(static_cast<double>(m.FrameBottom) - m.MouseY);
    const double value = RoundSingle(RoundSingle(RoundSingle(height / m.FrameHeight) * m.AxisRange) + m.AxisBottom);
    std::string text = FormatSingle(value, "####.00");
    if (m.MouseX < m.FrameLeft - m.LineShift) return text;
    int row = m.FirstRow;
    if (m.RowStep > 0)
        row = static_cast<int>(std::clamp(
                  std::floor(static_cast<float>(m.MouseX - 1 - m.PlotLeft + m.LineShift) / m.RowStep), -40000.0f,
                  40000.0f)) +
              m.FirstRow + 1;
    row = std::clamp(row, 0, m.RowCount);
    const std::string date = row < static_cast<int>(m.PlotDates.size()) ? m.PlotDates[row] : std::string();
    return text + "  " + date + " - " + PlainInteger(row);
}

Crosshair GraphMouseMove(GraphWindowModel& m, DrawingSurface& s, int button, double x, double y) {
    m.MouseY = CInt(y);
    m.MouseX = CInt(x);
    const std::string text = ReadoutText(m);
    if (button == 1) {
        m.LabelCaption[1] = text;
        m.FirstPointX = static_cast<float>(x);
        m.FirstPointY = static_cast<float>(y);
        m.ParallelArmed = 0;
    }
    if (button == 2) {
        if (m.ParallelArmed == 1) {
            DrawParallelChannelLine(m, s);
            return {};
        }
        m.LabelCaption[2] = text;
        m.SecondPointX = static_cast<float>(x);
        m.SecondPointY = static_cast<float>(y);
        m.ParallelArmed = 0;
    }
    const double rise = RoundSingle(static_cast<double>(CInt(m.FirstPointY)) - CInt(m.SecondPointY));
    const double diff = std::fabs(RoundSingle(RoundSingle(rise / m.FrameHeight) * m.AxisRange));
    if (!m.LabelCaption[1].empty() && !m.LabelCaption[2].empty()) m.LabelCaption[3] = FormatSingle(diff, "####.00");
    Crosshair hair;
    if (button == 1 || button == 2 || button == 4) {
        if (x < m.FrameLeft - m.LineShift || x > m.FrameRight - m.LineShift || y > 403 || y < m.FrameTop) {
            hair.change = Crosshair::Change::Hide;
        } else {
            hair.change = Crosshair::Change::Show;
            hair.X = x;
            hair.Y = y;
        }
    }
    return hair;
}

void TypeNoteCharacter(GraphWindowModel& m, DrawingSurface& s, int keyAscii) {
    // Control characters (Enter, Backspace, Esc, Tab) have no letter to print.
    if (keyAscii < 32 || keyAscii == 127 || keyAscii > 255) return;
    s.SetForeColor(QBColor(0));
    s.SetCurrentX(m.MouseX);
    s.SetCurrentY(m.MouseY - 8);
    s.Print(std::string(1, static_cast<char>(keyAscii)), false);
    m.MouseX = CInt(s.CurrentX());
}
