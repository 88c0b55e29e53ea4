#include <gtest/gtest.h>

#include <cmath>

#include "app/options_file.h"
#include "golden_compare.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "wheel_test_support.h"
#include "test_support.h"
#include "wheels/wheel_legends.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

using wheeltest::kWindowHeightPx;
using wheeltest::kWindowWidthPx;

// A fixture couple set up by one of the wheel items and loaded as the
// window loads it.
enum class Wheel { Natal, BiWheel, Composite };
void SetUpWheel(ProgramState& ps, const fixtures::Couple& couple, Wheel wheel, const std::string& latitude = "99") {
    wheeltest::ComputeWheelCouple(ps, couple);
    switch (wheel) {
        case Wheel::Natal: SetUpNatalWheel(ps, false); break;
        case Wheel::BiWheel: FillDualWheelLegend(ps, DualFiller::Plain); break;
        case Wheel::Composite: SetUpCompositeWheel(ps, latitude); break;
    }
    LoadWheelCharts(ps);
    ResizeWheelWindow(ps, kWindowWidthPx, kWindowHeightPx);
}

std::string PaintWindow(ProgramState& ps, RecordingSurface& s) {
    EXPECT_TRUE(PaintWheelWindow(ps, s, kWindowWidthPx, kWindowHeightPx));
    return wheeltest::CallsText(s);
}

// Every spoke ends on a circle: each line end lies at one of the radii, in
// device pixels, within the tolerance.
void ExpectSpokesOnCircles(const RecordingSurface& s, std::vector<double> radii, double tolerancePx) {
    const double cx = s.ToDeviceX(0), cy = s.ToDeviceY(0);
    const double unit = s.PixelsPerUnitX();
    int spokes = 0;
    for (const RecordedCall& c : s.CallsOf("Line")) {
        for (int end = 0; end < 2; ++end) {
            const double dx = s.ToDeviceX(c.numbers[2 * end]) - cx, dy = s.ToDeviceY(c.numbers[2 * end + 1]) - cy;
            const double r = std::hypot(dx, dy);
            double best = 1e9;
            for (double want : radii) best = std::min(best, std::fabs(r - want * unit));
            EXPECT_LE(best, tolerancePx) << "line end at " << r / unit << " units";
        }
        ++spokes;
    }
    EXPECT_EQ(spokes, 12);
}

TEST(WheelPaint, WindowSpokesEndOnTheCircles) {
    ProgramState ps;
    SetUpWheel(ps, fixtures::NorthCouple(), Wheel::Natal);
    for (int style : {0, 1}) {
        ps.settings.ChartStyle = style;
        RecordingSurface s(kWindowWidthPx, kWindowHeightPx);
        PaintWindow(ps, s);
        EXPECT_NEAR(s.PixelsPerUnitX(), -s.PixelsPerUnitY(), 1e-12);
        ExpectSpokesOnCircles(s, {120, 217}, 1e-9);
    }
}

TEST(WheelPaint, PageSpokesEndOnTheCirclesOnLetterAndA4) {
    // Printable areas at 600 dots per inch: Letter and A4 less their margins.
    struct Paper {
        const char* name;
        double widthIn, heightIn;
    } papers[] = {{"Letter", 8.0, 10.5}, {"A4", 7.93, 11.36}};
    for (Wheel wheel : {Wheel::Natal, Wheel::BiWheel}) {
        for (const Paper& p : papers) {
            ProgramState ps;
            SetUpWheel(ps, fixtures::NorthCouple(), wheel);
            ps.settings.OptionValues[178] = 0;  // no aspect grid: its lines are no spokes
            RecordingSurface page(p.widthIn * 600, p.heightIn * 600, 600);
            PaintWheelPage(ps, page, {});
            SCOPED_TRACE(p.name);
            ExpectSpokesOnCircles(page, wheel == Wheel::Natal ? std::vector<double>{120, 217} : std::vector<double>{40, 217},
                                  0.5);
            // The frame stands at the top, centred across, inside the page.
            const double left = page.ToDeviceX(page.ScaleLeft());
            const double right = page.ToDeviceX(page.ScaleLeft() + page.ScaleWidth());
            EXPECT_NEAR(page.ToDeviceY(page.ScaleTop()), 0, 1e-6);
            EXPECT_NEAR(left, p.widthIn * 600 - right, 1e-6);
            EXPECT_GE(left, -1e-6);
            EXPECT_LE(page.ToDeviceY(page.ScaleTop() + page.ScaleHeight()), p.heightIn * 600 + 1e-6);
        }
    }
    // The page keeps its own scale; the window's stays.
    ProgramState ps;
    SetUpWheel(ps, fixtures::NorthCouple(), Wheel::Natal);
    const int windowScale = ps.settings.StartScale;
    RecordingSurface page(4800, 6300, 600);
    PaintWheelPage(ps, page, {});
    EXPECT_EQ(ps.settings.StartScale, windowScale);
    EXPECT_EQ(PageStartScale(1, 1), 272);
    EXPECT_EQ(PageStartScale(1, 2), 265);
    EXPECT_EQ(PageStartScale(0, 1), 265);
}

