// The drawing model: user scale with y up, current position, text flow,
// lines, boxes, circles and pies, checked in user units on the recording
// surface and as pixels and files on the QPainter back end.
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "test_support.h"

namespace {

// A small wheel-like figure on a scale centred on the origin with y up.
void DrawSample(DrawingSurface& s) {
    s.Scale(-300, 225, 300, -225);
    s.SetBackColor(QBColor(15));
    s.Cls();
    s.Line(-200, 0, 200, 0, QBColor(0));
    s.Line(0, -150, 0, 150, QBColor(12));
    s.Circle(0, 0, 120, QBColor(9));
    s.Pie(0, 0, 217, 0, std::numbers::pi / 6, QBColor(2));
    s.Line(150, 150, 250, 200, QBColor(4), LineBox::FilledBox);
    s.SetFontName("Arial");
    s.SetFontSize(12);
    s.SetCurrentX(s.ScaleLeft() + 10);
    s.SetCurrentY(s.ScaleTop());
    s.Print("Line one");
    s.Print("Line two");
}

bool IsBackground(QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; }

}  // namespace

TEST(DrawingSurface, PaletteAndColours) {
    EXPECT_EQ(QBColor(0), RGB(0, 0, 0));
    EXPECT_EQ(QBColor(1), RGB(0, 0, 128));
    EXPECT_EQ(QBColor(7), RGB(192, 192, 192));
    EXPECT_EQ(QBColor(12), RGB(255, 0, 0));
    EXPECT_EQ(QBColor(15), 0xFFFFFFu);
    EXPECT_EQ(RGB(1, 2, 3), 1u + 2u * 256u + 3u * 65536u);
    EXPECT_EQ(RedOf(QBColor(4)), 128);
    EXPECT_EQ(BlueOf(QBColor(9)), 255);
}

TEST(DrawingSurface, DefaultScaleIsTwipsAndScaleModeResets) {
    RecordingSurface s(640, 480, 96);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 9600);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 7200);
    s.Scale(-10, 10, 10, -10);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), -20);
    s.SetScaleMode(ScaleUnit::Inches);
    EXPECT_DOUBLE_EQ(s.ScaleLeft(), 0);
    EXPECT_NEAR(s.ScaleWidth(), 640.0 / 96, 1e-12);
    // A plain-unit scale follows the device; a user scale keeps its corners.
    s.Resize(960, 480);
    EXPECT_NEAR(s.ScaleWidth(), 10, 1e-12);
    s.Scale(-1, 1, 1, -1);
    s.Resize(320, 240);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 2);
    EXPECT_DOUBLE_EQ(s.ToDeviceX(0), 160);
    EXPECT_DOUBLE_EQ(s.ToDeviceY(1), 0);
    EXPECT_DOUBLE_EQ(s.ToDeviceY(-1), 240);
}

TEST(DrawingSurface, RecordsScaledYUpSequenceInUserUnits) {
    RecordingSurface s(640, 480, 96);
    DrawSample(s);
    SCOPED_TRACE(s.Dump());

    auto lines = s.CallsOf("Line");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].numbers, (std::vector<double>{-200, 0, 200, 0}));
    EXPECT_EQ(lines[1].colour, QBColor(12));
    EXPECT_EQ(lines[2].text, "BF");
    EXPECT_EQ(lines[2].colour, QBColor(4));

    auto circles = s.CallsOf("Circle");
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].numbers, (std::vector<double>{0, 0, 120, 1}));
    EXPECT_EQ(circles[0].colour, QBColor(9));
    ASSERT_EQ(circles[1].numbers.size(), 6u);
    EXPECT_EQ(circles[1].text, "P");
    EXPECT_NEAR(std::fabs(circles[1].numbers[5]), std::numbers::pi / 6, 1e-12);

    // Text starts at the top-left corner given; each Print then returns to
    // the left edge one line lower, which on a y-up scale is a smaller y.
    auto prints = s.CallsOf("Print");
    ASSERT_EQ(prints.size(), 2u);
    EXPECT_EQ(prints[0].text, "Line one");
    EXPECT_DOUBLE_EQ(prints[0].numbers[0], -290);
    EXPECT_DOUBLE_EQ(prints[0].numbers[1], 225);
    const double lineHeight = s.TextHeight("X");
    EXPECT_LT(lineHeight, 0);  // y points up, so heights are negative
    EXPECT_GT(s.TextWidth("Line one"), 0);
    EXPECT_DOUBLE_EQ(prints[1].numbers[0], -300);
    EXPECT_DOUBLE_EQ(prints[1].numbers[1], 225 + lineHeight);
    EXPECT_DOUBLE_EQ(s.CurrentX(), s.ScaleLeft());
    EXPECT_DOUBLE_EQ(s.CurrentY(), 225 + 2 * lineHeight);
    // 12 pt at 96 dpi is 16 px; one line is 1.2 of it; 480 px span 450 units.
    EXPECT_NEAR(lineHeight, -1.2 * 16 * 450 / 480, 1e-9);
    EXPECT_DOUBLE_EQ(s.TextHeight("a\r\nb"), 2 * lineHeight);
}

