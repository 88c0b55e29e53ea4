// The graph window's redraw: a ten-year table (3652 rows, 12 series) drawn
// with its frame, grid, labels and legend on a 1024 x 768 image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "platform/painter_surface.h"
#include "scans/graph_drawing.h"
#include "scans/graph_table_file.h"

namespace {

GraphWindowModel TenYears() {
    GraphWindowModel m;
    InitGraphWindow(m);
    GraphTable t;
    t.RowCount = 3652;
    t.TableDates.assign(3653, "");
    t.TableValues.assign(3653, GraphRow{});
    for (int r = 1; r <= 3652; ++r) {
        t.TableDates[r] = GraphDateText(AddDays(DateTime{2020, 1, 1}, r - 1), 0);
        // Series that swing as cosmodynes do: slow planets over years, the
        // Moon over its month, with a day-to-day ripple.
        for (int c = 1; c <= 12; ++c) {
            const double period = c == 10 ? 27.3 : 30.0 * c * c;
            t.TableValues[r][c] = static_cast<float>(80 * std::sin(6.2832 * r / period + c) + 2 * ((r * c) % 5) - 20);
        }
    }
    TakeGraphTable(m, t);
    Setup(m);
    for (int k = 1; k <= 12; ++k) m.DrawnColumns[k] = 1;
    return m;
}

void BM_GraphRedraw(benchmark::State& state) {
    GraphWindowModel m = TenYears();
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface s(&painter, true);
    s.SetFontName("Arial");
    s.SetFontSize(8.25);
    ResizeEvent(m, s);
    for (auto _ : state) {
        s.Cls();
        DrawX(m, s);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GraphRedraw)->Unit(benchmark::kMillisecond);

// The frame, grid, labels and legend alone, for comparison.
void BM_GraphFrameOnly(benchmark::State& state) {
    GraphWindowModel m = TenYears();
    m.DrawnColumns.fill(0);
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface s(&painter, true);
    s.SetFontName("Arial");
    s.SetFontSize(8.25);
    ResizeEvent(m, s);
    for (auto _ : state) {
        s.Cls();
        DrawX(m, s);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GraphFrameOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