TEST(WheelPaint, APaintLeavesTheChartStateAlone) {
    ProgramState ps;
    SetUpWheel(ps, fixtures::NorthTransits(), Wheel::BiWheel);
    ps.settings.OptionValues[216] = 1;
    const ChartState before = ps.chart;
    RecordingSurface s(kWindowWidthPx, kWindowHeightPx);
    PaintWindow(ps, s);
    RecordingSurface page(4800, 6300, 600);
    PaintWheelPage(ps, page, {});
    const ChartState& after = ps.chart;
    EXPECT_EQ(after.WorkLongitudes, before.WorkLongitudes);
    EXPECT_EQ(after.WorkCusps, before.WorkCusps);
    EXPECT_EQ(after.WorkDeclinations, before.WorkDeclinations);
    EXPECT_EQ(after.HouseString, before.HouseString);
    EXPECT_EQ(after.WheelHouseString, before.WheelHouseString);
    EXPECT_EQ(after.RetrogradeFlags, before.RetrogradeFlags);
    EXPECT_EQ(after.LoopK, before.LoopK);
    EXPECT_EQ(after.SignOrCode, before.SignOrCode);
    EXPECT_EQ(after.MinutesInSign, before.MinutesInSign);
    // The transits went outside once, with their declinations.
    EXPECT_EQ(ps.wheels.RingsSwapped, 1);
    EXPECT_EQ(ps.wheels.WheelLongitudes[1], ps.chart.SecondLongitudes[1]);
    EXPECT_EQ(ps.wheels.WheelDeclinations[1], ps.chart.SecondDeclinations[1]);
    EXPECT_EQ(ps.wheels.WheelSecondDeclinations[1], ps.chart.NatalDeclinations[1]);
}

TEST(WheelPaint, PageLegendSiderealAndPersonalLines) {
    ProgramState ps;
    SetUpWheel(ps, fixtures::NorthCouple(), Wheel::Natal);
    ps.settings.OptionValues[198] = 1;
    ps.settings.OptionValues[174] = 1;
    ps.settings.OptionValues[178] = 0;  // no grid: the page ends with the personal lines' font
    ps.wheels.WheelHeader1[1] = "Ren\xE9" "e - natal";
    RecordingSurface page(2400, 3150, 300);
    const std::vector<std::string> lines = ReadPersonalLines(testsupport::ShippedDataDir(), 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(ReadPersonalLines(testsupport::ShippedDataDir(), 0).empty());
    EXPECT_TRUE(ReadPersonalLines(testsupport::MakeTempDir(), 1).empty());
    PaintWheelPage(ps, page, lines);
    const std::vector<RecordedCall> texts = page.CallsOf("PrintText");
    // An empty second legend prints nothing.
    ASSERT_EQ(texts.size(), 7u + 1 + 2);
    EXPECT_EQ(texts[0].text, "Ren\xE9" "e - natal");
    EXPECT_EQ(texts[7].text, "Sidereal");
    for (std::size_t i = 8; i < 10; ++i) {
        // Each personal line ends option 177 units left of the right edge.
        const double right = texts[i].numbers[0] + page.PlainTextWidth(texts[i].text);
        EXPECT_NEAR(right, page.ScaleWidth() / 2 - ps.settings.OptionValues[177], 1e-9);
    }
    EXPECT_EQ(texts[8].text, lines[0]);
}

TEST(WheelPaint, NoPaintWithoutInsideArea) {
    ProgramState ps;
    SetUpWheel(ps, fixtures::NorthCouple(), Wheel::Natal);
    const int scale = ps.settings.StartScale;
    RecordingSurface s(10, 10);
    EXPECT_FALSE(PaintWheelWindow(ps, s, 0, 300));
    EXPECT_FALSE(ResizeWheelWindow(ps, 300, 0));
    EXPECT_EQ(ps.settings.StartScale, scale);
    EXPECT_TRUE(s.Calls().empty());
}

TEST(WheelPaint, ColumnsAndHouseNumbers) {
    ProgramState ps;
    SetUpWheel(ps, fixtures::NorthCouple(), Wheel::BiWheel);
    ps.wheels.WheelRetroFlags[1] = 'R';   // Mercury
    ps.wheels.WheelRetroFlags[10] = 'R';  // North Node: never marked
    RecordingSurface s(kWindowWidthPx, kWindowHeightPx);
    PaintWindow(ps, s);
    int retro = 0, houseNumbers = 0;
    for (const RecordedCall& c : s.CallsOf("Print")) {
        if (c.text == std::string(1, static_cast<char>(156))) ++retro;
        if (c.numbers == std::vector<double>{-56, 18} && c.text == "1") ++houseNumbers;
        if (c.numbers == std::vector<double>{-48, 18} && c.text == "2") ++houseNumbers;
        if (c.numbers == std::vector<double>{-12, 52} && c.text == "0") ++houseNumbers;
    }
    int expectedRetro = 1;  // Mercury
    for (int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13})
        if (b != 2 && ps.wheels.WheelRetroFlags[static_cast<std::size_t>(b - 1)] == 'R') ++expectedRetro;
    for (int b : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13})
        if (ps.wheels.WheelSecondFlags[static_cast<std::size_t>(b - 1)] == 'R') ++expectedRetro;
    EXPECT_EQ(retro, expectedRetro);
    EXPECT_EQ(houseNumbers, 3);
    // Legends print as letters.
    EXPECT_FALSE(s.CallsOf("PrintText").empty());
    for (const RecordedCall& c : s.CallsOf("Print")) EXPECT_EQ(c.text.size(), 1u) << c.text;
}

