// The aspect list window's text: which pairs are listed, in which order,
// with which glyph.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options_file.h"
#include "app/settings.h"
#include "platform/glyph_codes.h"
#include "platform/text_file.h"
#include "test_support.h"
#include "wheels/aspect_list.h"

namespace {

const char* BodyName(int code) {
    static const char* names[] = {"?",       "Sun",     "Mercury", "Venus", "Mars",  "Jupiter", "Saturn", "Uranus",
                                  "Neptune", "Pluto",   "Moon",    "NNode", "SNode", "Chiron",  "Asc",    "MC"};
    const int body = code - kBodyGlyphOffset;
    return body >= 1 && body <= 15 ? names[body] : "?";
}

std::string AspectName(int glyph) {
    if (glyph == kParallelGlyph) return "parallel";
    if (glyph == kContraparallelGlyph) return "contraparallel";
    static const char* names[] = {"conjunct", "sextile",      "square",   "trine",   "opposite",
                                  "parallel", "semi-sextile", "semi-square", "sesquiquadrate", "quincunx",
                                  "semi-quintile", "nonagen", "quintile", "trecile", "bi-quintile", "septile"};
    const int code = glyph - kAspectGlyphOffset;
    return code >= 2 && code <= 17 ? names[code - 2] : "?";
}

// The list as readable lines ("Sun trine Moon"; "" for an empty line).
std::vector<std::string> Decode(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos) break;
        const std::string line = text.substr(start, end - start);
        if (line.empty()) {
            lines.emplace_back();
        } else {
            EXPECT_EQ(line.size(), 7u);
            EXPECT_EQ(line.substr(0, 2), "  ");
            const auto code = [&](std::size_t i) { return static_cast<unsigned char>(line[i]); };
            lines.push_back(std::string(BodyName(code(2))) + " " + AspectName(code(4)) + " " + BodyName(code(6)));
        }
        start = end + 2;
    }
    return lines;
}

// Bodies far apart from each other by no aspect angle, declinations apart
// by more than any orb; all orbs 0.
AspectListInput QuietInput(int chartCount) {
    AspectListInput in;
    in.chartCount = chartCount;
    for (int b = 1; b <= 15; ++b) {
        in.outer.longitudes[b] = 200.0 + 2.718281 * b;
        in.inner.longitudes[b] = 17.3 + 3.14159 * b;
        in.outer.declinations[b] = 10.0 + 3.1 * b;
        in.inner.declinations[b] = 11.55 + 3.1 * b;
    }
    return in;
}

std::vector<std::string> Lines(const AspectListInput& in) { return Decode(BuildAspectList(in)); }

// The lines between the named bodies only, and the empty lines.
std::vector<std::string> LinesBetween(const AspectListInput& in, const std::string& a, const std::string& b) {
    std::vector<std::string> kept;
    for (const std::string& line : Lines(in)) {
        const std::string first = line.substr(0, line.find(' '));
        const std::string last = line.substr(line.rfind(' ') + 1);
        if (line.empty() || ((first == a || first == b) && (last == a || last == b))) kept.push_back(line);
    }
    return kept;
}

}  // namespace

TEST(AspectList, ListsEachPairInBothRowsInListOrder) {
    AspectListInput in = QuietInput(1);
    in.outer.longitudes[1] = 10;   // Sun 10 Aries
    in.outer.longitudes[10] = 132; // Moon 12 Leo: 122 apart
    in.orbs[4] = 3;
    EXPECT_EQ(LinesBetween(in, "Sun", "Moon"), (std::vector<std::string>{"", "Sun trine Moon", "Moon trine Sun", ""}));
    in.orbs[4] = 1.9f;
    EXPECT_EQ(LinesBetween(in, "Sun", "Moon"), (std::vector<std::string>{"", ""}));
}

TEST(AspectList, BoundsOrderAndFolding) {
    struct Case {
        double sun, mercury;
        int orbLine;
        float orb;
        std::string expected;  // the Sun's line, "" for none
    } cases[] = {
        {100, 166, 2, 6, "Sun sextile Mercury"},          // 60 + orb, included
        {100, 166.01, 2, 6, ""},                          // just beyond
        {100, 154, 2, 6, "Sun sextile Mercury"},          // 60 - orb
        {10, 190, 5, 8, "Sun opposite Mercury"},          // opposition from below only
        {10, 182, 5, 8, "Sun opposite Mercury"},          // 172: 180 - 8
        {10, 181.9, 5, 8, ""},
        {0, 360.0 / 7.0 + 1, 16, 1, "Sun septile Mercury"},
        {5, 355, 1, 10, "Sun conjunct Mercury"},          // 350 apart counts as 10
        {5, 355, 1, 9.99f, ""},
    };
    for (const Case& c : cases) {
        AspectListInput in = QuietInput(1);
        in.outer.longitudes[1] = c.sun;
        in.outer.longitudes[2] = c.mercury;
        in.orbs[static_cast<std::size_t>(c.orbLine)] = c.orb;
        const std::vector<std::string> lines = LinesBetween(in, "Sun", "Mercury");
        SCOPED_TRACE(testing::Message() << c.sun << " " << c.mercury);
        if (c.expected.empty()) {
            EXPECT_EQ(lines.size(), 2u);
        } else {
            ASSERT_EQ(lines.size(), 4u);
            EXPECT_EQ(lines[1], c.expected);
        }
    }
}