TEST(DrawingSurface, PositionRulesOfLineCircleAndPrint) {
    RecordingSurface s;
    s.Scale(0, 0, 100, 100);
    s.Line(1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 3);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 4);
    s.LineTo(10, 20);
    EXPECT_EQ(s.CallsOf("Line").back().numbers, (std::vector<double>{3, 4, 10, 20}));
    s.Circle(50, 60, 5, std::nullopt, -0.5, -1.0);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 50);
    EXPECT_EQ(s.CallsOf("Circle").back().numbers, (std::vector<double>{50, 60, 5, 1, -0.5, -1.0}));
    s.SetCurrentX(5);
    s.Print("ab", false);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 5 + s.TextWidth("ab"));
    EXPECT_DOUBLE_EQ(s.CurrentY(), 60);
    s.Cls();
    EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
    // A degenerate scale does not divide by zero.
    s.Scale(5, 5, 5, 5);
    EXPECT_TRUE(std::isfinite(s.ToDeviceX(7)));
}

TEST(DrawingSurface, GlyphCodesMapToPrivateUseArea) {
    const QString g = GlyphText(std::string("\xE0\xBF", 2));
    ASSERT_EQ(g.toUcs4().size(), 2);
    EXPECT_EQ(g.toUcs4()[0], 0xF0E0u);
    EXPECT_EQ(g.toUcs4()[1], 0xF0BFu);
    // Outside the glyph font the bytes are ordinary Windows-1252 text.
    EXPECT_EQ(SurfaceText("caf\xE9", "Arial", QFont()), QString::fromUtf8("café"));
    // In the glyph font a code above 127 is always a glyph.
    EXPECT_EQ(SurfaceText("\x9C", "Tandrell", QFont()).toUcs4().at(0), 0xF09Cu);
}