// Golden recordings of whole paints.
struct GoldenCase {
    const char* file;
    fixtures::Couple (*couple)();
    Wheel wheel;
    int style;
    float option216;
    bool page;
    const char* latitude;
};

TEST(WheelPaint, GoldenRecordings) {
    const GoldenCase cases[] = {
        {"wheels/north_natal_american.txt", fixtures::NorthCouple, Wheel::Natal, 0, 0, false, "99"},
        {"wheels/north_natal_european.txt", fixtures::NorthCouple, Wheel::Natal, 1, 0, false, "99"},
        {"wheels/north_biwheel.txt", fixtures::NorthCouple, Wheel::BiWheel, 0, 0, false, "99"},
        {"wheels/transits_biwheel_216.txt", fixtures::NorthTransits, Wheel::BiWheel, 0, 1, false, "99"},
        {"wheels/south_composite_33_52_south.txt", fixtures::SouthCouple, Wheel::Composite, 0, 0, false, "-33.52"},
        {"wheels/north_biwheel_page.txt", fixtures::NorthCouple, Wheel::BiWheel, 0, 0, true, "99"},
    };
    for (const GoldenCase& g : cases) {
        ProgramState ps;
        wheeltest::ComputeWheelCouple(ps, g.couple());
        ps.settings.OptionValues[216] = g.option216;
        ps.settings.ChartStyle = g.style;
        switch (g.wheel) {
            case Wheel::Natal: SetUpNatalWheel(ps, false); break;
            case Wheel::BiWheel: FillDualWheelLegend(ps, DualFiller::Plain); break;
            case Wheel::Composite: SetUpCompositeWheel(ps, g.latitude); break;
        }
        LoadWheelCharts(ps);
        ResizeWheelWindow(ps, kWindowWidthPx, kWindowHeightPx);
        std::string text;
        if (g.page) {
            ps.settings.OptionValues[174] = 1;
            // The print reads the wheel's orbs before the page, for its aspect grid.
            ps.settings.CurrentOrbFile = JoinPath(testsupport::ShippedDataDir(), "SYNASTRY.ORB");
            ASSERT_TRUE(LoadOrbsFile(ps.settings));
            RecordingSurface page(8.0 * 300, 10.5 * 300, 300);
            PaintWheelPage(ps, page, {"Chart prepared by: Tester", "Street 1"});
            text = wheeltest::CallsText(page);
        } else {
            RecordingSurface s(kWindowWidthPx, kWindowHeightPx);
            text = PaintWindow(ps, s);
        }
        const std::string diff = golden::CompareWithGolden(g.file, text);
        EXPECT_TRUE(diff.empty()) << g.file << "\n" << diff;
    }
}

}  // namespace
