// The cosmodyne series over ten years (3652 days), computing side, each day
// with its table row, then the table file: the dual series (chart A against
// the sky of each day) and the natal series (a chart cast for each day).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "app/constant_tables.h"
#include "app/options_file.h"
#include "chart/chart_driver.h"
#include "chart/data_files.h"
#include "chart/planet_theory.h"
#include "people/chart_run.h"
#include "platform/app_path.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scans/series_runs.h"

namespace {

DataSetFields Fields(const char* m, const char* d, const char* y, const char* h, const char* min, bool am,
                     const char* zone, const char* lonDeg, const char* lonMin, bool east, const char* latDeg,
                     const char* latMin) {
    DataSetFields f;
    f.Month = m, f.Day = d, f.Year = y, f.Hour = h, f.Minute = min, f.AM = am, f.Zone = zone;
    f.LongDeg = lonDeg, f.LongMin = lonMin, f.East = east, f.West = !east, f.LatDeg = latDeg, f.LatMin = latMin;
    return f;
}

std::unique_ptr<ProgramState> Prepared(DataSetFields& natal, DataSetFields& diurnal) {
    auto ps = std::make_unique<ProgramState>();
    const std::string shipped =
        ShippedDataFolder(std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
    ps->settings.AppPath = shipped;
    ReadOptionsFile(ps->settings);
    LoadDataFiles(*ps);
    const std::string folder = (std::filesystem::temp_directory_path() / "tandrell_series_bench").string();
    std::filesystem::create_directories(folder);
    ps->settings.AppPath = folder;
    SetDecimalSeparator('.');
    FillConstantTables(*ps);
    InitOrbitalElements(ps->chart);
    ps->chart.HouseSystemCode = "P";
    natal = Fields("3", "14", "1962", "9", "30", false, "5", "75", "10", false, "40", "43");
    diurnal = Fields("1", "1", "2024", "12", "0", false, "5", "75", "10", false, "40", "43");
    ps->chart.QuietMode = 1;
    ComputeChartsFromFields(*ps, natal, diurnal);
    ps->chart.QuietMode = 0;
    return ps;
}

void BM_DualSeriesTenYears(benchmark::State& state) {
    DataSetFields natal, diurnal;
    auto ps = Prepared(natal, diurnal);
    ps->scans.BestDaysMode = 1;
    for (auto _ : state) {
        ComputeDualDynesSeries(*ps, 10.0f);
        benchmark::DoNotOptimize(ps->scans.Graph.GraphValues.data());
    }
    state.counters["rows"] = static_cast<double>(ps->scans.Graph.GraphValues.size() - 1);
    state.counters["row100sun"] = ps->scans.Graph.GraphValues[100][1];
}
BENCHMARK(BM_DualSeriesTenYears)->Unit(benchmark::kMillisecond);

void BM_NatalSeriesTenYears(benchmark::State& state) {
    DataSetFields natal, diurnal;
    auto ps = Prepared(natal, diurnal);
    for (auto _ : state) {
        ComputeNatalDynesSeries(*ps, natal, diurnal, 10.0f);
        benchmark::DoNotOptimize(ps->scans.Graph.GraphValues.data());
    }
    state.counters["rows"] = static_cast<double>(ps->scans.Graph.GraphValues.size() - 1);
    state.counters["row100sun"] = ps->scans.Graph.GraphValues[100][1];
}
BENCHMARK(BM_NatalSeriesTenYears)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
