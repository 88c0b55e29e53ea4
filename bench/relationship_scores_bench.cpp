// The couple's scores on top of the two charts: sign numbers, the three
// aspect cubes, both persons' needs, the qualities and the batch total of
// the aspect points (what an all-against-all run adds per pair); and a whole
// scored chart run.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_couple.h"
#include "chart/chart_driver.h"
#include "program_state.h"
#include "scoring/aspect_score.h"
#include "scoring/chart_run_scores.h"

namespace {

void FillCouple(ProgramState& ps) {
    FillBenchCouple(ps);
    ChartState& cs = ps.chart;

    // The shipped couple orbs and switches, and points for every aspect.
    auto& opt = ps.settings.OptionValues;
    const float own[11] = {6, 8, 8, 6, 6, 6, 5, 5, 4, 4, 4};
    const float couple[11] = {5, 7, 7, 5, 5, 5, 4, 4, 3, 3, 3};
    for (int k = 0; k <= 10; ++k) opt[247 + k] = own[k], opt[268 + k] = couple[k];
    opt[259] = opt[260] = opt[280] = opt[281] = 2;
    for (int k : {261, 262, 263, 264, 282, 283, 284, 285}) opt[k] = 1;
    for (auto& byA : cs.PointsCube)
        for (auto& byB : byA) byB.fill(1.5f);
}

void BM_PairScore(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    FillCouple(*ps);
    ComputeChartsCore(*ps);
    for (auto _ : state) {
        ComputeRelationshipScores(*ps);
        AddTotalScore(*ps);
        benchmark::DoNotOptimize(ps->scoring.Qualities[0]);
        benchmark::DoNotOptimize(ps->scoring.BatchTotal);
    }
}
BENCHMARK(BM_PairScore)->Unit(benchmark::kMicrosecond);

void BM_ComputeChartsWithScores(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    FillCouple(*ps);
    for (auto _ : state) {
        ComputeChartsWithScores(*ps);
        benchmark::DoNotOptimize(ps->scoring.Qualities[0]);
    }
}
BENCHMARK(BM_ComputeChartsWithScores)->Unit(benchmark::kMicrosecond);

}  // namespace
