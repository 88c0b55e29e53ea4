// The aspect grid of a printed wheel page, recorded: its lines, labels and
// cells against the grid's formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "platform/glyph_codes.h"
#include "platform/recording_surface.h"
#include "wheels/aspect_grid.h"

namespace {

constexpr double kS = 265;

// A Letter page at 96 dots per inch in the wheel page's scale.
struct Page {
    RecordingSurface s{816, 1056, 96};
    Page() { s.Scale(-0.9475 * kS, 0.9475 * (kS / 0.8 - 56), 0.9475 * kS, 0.9475 * (-kS / 0.8 - 56)); }
};

AspectGridInput QuietGrid(int chartCount) {
    AspectGridInput in;
    in.chartCount = chartCount;
    for (int b = 1; b <= 15; ++b) {
        // Two crowds 160 to 170 degrees apart: no aspect between the charts.
        in.first[b] = 0.31 * b;
        in.second[b] = 165 + 0.31 * b;
    }
    in.options[179] = 10;
    in.options[180] = 8;
    in.options[190] = 7;
    in.options[188] = 20;
    in.options[189] = 18;
    for (int n = 181; n <= 187; ++n) in.options[n] = static_cast<float>(n - 180 + 2);  // colours 3..9
    in.nameLine = "Anna - natal";
    return in;
}

struct Cell {
    int column, row, glyph;
    Colour colour;
};

// Cells read back from the recorded glyphs: their column and row from the
// print position by the formula of the cells.
std::vector<Cell> Cells(const RecordingSurface& rec, const AspectGridFrame& f, double w, double h) {
    std::vector<Cell> cells;
    for (const RecordedCall& c : rec.CallsOf("Print")) {
        const int code = static_cast<unsigned char>(c.text[0]);
        if (code < kFirstAspectGlyph || code > kLastAspectGlyph) continue;
        const double i = (c.numbers[0] - f.gx - w / 3) / (1.25 * w);
        const double j = (c.numbers[1] - f.gy + h / 4) / (1.25 * h);
        EXPECT_NEAR(i, std::round(i), 1e-9);
        EXPECT_NEAR(j, std::round(j), 1e-9);
        cells.push_back({static_cast<int>(std::lround(i)), static_cast<int>(std::lround(j)), code, c.colour});
    }
    return cells;
}

}  // namespace

TEST(PrintedGrid, SingleWheelStaircaseAndFrame) {
    Page p;
    AspectGridInput in = QuietGrid(1);
    const AspectGridFrame f = DrawAspectGrid(p.s, in);
    p.s.SetFontSize(8);
    const double w = p.s.TextWidth("\xE0");
    const double h = std::fabs(p.s.TextHeight("\xE0"));
    EXPECT_DOUBLE_EQ(f.x0, 0.9475 * kS - 10);
    EXPECT_DOUBLE_EQ(f.cw, 1.25 * w);
    EXPECT_DOUBLE_EQ(f.ch, 1.25 * h);
    EXPECT_DOUBLE_EQ(f.xr, f.x0 - w);
    EXPECT_NEAR(f.ybase, -0.9475 * kS * 1.25 + 20 * f.ch, 1e-9);
    EXPECT_NEAR(f.gy, f.ybase - 16 * f.ch, 1e-9);
    EXPECT_NEAR(f.gx, f.xr - 16 * f.cw, 1e-9);

    // Horizontal lines: the one n rows above gy starts at column n + 1
    // (the lowest two at column 2), all end at the right edge.
    std::map<long, double> leftmost;  // by row height
    std::map<long, double> lowest;    // vertical lines: top by x
    for (const RecordedCall& c : p.s.CallsOf("Line")) {
        const double x1 = c.numbers[0], y1 = c.numbers[1], x2 = c.numbers[2], y2 = c.numbers[3];
        if (x1 == x2 && y1 == y2) continue;  // the staircase's drawn points
        if (y1 == y2) {
            EXPECT_NEAR(x2, f.xr, 1e-9);
            const long n = std::lround((y1 - f.gy) / f.ch);
            EXPECT_NEAR(y1, f.gy + n * f.ch, 1e-9);
            leftmost[n] = leftmost.count(n) ? std::min(leftmost[n], x1) : x1;
        } else {
            EXPECT_EQ(x1, x2);
            EXPECT_NEAR(y2, f.gy, 1e-9);
            const long m = std::lround((x1 - f.gx) / f.cw);
            EXPECT_NEAR(x1, f.gx + m * f.cw, 1e-9);
            lowest[m] = y1;
        }
    }
    ASSERT_EQ(leftmost.size(), 15u);
    for (long n = 0; n <= 14; ++n) EXPECT_NEAR(leftmost[n], f.gx + std::max(2L, n + 1) * f.cw, 1e-9) << n;
    // The vertical at column m reaches the line that starts there; the right
    // edge reaches the highest line.
    for (long m = 2; m <= 15; ++m) EXPECT_NEAR(lowest[m], f.gy + (m - 1) * f.ch, 1e-9) << m;
    EXPECT_NEAR(lowest[16], f.gy + 14 * f.ch, 1e-9);

    // Labels: the column labels from "body 0" to the MC under the grid,
    // the row labels from the Asc down to the Sun at the right.
    std::vector<int> columnLabels, rowLabels;
    for (const RecordedCall& c : p.s.CallsOf("Print")) {
        const int code = static_cast<unsigned char>(c.text[0]);
        if (code < kGridCornerGlyph) continue;
        if (c.numbers[1] == f.gy - 5) {
            columnLabels.push_back(code);
            const int k = static_cast<int>(columnLabels.size()) - 1;
            EXPECT_NEAR(c.numbers[0], f.gx + w / 3 + k * 1.25 * w, 1e-9);
        } else {
            EXPECT_EQ(c.numbers[0], f.xr + 5);
            rowLabels.push_back(code);
            const int k = 15 - static_cast<int>(rowLabels.size());
            EXPECT_NEAR(c.numbers[1], f.gy - h / 4 + k * 1.25 * h, 1e-9);
        }
    }
    EXPECT_EQ(columnLabels, (std::vector<int>{223, 224, 233, 225, 226, 227, 228, 229, 230, 231, 232, 234, 235, 236, 237, 238}));
    EXPECT_EQ(rowLabels, (std::vector<int>{237, 236, 235, 234, 232, 231, 230, 229, 228, 227, 226, 225, 233, 224}));
}