TEST(AspectList, LaterTestWinsAndConjunctionWinsOverAll) {
    AspectListInput in = QuietInput(1);
    in.outer.longitudes[1] = 0;
    in.outer.longitudes[3] = 40;  // Venus
    in.orbs[11] = 5;              // semi-quintile 36 +- 5
    in.orbs[12] = 1;              // nonagen 40 +- 1
    in.orbs[13] = 0;
    EXPECT_EQ(LinesBetween(in, "Sun", "Venus")[1], "Sun nonagen Venus");
    in.orbs[7] = 10;  // semi-sextile also
    in.orbs[2] = 20;  // sextile also
    EXPECT_EQ(LinesBetween(in, "Sun", "Venus")[1], "Sun nonagen Venus");
    in.orbs[1] = 40;  // the conjunction takes it whatever matched before
    EXPECT_EQ(LinesBetween(in, "Sun", "Venus")[1], "Sun conjunct Venus");
}

TEST(AspectList, ShortOrbSetLeavesOutNodesAscendantAndMc) {
    // The shipped "MAGI_NAT.ORB" is the short orb set.
    Settings s;
    s.CurrentOrbFile = JoinPath(testsupport::ShippedDataDir(), "MAGI_NAT.ORB");
    ASSERT_TRUE(LoadOrbsFile(s));
    ASSERT_TRUE(ShortOrbSet(s.OrbValues));
    AspectListInput in = QuietInput(1);
    in.orbs = s.OrbValues;
    // Everything on one spot: every pair is a conjunction and a parallel.
    in.outer.longitudes.fill(77);
    in.outer.declinations.fill(12);
    const std::vector<std::string> lines = Lines(in);
    // Ten bodies and Chiron: 11 x 10 ordered pairs each pass, two empty lines.
    EXPECT_EQ(lines.size(), 2u + 2u * 110u);
    for (const std::string& line : lines)
        for (const char* gone : {"NNode", "SNode", "Asc", "MC"}) EXPECT_EQ(line.find(gone), std::string::npos) << line;

    in.orbs[6] = 1.25f;  // no longer the short set: only the nodes leave the declinations
    EXPECT_FALSE(ShortOrbSet(in.orbs));
    EXPECT_EQ(Lines(in).size(), 2u + 15u * 14u + 13u * 12u);
}

TEST(AspectList, DeclinationsParallelAndContraparallel) {
    struct Case {
        double a, b;
        std::string expected;
    } cases[] = {
        {5, -5.5, "Sun contraparallel Moon"},
        {0, -0.5, "Sun contraparallel Moon"},
        {-0.5, 0, "Sun contraparallel Moon"},
        {-5, -5.9, "Sun parallel Moon"},
        {5, 6, "Sun parallel Moon"},
        {5, 6.01, ""},
    };
    for (const Case& c : cases) {
        AspectListInput in = QuietInput(1);
        in.orbs[6] = 1;
        in.outer.declinations[1] = c.a;
        in.outer.declinations[10] = c.b;
        const std::vector<std::string> lines = LinesBetween(in, "Sun", "Moon");
        SCOPED_TRACE(c.expected);
        if (c.expected.empty()) {
            EXPECT_EQ(lines, (std::vector<std::string>{"", ""}));
        } else {
            ASSERT_EQ(lines.size(), 4u);
            EXPECT_EQ(lines[2], c.expected);
        }
    }
}

TEST(AspectList, CompositeHasNoDeclinationPart) {
    AspectListInput in = QuietInput(1);
    in.composite = true;
    in.orbs[6] = 60;  // every declination pair would be listed
    EXPECT_EQ(Lines(in), (std::vector<std::string>{""}));
    in.composite = false;
    EXPECT_EQ(Lines(in).size(), 2u + 13u * 12u);
}

TEST(AspectList, BiWheelRowsAreTheInnerChartWithItsOwnDeclinations) {
    AspectListInput in = QuietInput(2);
    in.orbs[1] = 0.5f;
    in.orbs[6] = 0.1f;
    // Inner Moon on the outer Sun: one line, in the Moon's row; a body with
    // itself counts on a bi-wheel.
    in.inner.longitudes[10] = in.outer.longitudes[1];
    in.inner.longitudes[3] = in.outer.longitudes[3];
    // Declinations: the inner ring's Mars against the outer ring's Jupiter.
    in.inner.declinations[4] = -3;
    in.outer.declinations[5] = 3.05;
    EXPECT_EQ(Lines(in), (std::vector<std::string>{"", "Moon conjunct Sun", "Venus conjunct Venus", "",
                                                   "Mars contraparallel Jupiter"}));
}
