// One chart moment (positions with the next-day retrograde pass) and the
// lighter per-day variant of the day-by-day series.
#include <benchmark/benchmark.h>

#include <memory>

#include "allocation_counter.h"
#include "chart/chart_positions.h"
#include "chart/chart_state.h"
#include "chart/moon_theory.h"
#include "chart/planet_theory.h"
#include "chart/sun_theory.h"
#include "chart/time_scale.h"
#include "program_state.h"

namespace {

std::unique_ptr<ProgramState> MomentState() {
    auto ps = std::make_unique<ProgramState>();
    ChartState& cs = ps->chart;
    InitOrbitalElements(cs);
    cs.NatalYear = 1985;
    cs.NatalMonth = 3;
    cs.NatalDay = 14;
    cs.NatalTime = 3.25f;
    cs.NatalAmPm = "P.M.";
    cs.NatalZone = 5;
    cs.NatalLongitude = 71.04f;
    cs.NatalLatitude = 42.21f;
    cs.NatalNorthSouth = "NORTH";
    cs.ChartKind = 0;
    return ps;
}

void BM_CalcChartPositions(benchmark::State& state) {
    auto ps = MomentState();
    ComputeChartTime(ps->chart);
    const ChartState start = ps->chart;
    const long before = g_allocations;
    for (auto _ : state) {
        // CalcChartPositions leaves TimeCenturies at the next day; restore
        // the moment so every iteration computes the same one.
        ps->chart.TimeCenturies = start.TimeCenturies;
        CalcChartPositions(*ps);
        benchmark::DoNotOptimize(ps->chart.WorkLongitudes.data());
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_CalcChartPositions)->Unit(benchmark::kMicrosecond);

// The time step, the positions and the declinations of the angles: the
// chart-computation share of one chart moment.
void BM_ChartMomentWithTime(benchmark::State& state) {
    auto ps = MomentState();
    const long before = g_allocations;
    for (auto _ : state) {
        ComputeChartTime(ps->chart);
        CalcChartPositions(*ps);
        CalcChironFromTable(ps->chart, ps->chart.ChartJulianDay, true, false);
        ComputeDeclinations(ps->chart);
        benchmark::DoNotOptimize(ps->chart.WorkDeclinations.data());
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_ChartMomentWithTime)->Unit(benchmark::kMicrosecond);

void BM_CalcPositionsAtTime(benchmark::State& state) {
    auto ps = MomentState();
    ChartState& cs = ps->chart;
    ComputeChartTime(cs);
    const double t1900 = cs.TimeCenturies;
    const double t2000 = (cs.JulianDayNumber - 2451545.0 + cs.DayFraction - 0.5) / 36525.0;
    const double jdn = cs.JulianDayNumber;
    long day = 0;
    const long before = g_allocations;
    for (auto _ : state) {
        // Walk day by day through ten years, as the series do.
        const double d = static_cast<double>(day++ % 3653);
        cs.GraphT1900 = t1900 + d / 36525.0;
        cs.TimeCenturies2000 = t2000 + d / 36525.0;
        cs.JulianDayNumber = jdn + d;
        CalcPositionsAtTime(cs);
        benchmark::DoNotOptimize(cs.WorkLongitudes.data());
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_CalcPositionsAtTime)->Unit(benchmark::kMicrosecond);

// The two series theories on their own, for comparison.
void BM_CalcSun(benchmark::State& state) {
    ChartState cs;
    cs.TimeCenturies = 0.85;
    for (auto _ : state) {
        CalcSun(cs);
        benchmark::DoNotOptimize(cs.LoopJ);
    }
}
BENCHMARK(BM_CalcSun);

void BM_CalcMoon(benchmark::State& state) {
    ChartState cs;
    cs.TimeCenturies = 0.85;
    for (auto _ : state) {
        CalcMoon(cs);
        benchmark::DoNotOptimize(cs.LoopJ);
    }
}
BENCHMARK(BM_CalcMoon);

}  // namespace
