// The graph window's whole drawing of two small tables, recorded call by
// call and compared with golden recordings: a month of dates with a zero
// line and the around-the-clock table with its hour labels and natal-time
// legend.
#include <gtest/gtest.h>

#include "golden_compare.h"
#include "platform/recording_surface.h"
#include "scans/graph_drawing.h"

namespace {

std::string Recording(int rows, int aroundClock) {
    GraphWindowModel m;
    m.Context.AroundClockMode = aroundClock;
    m.Context.GraphTitle = aroundClock ? "Dual Cosmodynes Around the Clock" : "Dual Cosmodynes";
    m.Context.TotalsMultiplier = 2.5f;
    m.Context.IndivMultiplier = 1.25f;
    for (int k = 1; k <= 12; ++k) m.Context.NatalTimeHours[k] = static_cast<float>(2 * k - 1);
    for (int j = 0; j < 24; ++j) m.Context.TransitTimeHours[j] = static_cast<float>(j), m.Context.TransitTimeMinutes[j] = 30;
    InitGraphWindow(m);
    GraphTable t;
    t.RowCount = rows;
    t.TableDates.assign(rows + 1, "");
    t.TableValues.assign(rows + 1, GraphRow{});
    for (int r = 1; r <= rows; ++r) {
        t.TableDates[r] = (r < 10 ? "03/0" : "03/") + std::to_string(r) + "/2024";
        for (int c = 1; c <= 12; ++c) t.TableValues[r][c] = static_cast<float>(((r * 5 + c * 11) % 41) - 12) / 2;
    }
    TakeGraphTable(m, t);
    Setup(m);
    RecordingSurface s(1024, 768);
    s.SetFontName("Arial");
    s.SetFontSize(8.25);
    ResizeEvent(m, s);
    for (int k = 1; k <= 12; ++k) {
        m.CurrentColumn = k;
        DrawHouse(m, s, k);
    }
    return "caption: " + m.Caption + "\n" + s.Dump();
}

}  // namespace

TEST(GraphGolden, DatesAndAroundTheClockDrawings) {
    EXPECT_EQ(golden::CompareWithGolden("graphs/dates_30_rows.txt", Recording(30, 0)), "");
    EXPECT_EQ(golden::CompareWithGolden("graphs/around_clock_24_rows.txt", Recording(24, 1)), "");
}
