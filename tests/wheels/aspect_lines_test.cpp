// The aspect lines of a "90 degree wheel": which pairs are joined, where
// the ends lie and in which colour.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "platform/numbers.h"
#include "platform/recording_surface.h"
#include "program_state.h"
#include "wheel_test_support.h"
#include "wheels/aspect_lines.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

struct Wheel {
    std::array<double, 16> longitudes{};
    std::array<double, 16> angles{};
    std::array<float, 287> options{};
};

// Bodies 1 apart, so no pair forms an aspect; glyph angles apart from the
// longitudes so the ends show which one is used.
Wheel QuietWheel() {
    Wheel w;
    for (int b = 1; b <= 15; ++b) {
        w.longitudes[b] = 10.0 + b;
        w.angles[b] = 100.0 + 17.0 * b;
    }
    for (int n : {2, 3, 4, 5, 10}) w.options[n] = 2;
    return w;
}

std::set<std::pair<int, int>> Pairs(const std::vector<AspectLineSegment>& segs, int code) {
    std::set<std::pair<int, int>> pairs;
    for (const AspectLineSegment& s : segs)
        if (s.code == code) pairs.insert({s.from, s.to});
    return pairs;
}

}  // namespace

TEST(AspectLines, OnlyExactTailSelectsTheMode) {
    EXPECT_TRUE(EndsWithNinetyDegreeWheel("Anna 90 degree wheel"));
    EXPECT_TRUE(EndsWithNinetyDegreeWheel("90 degree wheel"));
    EXPECT_FALSE(EndsWithNinetyDegreeWheel("Anna 90 degree wheel "));
    EXPECT_FALSE(EndsWithNinetyDegreeWheel("Anna 90 Degree wheel"));
    EXPECT_FALSE(EndsWithNinetyDegreeWheel("degree wheel"));
}

TEST(AspectLines, PairsCodesAndExclusions) {
    Wheel w = QuietWheel();
    w.longitudes[1] = 10;     // Sun
    w.longitudes[3] = 161.5;  // Venus: 151.5 from the Sun, a quincunx within 2
    w.longitudes[2] = 7;      // Mercury on the Sun: a conjunction, never drawn
    w.longitudes[14] = 100;   // Ascendant
    w.longitudes[15] = 190;   // MC square the Ascendant: not joined
    w.longitudes[13] = 131;   // Chiron trine the Sun: joined
    w.longitudes[11] = 190;   // North Node opposite the Sun: the nodes are out
    w.longitudes[12] = 70;    // South Node sextile the Sun
    const auto segs = AspectLineSegments(w.longitudes, w.angles, w.options, 1.0);
    EXPECT_EQ(Pairs(segs, 11), (std::set<std::pair<int, int>>{{1, 3}, {3, 1}}));
    EXPECT_EQ(Pairs(segs, 5), (std::set<std::pair<int, int>>{{1, 13}, {13, 1}}));
    for (const AspectLineSegment& s : segs) {
        EXPECT_NE(s.code, 2);
        for (int body : {s.from, s.to}) EXPECT_TRUE(body <= 10 || body == 13) << body;
    }
    // Each pair twice, in both orders.
    EXPECT_EQ(segs.size(), 4u);
}

TEST(AspectLines, EndsOnRadius120AtTheGlyphAngles) {
    Wheel w = QuietWheel();
    w.longitudes[1] = 0;
    w.longitudes[4] = 90;  // Mars square the Sun
    w.angles[1] = 180;
    w.angles[4] = 30;
    for (double k : {1.0, 0.9475}) {
        const auto segs = AspectLineSegments(w.longitudes, w.angles, w.options, k);
        ASSERT_EQ(segs.size(), 2u);
        const AspectLineSegment& s = segs[0];
        EXPECT_EQ(s.from, 1);
        EXPECT_EQ(s.code, 4);
        EXPECT_NEAR(s.x1, -120, 1e-6);
        EXPECT_NEAR(s.y1, 0, 1e-6);
        EXPECT_NEAR(s.x2, 120 * std::sqrt(3.0) / 2, 1e-6);
        EXPECT_NEAR(s.y2, k * 60, 1e-6);
    }
}

