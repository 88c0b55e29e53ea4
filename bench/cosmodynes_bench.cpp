// One quiet run of the natal cosmodynes, as the best-days scan and the
// natal cosmodyne series make it once per day: both angles, Chiron and the
// benefic/malefic rule in use. The counter allocs/iter counts every heap
// allocation inside the timed loop; it should stay 0.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

#include "app/constant_tables.h"
#include "chart/chart_driver.h"
#include "chart/planet_theory.h"
#include "cosmodynes/natal_cosmodynes.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

void FillChart(ProgramState& ps) {
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
    cs.AnglesSetting = 2;
    cs.UseChiron = true;
    ps.people.BeneficsMaleficsChecked = 1;
    SetDecimalSeparator('.');
    FillConstantTables(ps);
    InitOrbitalElements(cs);
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
    state.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(g_allocations.load() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_QuietNatalCosmodynes)->Unit(benchmark::kMicrosecond);

}  // namespace
