// The graph window's date window and scale: the sequences of operations on
// 365 and 24 rows, the limits, and the y scale of the rows shown.
#include <gtest/gtest.h>

#include "scans/graph_window_model.h"

namespace {

GraphWindowModel ModelOf(int rows, float (*value)(int row, int col)) {
    GraphWindowModel m;
    InitGraphWindow(m);
    GraphTable t;
    t.RowCount = rows;
    t.TableDates.assign(rows + 1, "");
    t.TableValues.assign(rows + 1, GraphRow{});
    for (int r = 1; r <= rows; ++r) {
        t.TableDates[r] = "01/01/2000";
        for (int c = 1; c <= 12; ++c) t.TableValues[r][c] = value(r, c);
    }
    TakeGraphTable(m, t);
    Setup(m);
    return m;
}

float Ramp(int r, int c) { return static_cast<float>(r + c); }

struct Window {
    int first, end;
};

void Expect(const GraphWindowModel& m, Window w) {
    EXPECT_EQ(m.FirstRow, w.first);
    EXPECT_EQ(m.EndRow, w.end);
}

}  // namespace

TEST(GraphWindowModel, DateWindowSequenceOn365Rows) {
    GraphWindowModel m = ModelOf(365, Ramp);
    Expect(m, {1, 366});
    EXPECT_EQ(m.LineShift, 20);
    EXPECT_EQ(m.FrameBottom, 403);
    ContractGraph(m), Expect(m, {184, 366});
    ContractGraph(m), Expect(m, {275, 366});
    m.FirstRow = 184;
    ExpandGraph(m), Expect(m, {2, 366});
    ExpandGraph(m), Expect(m, {1, 366});
    m.FirstRow = 184;
    MoveGraphLeft(m), Expect(m, {3, 185});
    MoveGraphLeft(m), Expect(m, {1, 181});
    m.FirstRow = 3, m.EndRow = 185;
    MoveGraphRight(m), Expect(m, {184, 366});
    m.FirstRow = 1, m.EndRow = 366;
    MoveGraphRight(m), Expect(m, {350, 380});
    m.FirstRow = 363, m.EndRow = 366;
    ContractGraph(m), Expect(m, {364, 366});
    ContractGraph(m), Expect(m, {365, 366});
    // One row: contracting or panning left would leave no row, so nothing changes.
    ContractGraph(m), Expect(m, {365, 366});
    m.FirstRow = 1, m.EndRow = 3;
    MoveGraphLeft(m), Expect(m, {1, 3});  // the limit would give rows 1 to 0
}

TEST(GraphWindowModel, AroundTheClockAndShortTables) {
    GraphWindowModel m = ModelOf(24, Ramp);
    Expect(m, {1, 25});
    // Right on 24 rows: 1 + 23 = 24 reaches PointCount, so the limit gives 9-39.
    MoveGraphRight(m), Expect(m, {9, 39});
    // A table of 10 rows: the right limit would start at -5; rows 1 to 10 lie within it.
    GraphWindowModel s = ModelOf(10, Ramp);
    MoveGraphRight(s), Expect(s, {-5, 25});
    Setup1(s);
    EXPECT_EQ(s.MaxValue, 22.0f);  // only rows 1..10 are read
    EXPECT_EQ(s.MinValue, 2.0f);
}

TEST(GraphWindowModel, Setup1Vectors) {
    struct Case {
        float lo, hi;
        float step, top, bottom, spacing;
    } cases[] = {
        {-56, 1234, 100, 1300, -100, 280},
        {3, 9, 1, 10, 3, 1.4f},
        {1, 1.4f, 0.05f, 1.45f, 1, 0.09f},
        {-40, -2, 5, 5, -40, 9},
    };
    for (const Case& c : cases) {
        static Case current;
        current = c;
        GraphWindowModel m = ModelOf(3, [](int r, int col) {
            if (col != 1) return 0.0f;  // zeros never lower the minimum
            return r == 1 ? current.lo : r == 2 ? current.hi : (current.lo + current.hi) / 2;
        });
        SCOPED_TRACE(c.lo);
        EXPECT_FLOAT_EQ(m.GridStep, c.step);
        EXPECT_FLOAT_EQ(m.AxisTop, c.top);
        EXPECT_FLOAT_EQ(m.AxisBottom, c.bottom);
        EXPECT_FLOAT_EQ(m.GridSpacing, c.spacing);
        EXPECT_FLOAT_EQ(m.RowStep, 290);
    }
    // All zero: 0 to one grid step, no division by zero.
    GraphWindowModel z = ModelOf(5, [](int, int) { return 0.0f; });
    EXPECT_EQ(z.AxisBottom, 0.0f);
    EXPECT_FLOAT_EQ(z.AxisTop, 0.05f);
    // One row: no x step.
    GraphWindowModel one = ModelOf(1, Ramp);
    EXPECT_EQ(one.RowStep, 0.0f);
}
