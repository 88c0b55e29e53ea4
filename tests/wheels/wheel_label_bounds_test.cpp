#include <gtest/gtest.h>

#include "program_state.h"
#include "wheel_test_support.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

// Every character of the wheel (cusp labels, house numbers, planet columns)
// stands wholly inside the drawing area, measured with the recording
// surface's text model at the font size in force when it was printed.
void ExpectPrintsInside(const RecordingSurface& s) {
    const double left = s.ScaleLeft(), right = s.ScaleLeft() + s.ScaleWidth();
    double fontSize = 0;
    int prints = 0;
    for (const RecordedCall& c : s.Calls()) {
        if (c.op == "FontSize") fontSize = c.numbers.at(0);
        if (c.op != "Print") continue;
        const double widthUnits = c.text.size() * 0.6 * fontSize * s.DpiX() / 72.0 / s.PixelsPerUnitX();
        EXPECT_GE(c.numbers[0], left) << "\"" << c.text << "\" at " << c.numbers[0] << ", " << c.numbers[1];
        EXPECT_LE(c.numbers[0] + widthUnits, right) << "\"" << c.text << "\" at " << c.numbers[0] << ", " << c.numbers[1];
        ++prints;
    }
    EXPECT_GT(prints, 100);
}

TEST(WheelLabelBounds, AscendantAndDescendantLabelsStayOnThePage) {
    struct Paper {
        const char* name;
        double widthIn, heightIn;
    } papers[] = {{"Letter", 8.0, 10.5}, {"A4", 7.93, 11.36}};
    for (const Paper& p : papers) {
        for (int layout = 0; layout < 3; ++layout) {
            ProgramState ps;
            wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
            if (layout == 2) {
                FillDualWheelLegend(ps, DualFiller::Plain);
            } else {
                SetUpNatalWheel(ps, false);
                ps.settings.ChartStyle = layout;
            }
            LoadWheelCharts(ps);
            SCOPED_TRACE(std::string(p.name) + " layout " + std::to_string(layout));
            RecordingSurface page(p.widthIn * 600, p.heightIn * 600, 600);
            PaintWheelPage(ps, page, {});
            ExpectPrintsInside(page);

            // The window of the usual size too.
            ResizeWheelWindow(ps, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
            RecordingSurface window(wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
            ASSERT_TRUE(PaintWheelWindow(ps, window, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx));
            ExpectPrintsInside(window);
        }
    }
}

}  // namespace