TEST(PrintedGrid, SingleWheelCellsRightOfTheDiagonal) {
    Page p;
    AspectGridInput in = QuietGrid(1);
    in.first.fill(40);  // every pair a conjunction
    in.orbs[1] = 1;
    const AspectGridFrame f = DrawAspectGrid(p.s, in);
    const double w = p.s.TextWidth("\xAF");
    const double h = std::fabs(p.s.TextHeight("\xAF"));
    std::set<std::pair<int, int>> seen;
    for (const Cell& c : Cells(p.s, f, w, h)) {
        EXPECT_GT(c.column, c.row);
        EXPECT_EQ(c.glyph, AspectGlyph(2));
        EXPECT_EQ(c.colour, QBColor(3));
        seen.insert({c.column, c.row});
        // The glyph stands in its cell: its top a quarter line under the
        // cell's top, its middle within the cell's width.
        const double x = f.gx + w / 3 + c.column * 1.25 * w, y = f.gy - h / 4 + c.row * 1.25 * h;
        EXPECT_GT(x + w / 2, f.gx + c.column * f.cw);
        EXPECT_LT(x + w / 2, f.gx + (c.column + 1) * f.cw);
        EXPECT_LT(y, f.gy + c.row * f.ch);
        EXPECT_NEAR(y - h, f.gy + (c.row - 1) * f.ch, 1e-9);
    }
    EXPECT_EQ(seen.size(), 105u);
    EXPECT_TRUE(seen.count({15, 14}));  // the Ascendant's row holds the MC only
    for (int j = 1; j <= 15; ++j) EXPECT_FALSE(seen.count({1, j}));  // the Sun's column stays empty
}

TEST(PrintedGrid, CodesColoursAndTheSeptileEdge) {
    struct Case {
        double separation;
        int orbLine;
        float orb;
        int code;
        int colourOption;
    } cases[] = {
        {0.5, 1, 1, 2, 181},          {61, 2, 1, 3, 182},   {119, 4, 1, 5, 182},  {91, 3, 1, 4, 183},
        {179, 5, 1, 6, 183},          {150, 10, 1, 11, 184}, {44, 8, 1, 9, 185},  {136, 9, 1, 10, 185},
        {72, 13, 1, 14, 186},         {144, 15, 1, 16, 186}, {30, 7, 1, 8, 187},  {36, 11, 1, 12, 187},
        {40, 12, 1, 13, 187},         {108, 14, 1, 15, 187},
        {360.0 / 7.0 + 0.5, 16, 0.5f, 17, 187},  // the septile's edge
        {360.0 / 7.0 - 0.5, 16, 0.5f, 17, 187},
        {360.0 / 7.0 + 0.51, 16, 0.5f, 1, 0},
    };
    for (const Case& c : cases) {
        Page p;
        AspectGridInput in = QuietGrid(2);
        in.orbs[static_cast<std::size_t>(c.orbLine)] = c.orb;
        in.first[1] = 100;                  // first chart's Sun: column 1
        in.second[10] = 100 + c.separation;  // second chart's Moon: row 2
        const AspectGridFrame f = DrawAspectGrid(p.s, in);
        const auto cells = Cells(p.s, f, p.s.TextWidth("\xAF"), std::fabs(p.s.TextHeight("\xAF")));
        SCOPED_TRACE(c.separation);
        if (c.code == 1) {
            EXPECT_TRUE(cells.empty());
            continue;
        }
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(cells[0].column, 1);
        EXPECT_EQ(cells[0].row, 2);
        EXPECT_EQ(cells[0].glyph, c.code + 159);
        EXPECT_EQ(cells[0].colour, QBColor(c.colourOption - 178));
        EXPECT_EQ(AspectGridColourOption(c.code), c.colourOption);
    }
}

