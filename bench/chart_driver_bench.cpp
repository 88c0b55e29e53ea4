// One full chart run's computing core: both charts with houses, Chiron,
// declinations, zodiac handling and the relationship data.
#include <benchmark/benchmark.h>

#include <memory>

#include "chart/chart_driver.h"
#include "chart/planet_theory.h"
#include "program_state.h"

namespace {

void FillCouple(ProgramState& ps) {
    ChartState& cs = ps.chart;
    cs.NatalDay = 14, cs.NatalMonth = 3, cs.NatalYear = 1962;
    cs.NatalTime = 9.30f, cs.NatalAmPm = "P.M.", cs.NatalZone = 5;
    cs.NatalLongitude = 75.10f, cs.NatalLatitude = 40.43f;
    cs.WorkEastWest = "WEST", cs.WorkNorthSouth = "NORTH";
    cs.DiurnalDay = 2, cs.DiurnalMonth = 11, cs.DiurnalYear = 1965;
    cs.DiurnalTime = 6.05f, cs.SecondAmPm = "A.M.", cs.DiurnalZone = -1;
    cs.DiurnalLongitude = -2.20f, cs.DiurnalLatitude = 48.52f;
    cs.SecondEastWest = "EAST", cs.SecondNorthSouth = "NORTH";
    cs.HouseSystemCode = "P";
    cs.QuietMode = 1;
    InitOrbitalElements(cs);
}

void BM_ComputeChartsCore(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    FillCouple(*ps);
    for (auto _ : state) {
        ComputeChartsCore(*ps);
        benchmark::DoNotOptimize(ps->chart.RelHouseB[0]);
    }
}
BENCHMARK(BM_ComputeChartsCore)->Unit(benchmark::kMicrosecond);

}  // namespace
