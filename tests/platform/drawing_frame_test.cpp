// Frames map the user scale onto part of the device; text printed as
// letters is recorded apart from glyph text.
#include <gtest/gtest.h>

#include "platform/recording_surface.h"

namespace {

TEST(DrawingFrame, FitFrameIsTheLargestOfItsShapeAtTheTopCentred) {
    struct Case {
        double w, h, ratio;
        double left, width, height;
    } cases[] = {
        {1000, 2000, 1.5, 0, 1000, 1500},     // as wide as the device
        {1000, 1200, 1.5, 100, 800, 1200},    // as high as the device, centred
        {1000, 1000, 1.0, 0, 1000, 1000},
    };
    for (const Case& c : cases) {
        RecordingSurface s(c.w, c.h, 100);
        s.FitFrame(c.ratio);
        s.Scale(-1, 1, 1, -1);
        EXPECT_NEAR(s.ToDeviceX(-1), c.left, 1e-9);
        EXPECT_NEAR(s.ToDeviceX(1), c.left + c.width, 1e-9);
        EXPECT_NEAR(s.ToDeviceY(1), 0, 1e-9);
        EXPECT_NEAR(s.ToDeviceY(-1), c.height, 1e-9);
        // A plain-unit scale counts from the device's corner again.
        s.SetScaleMode(ScaleUnit::Pixels);
        EXPECT_FALSE(s.HasFrame());
        EXPECT_NEAR(s.ToDeviceX(10), 10, 1e-9);
    }
}

TEST(DrawingFrame, PrintTextIsRecordedAsLetters) {
    RecordingSurface s(640, 480);
    s.SetFontName("Tandrell");
    s.PrintText("Ren\xE9" "e");
    s.Print("\xE0");
    ASSERT_EQ(s.CallsOf("PrintText").size(), 1u);
    EXPECT_EQ(s.CallsOf("PrintText")[0].text, "Ren\xE9" "e");
    EXPECT_EQ(s.CallsOf("Print").size(), 1u);
    EXPECT_DOUBLE_EQ(s.PlainTextWidth("abcd"), s.TextWidth("abcd"));
}

}  // namespace
