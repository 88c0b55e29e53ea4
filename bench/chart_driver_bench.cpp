// One full chart run's computing core: both charts with houses, Chiron,
// declinations, zodiac handling and the relationship data.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_couple.h"
#include "chart/chart_driver.h"
#include "program_state.h"

namespace {

void BM_ComputeChartsCore(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    FillBenchCouple(*ps);
    for (auto _ : state) {
        ComputeChartsCore(*ps);
        benchmark::DoNotOptimize(ps->chart.RelHouseB[0]);
    }
}
BENCHMARK(BM_ComputeChartsCore)->Unit(benchmark::kMicrosecond);

}  // namespace
