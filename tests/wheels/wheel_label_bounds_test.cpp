#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "program_state.h"
#include "wheel_test_support.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"
#include "wheels/wheel_window_fit.h"

namespace {

// The width of a recorded print in drawing units, by the recording
// surface's text model at the given font size.
double PrintWidthUnits(const RecordingSurface& s, const RecordedCall& c, double fontSize) {
    return c.text.size() * 0.6 * fontSize * s.DpiX() / 72.0 / s.PixelsPerUnitX();
}

// The five pieces of each of the twelve cusp labels (the prints from
// index first on) follow one another with no wide gap, so that degrees,
// sign and minutes read as one group. The text model's cells are wider than
// the glyphs' ink, so cells may overlap a little (the Ascendant's and
// Descendant's minutes on a small window) but no more.
void ExpectLabelsSetClose(const RecordingSurface& s, std::size_t first) {
    std::vector<std::pair<RecordedCall, double>> prints;  // with the font size in force
    double fontSize = 0;
    for (const RecordedCall& c : s.Calls()) {
        if (c.op == "FontSize") fontSize = c.numbers.at(0);
        if (c.op == "Print") prints.emplace_back(c, fontSize);
    }
    ASSERT_GE(prints.size(), first + 60);
    for (std::size_t k = 0; k < 12; ++k) {
        for (std::size_t i = 1; i < 5; ++i) {
            const auto& [prev, prevSize] = prints[first + 5 * k + i - 1];
            const RecordedCall& next = prints[first + 5 * k + i].first;
            const double gap = next.numbers[0] - (prev.numbers[0] + PrintWidthUnits(s, prev, prevSize));
            EXPECT_EQ(next.numbers[1], prev.numbers[1]);
            EXPECT_LE(gap, 3.0) << "cusp label " << k + 1 << " piece " << i + 1;
            EXPECT_GE(gap, -1.5) << "cusp label " << k + 1 << " piece " << i + 1;
        }
    }
}

// Every character of the wheel (cusp labels, intercepted signs, house
// numbers, planet columns, legends) stands wholly inside the drawing area,
// measured with the recording surface's text model at the font size in
// force when it was printed. Glyph-font characters (digits and sign glyphs)
// have no descenders: below, only the ink part of their cell must fit.
void ExpectPrintsInside(const RecordingSurface& s) {
    const double left = s.ScaleLeft(), right = s.ScaleLeft() + s.ScaleWidth();
    const double top = s.ScaleTop(), bottom = s.ScaleTop() + s.ScaleHeight();
    double fontSize = 0;
    int prints = 0;
    for (const RecordedCall& c : s.Calls()) {
        if (c.op == "FontSize") fontSize = c.numbers.at(0);
        if (c.op != "Print" && c.op != "PrintText") continue;
        const double widthUnits = PrintWidthUnits(s, c, fontSize);
        const double cellUnits = 1.2 * fontSize * s.DpiY() / 72.0 / std::fabs(s.PixelsPerUnitY());
        const double heightUnits = c.op == "Print" ? cellUnits * kLabelInkShare : cellUnits;
        const double x = c.numbers[0], y = c.numbers[1];
        const std::string where = "\"" + c.text + "\" at " + std::to_string(x) + ", " + std::to_string(y);
        EXPECT_GE(x, left) << where;
        EXPECT_LE(x + widthUnits, right) << where;
        EXPECT_LE(y, top) << where;
        EXPECT_GE(y - heightUnits, bottom) << where;
        ++prints;
    }
    EXPECT_GT(prints, 100);
}

// The wheels the bounds are checked on: American and European single
// wheels, the bi-wheel, and a European wheel whose cusps stand beside the
// horizon and the meridian, so that its labels reach furthest out (and two
// houses hold an intercepted sign).
void SetUpWheel(ProgramState& ps, int layout) {
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    if (layout == 2) {
        FillDualWheelLegend(ps, DualFiller::Plain);
    } else {
        SetUpNatalWheel(ps, false);
        ps.settings.ChartStyle = layout == 0 ? 0 : 1;
    }
    LoadWheelCharts(ps);
    if (layout == 3)
        ps.wheels.WheelCusps =
            wheeltest::WheelCuspsFromNatural({0, 0, 10, 60, 90, 120, 170, 180, 190, 240, 270, 300, 350});
}

TEST(WheelLabelBounds, AscendantAndDescendantLabelsStayOnThePage) {
    struct Paper {
        const char* name;
        double widthIn, heightIn;
    } papers[] = {{"Letter", 8.0, 10.5}, {"A4", 7.93, 11.36}};
    // The window's usual size, about as wide as high, square, tall, very
    // tall and wide, in inside pixels.
    struct Shape {
        double w, h;
    } shapes[] = {{wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx},
                  {700, 716},
                  {600, 600},
                  {420, 420},
                  {500, 800},
                  {360, 960},
                  {1000, 420}};
    for (int layout = 0; layout < 4; ++layout) {
        for (const Paper& p : papers) {
            ProgramState ps;
            SetUpWheel(ps, layout);
            SCOPED_TRACE(std::string(p.name) + " layout " + std::to_string(layout));
            RecordingSurface page(p.widthIn * 600, p.heightIn * 600, 600);
            PaintWheelPage(ps, page, {});
            ExpectPrintsInside(page);
        }
        for (const Shape& shape : shapes) {
            ProgramState ps;
            SetUpWheel(ps, layout);
            SCOPED_TRACE("window " + std::to_string(shape.w) + " x " + std::to_string(shape.h) + " layout " +
                         std::to_string(layout));
            ResizeWheelWindow(ps, shape.w, shape.h);
            RecordingSurface window(shape.w, shape.h);
            ASSERT_TRUE(PaintWheelWindow(ps, window, shape.w, shape.h));
            ExpectPrintsInside(window);
            // The wheel is drawn no larger than the window's shape gives.
            EXPECT_GE(window.ScaleWidth() / 2, ps.settings.StartScale);
        }
    }
}

TEST(WheelLabelBounds, FixedCuspLabelsReadAsOneGroupOnWindowAndPage) {
    // The American single wheel and the bi-wheel, whose labels stand at the
    // shipped table's places; the bi-wheel prints its 15 house-number
    // characters first.
    for (int layout = 0; layout < 2; ++layout) {
        ProgramState ps;
        wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
        if (layout == 1) {
            FillDualWheelLegend(ps, DualFiller::Plain);
        } else {
            SetUpNatalWheel(ps, false);
            ps.settings.ChartStyle = 0;
        }
        LoadWheelCharts(ps);
        SCOPED_TRACE("layout " + std::to_string(layout));
        const std::size_t first = layout == 1 ? 15 : 0;
        RecordingSurface page(8.0 * 600, 10.5 * 600, 600);
        PaintWheelPage(ps, page, {});
        ExpectLabelsSetClose(page, first);
        ResizeWheelWindow(ps, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
        RecordingSurface window(wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
        ASSERT_TRUE(PaintWheelWindow(ps, window, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx));
        ExpectLabelsSetClose(window, first);
    }
}

}  // namespace