TEST(PrintedGrid, LaterTestWinsAndConjunctionOverAll) {
    Page p;
    AspectGridInput in = QuietGrid(2);
    in.first[1] = 0;
    in.second[1] = 40;
    for (int k = 1; k <= 16; ++k) in.orbs[k] = 0;
    in.orbs[11] = 5;  // semi-quintile
    in.orbs[12] = 1;  // nonagen, tested later
    const auto sunOnSun = [](const std::vector<Cell>& cells) {
        for (const Cell& c : cells)
            if (c.column == 1 && c.row == 1) return c.glyph;
        return 0;
    };
    const AspectGridFrame f = DrawAspectGrid(p.s, in);
    EXPECT_EQ(sunOnSun(Cells(p.s, f, p.s.TextWidth("\xAF"), std::fabs(p.s.TextHeight("\xAF")))), AspectGlyph(13));
    Page q;
    in.orbs[1] = 45;
    const AspectGridFrame g = DrawAspectGrid(q.s, in);
    EXPECT_EQ(sunOnSun(Cells(q.s, g, q.s.TextWidth("\xAF"), std::fabs(q.s.TextHeight("\xAF")))), AspectGlyph(2));
}

TEST(PrintedGrid, BiWheelSquareNameLineAndSwappedRings) {
    Page p;
    AspectGridInput in = QuietGrid(2);
    in.orbs[4] = 2;
    in.first[3] = 10;    // first chart's Venus: column 4
    in.second[4] = 130;  // second chart's Mars: row 5
    const AspectGridFrame f = DrawAspectGrid(p.s, in);
    const double w = p.s.TextWidth("\xE0");
    EXPECT_DOUBLE_EQ(p.s.FontSize(), 7);
    EXPECT_NEAR(f.ybase, -0.9475 * kS * 1.25 + 18 * f.ch, 1e-9);
    int horizontal = 0, vertical = 0;
    for (const RecordedCall& c : p.s.CallsOf("Line")) {
        if (c.numbers[1] == c.numbers[3]) {
            ++horizontal;
            EXPECT_NEAR(c.numbers[0], f.xr - 18.75 * w, 1e-9);
            EXPECT_NEAR(c.numbers[2], f.xr, 1e-9);
        } else {
            ++vertical;
            EXPECT_NEAR(c.numbers[1], f.ybase - f.ch, 1e-9);
            EXPECT_NEAR(c.numbers[3], f.gy, 1e-9);
        }
    }
    EXPECT_EQ(horizontal, 16);
    EXPECT_EQ(vertical, 16);
    // The name line ends where the first column label's cell ends.
    bool named = false;
    for (const RecordedCall& c : p.s.CallsOf("PrintText")) {
        if (c.text != "Anna - natal: ") continue;
        named = true;
        EXPECT_NEAR(c.numbers[0] + p.s.TextWidth(c.text), f.gx + 1.25 * w, 1e-9);
        EXPECT_EQ(c.numbers[1], f.gy - 5);
    }
    EXPECT_TRUE(named);
    auto cells = Cells(p.s, f, w, std::fabs(p.s.TextHeight("\xAF")));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(std::make_pair(cells[0].column, cells[0].row), std::make_pair(4, 5));

    // Exchanged rings: the second chart runs along the columns.
    Page q;
    in.ringsSwapped = true;
    const AspectGridFrame g = DrawAspectGrid(q.s, in);
    cells = Cells(q.s, g, w, std::fabs(q.s.TextHeight("\xAF")));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(std::make_pair(cells[0].column, cells[0].row), std::make_pair(5, 4));
}