TEST(DrawingSurface, RendersToImageAndPdf) {
    const std::string dir = testsupport::MakeTempDir();

    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::gray);
    {
        QPainter painter(&image);
        PainterSurface s(&painter, true);
        DrawSample(s);
        EXPECT_NEAR(s.TextWidth("Line one") / s.TextWidth("L"), 8, 5);
    }
    const std::string png = dir + "/sample.png";
    ASSERT_TRUE(image.save(QString::fromStdString(png)));
    EXPECT_GT(testsupport::ReadBytes(png).size(), 100u);

    // The horizontal line runs through the middle row; away from it the
    // cleared background is white (the gray fill is gone).
    const int midY = 240;
    EXPECT_FALSE(IsBackground(image.pixel(150, midY)));
    EXPECT_FALSE(IsBackground(image.pixel(500, midY)));
    EXPECT_TRUE(IsBackground(image.pixel(5, 470)));
    // The red vertical line at x = 0, y from -150 to 150.
    const QRgb red = image.pixel(320, 100);
    EXPECT_GT(qRed(red), 150);
    EXPECT_LT(qGreen(red), 100);
    // The filled box between (150, 150) and (250, 200): dark red inside.
    const QRgb box = image.pixel(static_cast<int>((200 + 300) * 640 / 600.0), static_cast<int>((225 - 175) * 480 / 450.0));
    EXPECT_EQ(qRed(box), 128);
    EXPECT_EQ(qGreen(box), 0);
    // The circle of radius 120 crosses the positive x axis at x = 120.
    bool circleFound = false;
    int ringX = static_cast<int>(std::lround((120 * std::cos(0.3) + 300) * 640 / 600.0));
    int ringY = static_cast<int>(std::lround((225 - 120 * std::sin(0.3)) * 480 / 450.0));
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            QRgb p = image.pixel(ringX + dx, ringY + dy);
            circleFound |= qBlue(p) > 150 && qRed(p) < 100;
        }
    EXPECT_TRUE(circleFound);
    // Some text was drawn in the top-left corner.
    int dark = 0;
    for (int x = 10; x < 100; ++x)
        for (int y = 0; y < 20; ++y) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10);

    const std::string pdf = dir + "/sample.pdf";
    {
        QPdfWriter writer(QString::fromStdString(pdf));
        QPainter painter(&writer);
        PainterSurface s(&painter, false);
        DrawSample(s);
    }
    const std::string bytes = testsupport::ReadBytes(pdf);
    ASSERT_GT(bytes.size(), 200u);
    EXPECT_EQ(bytes.substr(0, 4), "%PDF");
}

namespace {

// Dark pixels along row y between x0 and x1, and the gaps among them.
std::pair<int, int> RunOfRow(const QImage& image, int y, int x0, int x1) {
    int dark = 0, gaps = 0;
    bool inGap = false;
    for (int x = x0; x <= x1; ++x) {
        const bool isDark = !IsBackground(image.pixel(x, y));
        if (isDark) {
            ++dark;
            if (inGap) ++gaps;
        }
        inGap = !isDark;
    }
    return {dark, gaps};
}

}  // namespace

TEST(DrawingSurface, DashedLinesAndOpenArcs) {
    QImage image(240, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterSurface s(&painter, false);
        s.SetScaleMode(ScaleUnit::Pixels);
        s.SetDrawStyle(DrawStyle::Dash);
        s.Line(10, 20, 210, 20, QBColor(0));
        // A wider pen draws the pattern solid, as the original did.
        s.SetDrawWidth(2);
        s.Line(10, 40, 210, 40, QBColor(0));
        s.SetDrawWidth(1);
        s.SetDrawStyle(DrawStyle::Solid);
        s.Line(10, 60, 210, 60, QBColor(0));
        // An open arc with a solid fill style stays an outline.
        s.SetFillStyle(FillStyle::Solid);
        s.SetFillColor(QBColor(12));
        s.Circle(120, 140, 50, QBColor(0), 0.0, std::numbers::pi);
    }
    const auto [dashDark, dashGaps] = RunOfRow(image, 20, 10, 210);
    EXPECT_GE(dashGaps, 5);
    EXPECT_LT(dashDark, 190);
    EXPECT_EQ(RunOfRow(image, 40, 12, 208).second, 0);
    EXPECT_EQ(RunOfRow(image, 60, 12, 208).second, 0);
    // Inside the half circle (above its chord) nothing is filled.
    EXPECT_TRUE(IsBackground(image.pixel(120, 120)));

    RecordingSurface r;
    r.SetDrawStyle(DrawStyle::Dash);
    ASSERT_EQ(r.CallsOf("DrawStyle").size(), 1u);
    EXPECT_EQ(r.CallsOf("DrawStyle")[0].numbers, std::vector<double>{1});
    EXPECT_EQ(r.GetDrawStyle(), DrawStyle::Dash);
}

TEST(DrawingSurface, CharacterScaleCountsCharacterCells) {
    // 640 x 480 pixels at 96 dpi are 9600 x 7200 twips: 80 characters of
    // 120 twips across, 30 lines of 240 twips down.
    RecordingSurface s(640, 480, 96);
    s.SetScaleMode(ScaleUnit::Characters);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 80);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 30);
}
