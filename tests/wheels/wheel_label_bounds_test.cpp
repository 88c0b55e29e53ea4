#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "program_state.h"
#include "wheel_test_support.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

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
        const double widthUnits = PrintWidthUnits(s, c, fontSize);
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
