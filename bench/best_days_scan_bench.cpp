// "Best Days for You" over ten years for one couple: the day-by-day scan
// with its interchart cosmodynes, the sort and list of the 3,652 day lines,
// and the table file's text.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/output_buffer.h"
#include "people/chart_run.h"
#include "program_state.h"
#include "scan_bench_setup.h"
#include "scans/best_days_report.h"

namespace {

DataSetFields Person(const char* m, const char* d, const char* y, const char* h, const char* min, bool am,
                     const char* zone, const char* lonDeg, const char* lonMin, bool east, const char* latDeg,
                     const char* latMin) {
    DataSetFields f;
    f.Month = m, f.Day = d, f.Year = y, f.Hour = h, f.Minute = min, f.AM = am, f.Zone = zone;
    f.LongDeg = lonDeg, f.LongMin = lonMin, f.East = east, f.West = !east, f.LatDeg = latDeg, f.LatMin = latMin;
    return f;
}

void BM_BestDaysForYouTenYears(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    PrepareScanBench(*ps);
    ps->people.NatalNameText = "Alice Sample";
    ps->people.SecondPersonChecked = 1;
    ps->people.SecondPersonCaption = "Bruno Example";
    ps->chart.AnglesSetting = 0;
    const DataSetFields a = Person("3", "14", "1962", "9", "30", false, "5", "75", "10", false, "40", "43");
    const DataSetFields b = Person("3", "14", "2026", "6", "5", true, "-1", "2", "20", true, "48", "52");
    ps->chart.QuietMode = 1;
    ComputeChartsFromFields(*ps, a, b);
    ps->chart.QuietMode = 0;
    for (auto _ : state) {
        ScanState& s = ps->scans;
        EmptyOutput(ps->output);
        s.Check21 = 1;
        s.NamesText1 = "0";
        s.BestDaysMode = 1;
        s.UseAllBodies = -1;
        s.BatchLines.assign(2, "");
        s.BatchLineCount = 0;
        BestDaysReport(*ps, 10.0f);
        s.UseAllBodies = 0;
        s.BestDaysMode = 0;
        benchmark::DoNotOptimize(ps->output.OutputLineCount);
    }
    state.counters["lines"] = ps->output.OutputLineCount;
}
BENCHMARK(BM_BestDaysForYouTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
