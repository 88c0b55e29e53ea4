#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/font_registry.h"
#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "test_support.h"
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

// The measuring image has this many pixels to a window pixel.
constexpr int kFine = 4;

// For each pixel row of a region of the measuring image, the first and
// last column that the print inks at half cover or more (-1 for none),
// drawn alone in the real glyph font where the recording placed it.
std::vector<std::pair<int, int>> InkRows(const RecordingSurface& rec, const RecordedCall& print, double size,
                                         bool bold, int left, int top, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(kFine * rec.DpiX() / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(kFine * rec.DpiY() / 0.0254)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterSurface s(&painter, false);
        const auto unitX = [&](double px) { return (px / kFine - rec.ToDeviceX(0)) / rec.PixelsPerUnitX(); };
        const auto unitY = [&](double px) { return (px / kFine - rec.ToDeviceY(0)) / rec.PixelsPerUnitY(); };
        s.Scale(unitX(left), unitY(top), unitX(left + width), unitY(top + height));
        s.SetFontName(kGlyphFontName);
        s.SetFontSize(size);
        s.SetFontBold(bold);
        s.SetCurrentX(print.numbers[0]);
        s.SetCurrentY(print.numbers[1]);
        s.Print(print.text);
    }
    std::vector<std::pair<int, int>> rows(static_cast<std::size_t>(height), {-1, -1});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (qGray(image.pixel(x, y)) >= 128) continue;
            auto& row = rows[static_cast<std::size_t>(y)];
            if (row.first < 0) row.first = x;
            row.second = x;
        }
    }
    return rows;
}

// For every pair of characters of every label (the twelve cusp labels and,
// on a bi-wheel, the two digits of 10, 11 and 12), how far in window pixels
// the ink of the first reaches past the start of the second on any row
// (negative: the gap between them), measured in the real glyph font.
std::vector<double> LabelInkOverlaps(const RecordingSurface& s, bool biWheel) {
    struct Printed {
        RecordedCall call;
        double size;
        bool bold;
    };
    std::vector<Printed> prints;
    double size = 0;
    bool bold = false;
    for (const RecordedCall& c : s.Calls()) {
        if (c.op == "FontSize") size = c.numbers.at(0);
        if (c.op == "FontBold") bold = c.numbers.at(0) != 0;
        if (c.op == "Print") prints.push_back({c, size, bold});
    }
    const std::size_t first = biWheel ? 15 : 0;
    if (prints.size() < first + 60) return {};
    std::vector<std::vector<std::size_t>> labels;
    for (std::size_t p = first; p < first + 60; p += 5) labels.push_back({p, p + 1, p + 2, p + 3, p + 4});
    if (biWheel)
        for (std::size_t i : {9, 11, 13}) labels.push_back({i, i + 1});
    std::vector<double> out;
    for (const std::vector<std::size_t>& label : labels) {
        // The label's characters stand on one line, left to right.
        const int left = kFine * static_cast<int>(s.ToDeviceX(prints[label.front()].call.numbers[0]) - 16);
        const int right = kFine * static_cast<int>(s.ToDeviceX(prints[label.back()].call.numbers[0]) + 32);
        const int top = kFine * static_cast<int>(s.ToDeviceY(prints[label.front()].call.numbers[1]) - 16);
        std::vector<std::vector<std::pair<int, int>>> ink;
        for (std::size_t i : label)
            ink.push_back(InkRows(s, prints[i].call, prints[i].size, prints[i].bold, left, top, right - left, 48 * kFine));
        for (std::size_t i = 0; i < ink.size(); ++i) {
            for (std::size_t j = i + 1; j < ink.size(); ++j) {
                int overlap = -1000;
                for (std::size_t y = 0; y < ink[i].size(); ++y)
                    if (ink[i][y].second >= 0 && ink[j][y].first >= 0)
                        overlap = std::max(overlap, ink[i][y].second - ink[j][y].first + 1);
                out.push_back(static_cast<double>(overlap) / kFine);
            }
        }
    }
    return out;
}

// The characters of every label stand as far apart on any window as on the
// usual one, whose table of places the labels are made for: the ink of no
// pair reaches further into the other than there, give or take a pixel of
// rasterising, unless the two stay apart. (On the usual window the minutes'
// digits, and some sign glyphs and the minutes, already share an
// anti-aliased edge of up to two pixels.)
void ExpectLabelsAsApartAsUsual(const RecordingSurface& s, bool biWheel, const std::vector<double>& usual) {
    const std::vector<double> overlaps = LabelInkOverlaps(s, biWheel);
    ASSERT_EQ(overlaps.size(), usual.size());
    ASSERT_FALSE(overlaps.empty());
    for (std::size_t i = 0; i < overlaps.size(); ++i)
        EXPECT_LE(overlaps[i], std::max(0.0, usual[i] + 1)) << "pair " << i << " (10 to a cusp label, in order)";
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
    static const RegisteredFont font = AddFontFile(JoinPath(testsupport::ShippedDataDir(), "tandrell.ttf"));
    ASSERT_GE(font.Id, 0);
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
        std::vector<double> usual;
        {
            ProgramState ps;
            SetUpWheel(ps, layout);
            ResizeWheelWindow(ps, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
            RecordingSurface window(wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
            ASSERT_TRUE(PaintWheelWindow(ps, window, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx));
            usual = LabelInkOverlaps(window, layout == 2);
        }
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
            ExpectLabelsAsApartAsUsual(window, layout == 2, usual);
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
