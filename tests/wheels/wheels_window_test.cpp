#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ui/ui_state.h"
#include "people/ui/input_window_hooks.h"
#include "platform/font_registry.h"
#include "platform/numbers.h"
#include "platform/painter_surface.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "test_support.h"
#include "wheel_test_support.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_geometry.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

class WheelsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const RegisteredFont font = AddFontFile(JoinPath(testsupport::ShippedDataDir(), "tandrell.ttf"));
        ASSERT_GE(font.Id, 0);
        SetUiState(&ps);
        InputHooks().FocusMainWindow = [this] { ++focused; };
    }
    void TearDown() override {
        UnloadForm<Wheels>();
        QApplication::processEvents();
        InputHooks().FocusMainWindow = nullptr;
    }
    Wheels& Open() {
        UnloadForm<Wheels>();
        QApplication::processEvents();
        Wheels& w = FormOf<Wheels>();
        w.Show();
        QApplication::processEvents();
        return w;
    }
    // Pixels of the picture that differ from the background.
    static int InkPixels(const QImage& image) {
        const QRgb background = image.pixel(image.width() - 2, image.height() / 2);
        int ink = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (image.pixel(x, y) != background) ++ink;
        return ink;
    }
    // Whether the outermost pixels of the drawing area (under the menu bar)
    // hold ink: a label cut by the window's edge does.
    static bool InkAtEdges(Wheels& w) {
        const QImage image = w.grab().toImage();
        const int top = w.menuBar()->height(), bottom = image.height() - 1, right = image.width() - 1;
        const QRgb background = image.pixel(right - 1, bottom - 1);
        for (int y = top; y <= bottom; ++y)
            for (int x : {0, right})
                if (image.pixel(x, y) != background) return true;
        for (int x = 0; x <= right; ++x)
            for (int y : {top, bottom})
                if (image.pixel(x, y) != background) return true;
        return false;
    }
    // With TANDRELL_WHEEL_SHOTS naming a folder, the window's picture goes there.
    static void Shot(Wheels& w, const char* name) {
        if (const char* dir = std::getenv("TANDRELL_WHEEL_SHOTS")) w.grab().save(QString(dir) + "/" + name + ".png");
    }
    ProgramState ps;
    int focused = 0;
};

TEST_F(WheelsWindowTest, SingleWheelOpensWithItsMenus) {
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    Wheels& w = Open();
    EXPECT_TRUE(w.mnuChartType.Visible());
    EXPECT_FALSE(w.mnuSwitch.Visible());
    EXPECT_TRUE(w.mnuCTAmerican.Checked());
    EXPECT_TRUE(w.mnuPrintChartwheel.Enabled());
    EXPECT_EQ(w.mnuOrbsChange.Shortcut(), "F11");
    EXPECT_EQ(w.mnuOrbsEdit.Shortcut(), "F12");
    EXPECT_EQ(w.mnuCTEuropean.Shortcut(), "F8");
    const QImage picture = w.grab().toImage();
    EXPECT_GT(InkPixels(picture), 500);
    EXPECT_EQ(w.Caption(), ps.chart.CaptionPrefix + "Chartwheels");
    EXPECT_EQ(ps.wheels.WheelLongitudes[1], ps.chart.NatalLongitudes[1]);
    Shot(w, "north_natal_american");

    w.mnuCTEuropean.PerformClick();
    EXPECT_EQ(ps.settings.ChartStyle, 1);
    EXPECT_TRUE(w.mnuCTEuropean.Checked());
    EXPECT_FALSE(w.mnuCTAmerican.Checked());
    Shot(w, "north_natal_european");
    w.mnuCTAmerican.PerformClick();
    EXPECT_EQ(ps.settings.ChartStyle, 0);

    // A "90 degree wheel" stays American.
    ps.wheels.WheelHeader1[1] = "Test 90 degree wheel";
    w.mnuCTEuropean.PerformClick();
    EXPECT_EQ(ps.settings.ChartStyle, 0);
    EXPECT_TRUE(w.mnuCTAmerican.Checked());
}

