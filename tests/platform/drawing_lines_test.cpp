// Many lines in one call: the same pixels on an image as one Line each (the
// painter back end hands solid lines to the painter in one batch),
// and one logged call with every segment on the recording surface.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

#include "platform/painter_surface.h"
#include "platform/recording_surface.h"

namespace {

// Segments like a long series on a scale whose units are not whole pixels:
// upright spans of every length (under a pixel too), slanted steps, single
// points, and lines reaching past the device.
std::vector<LineSegment> Segments() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(-20, 660), y(-40, 520), step(0, 3), kind(0, 9);
    std::vector<LineSegment> out;
    for (int i = 0; i < 3000; ++i) {
        const double x1 = x(random), y1 = y(random);
        switch (kind(random)) {
            case 0: out.push_back({x1, y1, x1, y1}); break;
            case 1: out.push_back({x1, y1, x1, y1 + 1}); break;
            case 2: out.push_back({x1 + step(random), y1, x1, static_cast<double>(y(random))}); break;
            default: out.push_back({x1, y1, x1, static_cast<double>(y(random))}); break;
        }
    }
    return out;
}

QImage Drawn(bool oneCall, DrawStyle style, int width, bool antialiased) {
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    PainterSurface s(&painter, true);
    s.Scale(-20, -30, 700, 480);  // about 1.42 pixels across and 1.51 down per unit
    s.SetDrawStyle(style);
    s.SetDrawWidth(width);
    const std::vector<LineSegment> segments = Segments();
    if (oneCall) {
        s.Lines(segments, QBColor(12));
    } else {
        for (const LineSegment& l : segments) s.Line(l.x1, l.y1, l.x2, l.y2, QBColor(12));
    }
    EXPECT_EQ(painter.testRenderHint(QPainter::Antialiasing), antialiased);
    return image;
}

}  // namespace

TEST(DrawingLines, SamePixelsAsOneLineEach) {
    struct Case { DrawStyle style; int width; bool antialiased; };
    for (const Case c : {Case{DrawStyle::Solid, 1, false}, Case{DrawStyle::Solid, 1, true},
                         Case{DrawStyle::Dash, 1, false}, Case{DrawStyle::Dot, 1, false},
                         Case{DrawStyle::Solid, 2, false}}) {
        const QImage one = Drawn(true, c.style, c.width, c.antialiased);
        const QImage each = Drawn(false, c.style, c.width, c.antialiased);
        int differ = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) differ += one.pixel(x, y) != each.pixel(x, y);
        EXPECT_EQ(differ, 0) << "style " << static_cast<int>(c.style) << " width " << c.width;
    }
}

TEST(DrawingLines, RecordedAsOneCallWithEverySegment) {
    RecordingSurface s;
    s.Scale(0, 0, 100, 100);
    s.Lines({}, QBColor(1));
    EXPECT_TRUE(s.CallsOf("Lines").empty());
    s.Lines({{1, 2, 3, 4}, {3, 4, 3, 9}}, QBColor(9));
    s.SetForeColor(QBColor(2));
    s.Lines({{5, 6, 7, 8}});
    const auto calls = s.CallsOf("Lines");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].numbers, (std::vector<double>{1, 2, 3, 4, 3, 4, 3, 9}));
    EXPECT_EQ(calls[0].colour, QBColor(9));
    EXPECT_EQ(calls[1].colour, QBColor(2));
    EXPECT_EQ(s.CurrentX(), 7);
    EXPECT_EQ(s.CurrentY(), 8);
}
