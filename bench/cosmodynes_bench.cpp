// One quiet run of the natal cosmodynes, as the best-days scan and the
// natal cosmodyne series make it once per day: both angles, Chiron and the
// benefic/malefic rule in use. The counter allocs/iter counts every heap
// allocation inside the timed loop; it should stay 0.
#include <benchmark/benchmark.h>

#include <memory>

#include "allocation_counter.h"
#include "app/constant_tables.h"
#include "bench_couple.h"
#include "chart/chart_driver.h"
#include "cosmodynes/natal_cosmodynes.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

void FillChart(ProgramState& ps) {
    FillBenchCouple(ps);
    ChartState& cs = ps.chart;
    cs.AnglesSetting = 2;
    cs.UseChiron = true;
    ps.people.BeneficsMaleficsChecked = 1;
    SetDecimalSeparator('.');
    FillConstantTables(ps);
    ComputeChartsCore(ps);
}

void BM_QuietNatalCosmodynes(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    FillChart(*ps);
    NatalCosmodynes(*ps);  // the first run may size what it keeps
    const long before = g_allocations.load();
    for (auto _ : state) {
        NatalCosmodynes(*ps);
        benchmark::DoNotOptimize(ps->cosmodynes.DynesTotalHarDisc);
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_QuietNatalCosmodynes)->Unit(benchmark::kMicrosecond);

}  // namespace
