// The graph window's redraw: a ten-year table (3652 rows, 12 series) drawn
// with its frame, grid, labels and legend on a 1024 x 768 image. Two tables:
// smooth invented series, and the real ten-year dual series of a couple,
// whose Moon columns jump from day to day as real series do.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/numbers.h"
#include "platform/painter_surface.h"
#include "program_state.h"
#include "scan_bench_setup.h"
#include "scans/graph_drawing.h"
#include "scans/graph_table_file.h"
#include "scans/series_runs.h"

namespace {

GraphWindowModel ModelOf(const GraphTable& t) {
    GraphWindowModel m;
    InitGraphWindow(m);
    TakeGraphTable(m, t);
    Setup(m);
    for (int k = 1; k <= 12; ++k) m.DrawnColumns[k] = 1;
    return m;
}

GraphWindowModel SmoothTenYears() {
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
    return ModelOf(t);
}

// Every series jumping by 30 up or down each day around its slow swing: the
// hardest table for the redraw, each day a long upright segment.
GraphWindowModel JumpyTenYears() {
    GraphTable t;
    t.RowCount = 3652;
    t.TableDates.assign(3653, "");
    t.TableValues.assign(3653, GraphRow{});
    unsigned seed = 12345;
    for (int r = 1; r <= 3652; ++r) {
        t.TableDates[r] = GraphDateText(AddDays(DateTime{2020, 1, 1}, r - 1), 0);
        for (int c = 1; c <= 12; ++c) {
            seed = seed * 1103515245u + 12345u;
            const double jump = (seed >> 16) & 1 ? 30 : -30;
            t.TableValues[r][c] = static_cast<float>(60 * std::sin(6.2832 * r / (30.0 * c * c) + c) + jump);
        }
    }
    return ModelOf(t);
}

// The ten-year dual series of a couple as the program computes it, written
// as the graph file and read back as the graph window reads it.
GraphWindowModel DualSeriesTenYears() {
    auto ps = std::make_unique<ProgramState>();
    DataSetFields natal, diurnal;
    ChartSeriesCouple(*ps, natal, diurnal);
    ps->scans.BestDaysMode = 1;
    ComputeDualDynesSeries(*ps, 10.0f);
    const GraphState& g = ps->scans.Graph;
    const int count = static_cast<int>(g.GraphValues.size()) - 1;
    const auto table = ParseGraphFile(GraphFileText(g.GraphValues, g.GraphDates, count));
    if (!table) std::abort();
    return ModelOf(*table);
}

void Redraw(benchmark::State& state, GraphWindowModel m, const char* name) {
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
    // TANDRELL_GRAPH_PNG=folder keeps the last picture of each case, to
    // look at and to compare pixel by pixel between builds.
    if (const char* folder = std::getenv("TANDRELL_GRAPH_PNG"))
        image.save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
    state.counters["rows"] = m.RowCount;
    state.counters["axisTop"] = m.AxisTop;
    state.counters["axisBottom"] = m.AxisBottom;
}

void BM_GraphRedraw(benchmark::State& state) { Redraw(state, SmoothTenYears(), "smooth"); }
BENCHMARK(BM_GraphRedraw)->Unit(benchmark::kMillisecond);

void BM_GraphRedrawJumpy(benchmark::State& state) { Redraw(state, JumpyTenYears(), "jumpy"); }
BENCHMARK(BM_GraphRedrawJumpy)->Unit(benchmark::kMillisecond);

void BM_GraphRedrawDualSeries(benchmark::State& state) { Redraw(state, DualSeriesTenYears(), "dual"); }
BENCHMARK(BM_GraphRedrawDualSeries)->Unit(benchmark::kMillisecond);

// The frame, grid, labels and legend alone, for comparison.
void BM_GraphFrameOnly(benchmark::State& state) {
    GraphWindowModel m = SmoothTenYears();
    m.DrawnColumns.fill(0);
    Redraw(state, m, "frame");
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