TEST(AspectLines, BoundsAndOrderOfTests) {
    struct Case {
        double separation;
        float orb;
        int code;
    } cases[] = {
        {62, 2, 3}, {58, 2, 3}, {62.01, 2, 1}, {178, 2, 6}, {181, 2, 6} /* 179 */, {177.9, 2, 1},
        {150, 0, 11},
        // Wide orbs: the quincunx, tested last, takes 150 from the trine and the opposition.
        {150, 30, 11},
    };
    for (const Case& c : cases) {
        Wheel w = QuietWheel();
        for (int n : {2, 3, 4, 5, 10}) w.options[n] = c.orb;
        w.longitudes.fill(0);
        for (int b = 2; b <= 15; ++b) w.longitudes[b] = 300 + 0.001 * b;  // one crowd, no aspect to the Sun...
        w.longitudes[1] = 0;
        w.longitudes[4] = c.separation;
        int found = 1;
        for (const AspectLineSegment& s : AspectLineSegments(w.longitudes, w.angles, w.options, 1.0))
            if (s.from == 1 && s.to == 4) found = s.code;
        EXPECT_EQ(found, c.code) << c.separation << " orb " << c.orb;
    }
}

TEST(AspectLines, ColoursOnWindowPageAndHalfPage) {
    std::array<float, 287> o{};
    o[97] = 2;
    o[98] = 4;
    o[99] = 5;
    o[112] = 9;
    o[113] = 12;
    o[114] = 13;
    EXPECT_EQ(AspectLineColour(3, false, false, o), QBColor(2));
    EXPECT_EQ(AspectLineColour(5, false, true, o), QBColor(0));  // half page: sextiles and trines black
    EXPECT_EQ(AspectLineColour(3, false, true, o), QBColor(0));
    EXPECT_EQ(AspectLineColour(4, false, true, o), QBColor(4));
    EXPECT_EQ(AspectLineColour(6, false, false, o), QBColor(4));
    EXPECT_EQ(AspectLineColour(11, false, true, o), QBColor(5));
    EXPECT_EQ(AspectLineColour(5, true, false, o), QBColor(9));
    EXPECT_EQ(AspectLineColour(6, true, false, o), QBColor(12));
    EXPECT_EQ(AspectLineColour(11, true, false, o), QBColor(13));
}

// ---------------------------------------------------------------------------
// The lines as the wheel's paint draws them.

namespace {

struct DrawnLine {
    RecordedCall line;
    RecordedCall glyph;
};

// Lines with both ends on radius 120 (times the vertical factor), each
// with the glyph printed after it.
std::vector<DrawnLine> AspectLinesDrawn(const RecordingSurface& s, double k) {
    std::vector<DrawnLine> drawn;
    const auto& calls = s.Calls();
    const auto onCircle = [k](double x, double y) { return std::fabs(std::hypot(x, y / k) - 120) < 1e-6; };
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const RecordedCall& c = calls[i];
        if (c.op != "Line" || !onCircle(c.numbers[0], c.numbers[1]) || !onCircle(c.numbers[2], c.numbers[3])) continue;
        std::size_t j = i + 1;
        while (j < calls.size() && calls[j].op != "Print") ++j;
        EXPECT_LT(j, calls.size());
        if (j < calls.size()) drawn.push_back({c, calls[j]});
    }
    return drawn;
}

void SetUpNinetyDegreeWheel(ProgramState& ps, const std::string& firstLine) {
    wheeltest::ComputeWheelCouple(ps, fixtures::NorthCouple());
    SetUpNatalWheel(ps, false);
    ps.wheels.WheelHeader1[1] = firstLine;
    LoadWheelCharts(ps);
    ResizeWheelWindow(ps, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
    ps.settings.OptionValues[47] = 1;
}

}  // namespace

