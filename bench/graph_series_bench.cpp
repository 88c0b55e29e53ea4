// The cosmodyne series over ten years (3652 days), computing side, each day
// with its table row, then the table file: the dual series (chart A against
// the sky of each day) and the natal series (a chart cast for each day).
#include <benchmark/benchmark.h>

#include <memory>

#include "program_state.h"
#include "scan_bench_setup.h"
#include "scans/series_runs.h"

namespace {

std::unique_ptr<ProgramState> Prepared(DataSetFields& natal, DataSetFields& diurnal) {
    auto ps = std::make_unique<ProgramState>();
    ChartSeriesCouple(*ps, natal, diurnal);
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
