// "All vs All" over 256 invented people (32,640 pairs), computing side: each
// pair loaded, charted, scored by the interchart cosmodynes and listed, with
// the averages at the end.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "program_state.h"
#include "scan_bench_setup.h"
#include "scans/names_runs.h"

namespace {

// 256 people spread over dates, times and places; names in two groups so
// that the pairing rule lets every pair through.
void FillNames(PeopleState& p) {
    for (auto* column : {&p.NamesName, &p.NamesDate, &p.NamesTime, &p.NamesAmPm, &p.NamesZone, &p.NamesLongitude,
                         &p.NamesLatitude, &p.NamesEmail})
        column->clear();
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int k = 0; k < 256; ++k) {
        p.NamesName.push_back("Person" + std::to_string(k) + " Invented");
        p.NamesDate.push_back(std::to_string(1 + k % 28) + " " + kMonths[k % 12] + " " + std::to_string(1940 + k % 60));
        p.NamesTime.push_back(std::to_string(1 + k % 12) + "." + std::to_string(10 + k % 50));
        p.NamesAmPm.push_back(k % 2 ? "A" : "P");
        // The zone follows the longitude (West positive), as the checks ask.
        const int longitude = k % 170 - 85;
        p.NamesZone.push_back(std::to_string(longitude / 15));
        p.NamesLongitude.push_back(std::to_string(longitude) + ".15");
        p.NamesLatitude.push_back(std::to_string(k % 110 - 55) + ".30");
        p.NamesEmail.push_back(k % 3 ? "" : "p" + std::to_string(k) + "@example.com");
    }
    for (auto* column : {&p.NamesName, &p.NamesDate, &p.NamesTime, &p.NamesAmPm, &p.NamesZone, &p.NamesLongitude,
                         &p.NamesLatitude, &p.NamesEmail})
        column->push_back("");
}

void BM_AllVsAll256(benchmark::State& state) {
    auto ps = std::make_unique<ProgramState>();
    PrepareScanBench(*ps);
    FillNames(ps->people);
    ps->settings.OptionValues[36] = 0;
    for (auto _ : state) {
        NamesRunFields f;
        CoupleAllVsAll(*ps, f);
        benchmark::DoNotOptimize(ps->scans.BatchPairCount);
    }
    state.counters["pairs"] = ps->scans.BatchPairCount;
    state.counters["lines"] = ps->output.OutputLineCount;
}
BENCHMARK(BM_AllVsAll256)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
