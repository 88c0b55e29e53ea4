// One full paint of the two-person bi-wheel at the wheel window's size for
// the 1024-by-768 screen class: into the recording surface (the drawing
// logic alone) and into a QImage (with Qt's text and line drawing).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "app/constant_tables.h"
#include "app/options_file.h"
#include "bench_couple.h"
#include "chart/chart_driver.h"
#include "chart/data_files.h"
#include "platform/font_registry.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "program_state.h"
#include "wheels/wheel_paint.h"
#include "wheels/wheel_setup.h"

namespace {

// Inside size of the wheel window of that screen class, in pixels.
constexpr int kWidthPx = 716, kHeightPx = 555;

std::string DataDir() { return std::string(TANDRELL_SOURCE_DIR) + "/data"; }

std::unique_ptr<ProgramState> BiWheel() {
    auto ps = std::make_unique<ProgramState>();
    ps->settings.AppPath = DataDir();
    ReadOptionsFile(ps->settings);
    FillConstantTables(*ps);
    LoadDataFiles(*ps);
    FillBenchCouple(*ps);
    ChartState& cs = ps->chart;
    cs.NatalNorthSouth = "NORTH", cs.NatalEastWest = "WEST", cs.WheelAmPm = "P.M.";
    cs.NatalDateText = "3/14/1962", cs.SecondDateText = "11/2/1965";
    cs.ChartName = "Alice Sample";
    ComputeChartsCore(*ps);
    ps->people.SecondPersonChecked = 1;
    ps->people.SecondPersonCaption = "Bruno Example";
    FillDualWheelLegend(*ps, DualFiller::Plain);
    LoadWheelCharts(*ps);
    ResizeWheelWindow(*ps, kWidthPx, kHeightPx);
    return ps;
}

void BM_WheelPaintRecording(benchmark::State& state) {
    auto ps = BiWheel();
    RecordingSurface s(kWidthPx, kHeightPx);
    for (auto _ : state) {
        s.ClearLog();
        PaintWheelWindow(*ps, s, kWidthPx, kHeightPx);
        benchmark::DoNotOptimize(s.Calls().size());
    }
}
BENCHMARK(BM_WheelPaintRecording)->Unit(benchmark::kMillisecond);

void BM_WheelPaintImage(benchmark::State& state) {
    int argc = 1;
    char name[] = "wheel_paint_bench";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    static const RegisteredFont font = AddFontFile(DataDir() + "/tandrell.ttf");
    auto ps = BiWheel();
    QImage image(kWidthPx, kHeightPx, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface s(&painter, true);
    for (auto _ : state) {
        PaintWheelWindow(*ps, s, kWidthPx, kHeightPx);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["font"] = font.Id >= 0 ? 1 : 0;
}
BENCHMARK(BM_WheelPaintImage)->Unit(benchmark::kMillisecond);

}  // namespace