TEST(AspectLinesDrawn, WindowLinesGlyphMiddlesAndColours) {
    ProgramState ps;
    SetUpNinetyDegreeWheel(ps, "Alice Sample 90 degree wheel");
    const auto& o = ps.settings.OptionValues;
    RecordingSurface s(wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
    ASSERT_TRUE(PaintWheelWindow(ps, s, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx));
    const auto expected = AspectLineSegments(ps.wheels.WheelLongitudes, ps.wheels.BodyGlyphAngles, o, 1.0);
    const auto drawn = AspectLinesDrawn(s, 1.0);
    ASSERT_FALSE(expected.empty());
    ASSERT_EQ(drawn.size(), expected.size());
    s.SetFontSize(o[77]);
    for (std::size_t n = 0; n < drawn.size(); ++n) {
        const AspectLineSegment& e = expected[n];
        const RecordedCall& line = drawn[n].line;
        EXPECT_NEAR(line.numbers[0], 120 * std::cos(ps.wheels.BodyGlyphAngles[e.from] * M_PI / 180), 1e-6);
        EXPECT_NEAR(line.numbers[3], 120 * std::sin(ps.wheels.BodyGlyphAngles[e.to] * M_PI / 180), 1e-6);
        EXPECT_EQ(line.colour, AspectLineColour(e.code, false, false, o));
        const RecordedCall& glyph = drawn[n].glyph;
        EXPECT_EQ(static_cast<unsigned char>(glyph.text[0]), e.code + 159);
        const std::string g = glyph.text;
        EXPECT_NEAR(glyph.numbers[0], (e.x1 + e.x2) / 2 - s.TextWidth(g) / 2, 1e-9);
        EXPECT_NEAR(glyph.numbers[1], (e.y1 + e.y2) / 2 + std::fabs(s.TextHeight(g)) / 2, 1e-9);
        EXPECT_NE(e.code, 2);
        EXPECT_TRUE(e.from <= 13 && e.to <= 13);
    }

    // Half page: sextiles and trines black, the others keep their colours.
    ps.wheels.HalfPagePrint = 1;
    RecordingSurface half(wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
    PaintWheelWindow(ps, half, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
    int black = 0;
    for (const DrawnLine& d : AspectLinesDrawn(half, 1.0)) {
        const int code = static_cast<unsigned char>(d.glyph.text[0]) - 159;
        if (code == 3 || code == 5) {
            EXPECT_EQ(d.line.colour, QBColor(0));
            ++black;
        } else {
            EXPECT_EQ(d.line.colour, code == 11 ? QBColor(CInt(o[99])) : QBColor(CInt(o[98])));
        }
    }
    EXPECT_GT(black, 0);
}

TEST(AspectLinesDrawn, PageUsesItsFactorAndColours) {
    ProgramState ps;
    SetUpNinetyDegreeWheel(ps, "Alice Sample 90 degree wheel");
    ps.settings.OptionValues[178] = 0;
    RecordingSurface page(2400, 3150, 300);
    PaintWheelPage(ps, page, {});
    const auto expected =
        AspectLineSegments(ps.wheels.WheelLongitudes, ps.wheels.BodyGlyphAngles, ps.settings.OptionValues, 0.9475);
    const auto drawn = AspectLinesDrawn(page, 0.9475);
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t n = 0; n < drawn.size(); ++n)
        EXPECT_EQ(drawn[n].line.colour, AspectLineColour(expected[n].code, true, false, ps.settings.OptionValues));
}

TEST(AspectLinesDrawn, NoneWithoutTheExactHeaderOptionOrOnABiWheel) {
    const auto count = [](ProgramState& ps) {
        RecordingSurface s(wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
        PaintWheelWindow(ps, s, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
        return AspectLinesDrawn(s, 1.0).size();
    };
    ProgramState ps;
    SetUpNinetyDegreeWheel(ps, "Alice Sample 90 degree wheel");
    EXPECT_GT(count(ps), 0u);
    ps.settings.OptionValues[47] = 0;
    EXPECT_EQ(count(ps), 0u);
    ps.settings.OptionValues[47] = 1;
    ps.wheels.WheelHeader1[1] = "Alice Sample 90 degree wheel ";
    EXPECT_EQ(count(ps), 0u);

    ProgramState bi;
    wheeltest::ComputeWheelCouple(bi, fixtures::NorthCouple());
    FillDualWheelLegend(bi, DualFiller::Plain);
    bi.wheels.WheelHeader1[1] = "Alice Sample 90 degree wheel";
    LoadWheelCharts(bi);
    ResizeWheelWindow(bi, wheeltest::kWindowWidthPx, wheeltest::kWindowHeightPx);
    bi.settings.OptionValues[47] = 1;
    EXPECT_EQ(count(bi), 0u);
}