TEST_F(WheelsWindowTest, ResizeKeepsTheWheelWholeAndEscReturns) {
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    Wheels& w = Open();
    struct Size {
        int w, h;
    } sizes[] = {{900, 500}, {400, 700}, {600, 600}, {700, 740}, {1000, 440}, {420, 460}};
    for (const Size& s : sizes) {
        w.resize(s.w, s.h);
        QApplication::processEvents();
        const std::optional<int> expected = StartScaleFor(w.InsideWidth(), w.InsideHeight());
        ASSERT_TRUE(expected);
        EXPECT_EQ(ps.settings.StartScale, *expected);
        // The outer circle fits inside: the scale spans at least 217 units
        // each way from the centre.
        EXPECT_GE(ps.settings.StartScale, 217);
        EXPECT_GE(ps.settings.StartScale * std::fabs(w.InsideHeight() / w.InsideWidth()), 217);
        EXPECT_GT(InkPixels(w.grab().toImage()), 500);
        EXPECT_FALSE(InkAtEdges(w)) << s.w << " x " << s.h;
        for (int style : {1, 0}) {
            ps.settings.ChartStyle = style;
            w.Refresh();
            EXPECT_FALSE(InkAtEdges(w)) << s.w << " x " << s.h << " style " << style;
        }
    }
    int key = 27;
    w.Form_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(focused, 1);
    key = 'a';
    w.Form_KeyPress(key);
    EXPECT_EQ(key, 'a');
    w.Form_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(focused, 1);
    w.Form_MouseUp(2, 0, 0, 0);
    EXPECT_EQ(focused, 2);
}

TEST_F(WheelsWindowTest, BiWheelsAndComposite) {
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    FillDualWheelLegend(ps, DualFiller::Plain);
    Wheels& w = Open();
    EXPECT_FALSE(w.mnuChartType.Visible());
    EXPECT_TRUE(w.mnuSwitch.Visible());
    EXPECT_GT(InkPixels(w.grab().toImage()), 500);
    Shot(w, "north_biwheel");

    ProgramState transits;
    wheeltest::ComputeWheelCouple(transits, fixtures::NorthTransits());
    SetUiState(&transits);
    transits.settings.OptionValues[216] = 1;
    FillDualWheelLegend(transits, DualFiller::Plain);
    Wheels& t = Open();
    EXPECT_FALSE(t.mnuSwitch.Visible());
    t.grab();
    EXPECT_EQ(transits.wheels.RingsSwapped, 1);
    EXPECT_EQ(transits.wheels.WheelLongitudes[1], transits.chart.SecondLongitudes[1]);
    Shot(t, "transits_biwheel_216");
    // A bi-wheel without a second person is never shown switched.
    transits.wheels.WheelSwitched = 1;
    FillDualWheelLegend(transits, DualFiller::Plain);
    Open().grab();
    EXPECT_EQ(transits.wheels.WheelSwitched, 0);
    // Loaded anew, the rings are exchanged once more: the switched filler
    // put the transits outside, the exchange brings the natal chart there.
    EXPECT_EQ(transits.wheels.RingsSwapped, 1);
    EXPECT_EQ(transits.wheels.WheelLongitudes[1], transits.chart.NatalLongitudes[1]);

    ProgramState south;
    wheeltest::ComputeWheelCouple(south, fixtures::SouthCouple());
    SetUiState(&south);
    SetUpCompositeWheel(south, "-33.52");
    Wheels& c = Open();
    EXPECT_TRUE(c.mnuChartType.Visible());
    EXPECT_GT(InkPixels(c.grab().toImage()), 500);
    Shot(c, "south_composite");
    SetUiState(&ps);
}

TEST_F(WheelsWindowTest, PagePicture) {
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    FillDualWheelLegend(ps, DualFiller::Plain);
    LoadWheelCharts(ps);
    // A Letter printable area at 100 dots per inch.
    QImage image(800, 1050, QImage::Format_RGB32);
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterSurface page(&painter, false);
        PaintWheelPage(ps, page, {"Chart prepared by: Tester"});
    }
    EXPECT_GT(InkPixels(image), 500);
    if (const char* dir = std::getenv("TANDRELL_WHEEL_SHOTS")) image.save(QString(dir) + "/north_biwheel_page.png");
}

}  // namespace
