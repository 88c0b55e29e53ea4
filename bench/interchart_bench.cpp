// One quiet interchart cosmodyne run, as the scans make thousands of them: a
// couple with both angles and Chiron, mutual receptions in the harmony, the
// summary and batch line built; also in best-days mode and with the dated
// batch line. The caller reuses one ProgramState and its batch slot, as a
// scan does between days; the counter allocs/iter counts every heap
// allocation inside the timed loop and should stay 0.
#include <benchmark/benchmark.h>

#include <string>

#include "allocation_counter.h"
#include "app/constant_tables.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "program_state.h"

namespace {

std::string HouseString(const int (&houses)[16]) {
    std::string s;
    for (int b = 1; b <= 15; ++b) {
        std::string field = (houses[b] < 10 ? " " : "") + std::to_string(houses[b]) + " HOUSE";
        field.resize(10, ' ');
        s += field;
    }
    return s;
}

void PrepareCouple(ProgramState& ps) {
    FillNameTables(ps.settings);
    ps.settings.OptionValues[238] = 2;
    ChartState& cs = ps.chart;
    static constexpr double kLongA[16] = {0,     353.9, 338.2, 321.4, 289.7, 310.6, 304.8, 156.2,
                                          222.0, 159.4, 242.6, 120.3, 300.3, 331.2, 215.2, 132.1};
    static constexpr double kDeclA[16] = {0,    -2.4,  -10.6, -16.3, -20.9, -15.8, -18.2, 10.6,
                                          -13.2, 21.0, -25.8, 17.1,  -17.1, -8.1,  -13.4, 17.4};
    static constexpr double kLongB[16] = {0,     219.7, 235.4, 223.1, 200.9, 28.6,  333.0, 16.8,
                                          259.8, 197.3, 117.4, 178.9, 358.9, 19.5,  201.7, 117.8};
    static constexpr double kDeclB[16] = {0,    -14.9, -20.7, -16.0, -8.6,  8.8,   -12.7, 7.4,
                                          -20.3, 12.1, 23.6,  0.4,   -0.4,  6.3,   -7.8,  20.9};
    static constexpr int kHousesA[16] = {0, 5, 5, 4, 4, 4, 4, 10, 1, 11, 2, 8, 2, 4, 1, 10};
    static constexpr int kHousesB[16] = {0, 1, 2, 1, 12, 6, 5, 7, 2, 1, 10, 12, 6, 7, 1, 10};
    for (int b = 1; b <= 15; ++b) {
        cs.NatalLongitudes[b] = kLongA[b];
        cs.NatalDeclinations[b] = kDeclA[b];
        cs.SecondLongitudes[b] = kLongB[b];
        cs.SecondDeclinations[b] = kDeclB[b];
    }
    cs.HouseStringA = HouseString(kHousesA);
    cs.HouseStringB = HouseString(kHousesB);
    cs.AnglesSetting = 2;
    cs.UseChiron = true;
    cs.NatalTime = 9.30f, cs.NatalAmPm = "P.M.";
    cs.DiurnalTime = 6.05f, cs.SecondAmPm = "A.M.";
    cs.ChartName = "Alice Sample";
    cs.NatalDateText = "3/14/1962";
    cs.SecondDateText = "11/2/1965";
    cs.QuietMode = 1;
    ps.people.SecondPersonChecked = 1;
    ps.people.SecondPersonCaption = "Bruno Example";
    ps.people.NatalEmailText = "alice@example.org";
    ps.people.SecondEmailText = "bruno@example.org";
    ps.people.OuterPlanetsChecked = 1;
    ps.scans.NamesCheck3 = 1;
    ps.scans.BatchLines.assign(2, "");
}

enum class Mode { Plain, BestDays, DatedLines };

void RunQuiet(benchmark::State& state, Mode mode) {
    ProgramState ps;
    PrepareCouple(ps);
    ps.scans.BestDaysMode = mode == Mode::BestDays ? 1 : 0;
    ps.scans.DatedLines = mode == Mode::DatedLines ? 1 : 0;
    auto once = [&ps] {
        ps.scans.BatchLineCount = 0;
        ps.output.OutputLineCount = 0;
        ps.output.PageLineCount = 0;
        InterchartCosmodynes(ps);
    };
    once();  // the first run may size what it keeps
    const long before = g_allocations.load();
    for (auto _ : state) {
        once();
        benchmark::DoNotOptimize(ps.interchart.LastDualTotalB);
    }
    ReportAllocations(state, before);
}

void BM_QuietInterchartRun(benchmark::State& state) { RunQuiet(state, Mode::Plain); }
void BM_QuietInterchartBestDays(benchmark::State& state) { RunQuiet(state, Mode::BestDays); }
void BM_QuietInterchartDatedLines(benchmark::State& state) { RunQuiet(state, Mode::DatedLines); }
BENCHMARK(BM_QuietInterchartRun);
BENCHMARK(BM_QuietInterchartBestDays);
BENCHMARK(BM_QuietInterchartDatedLines);

}  // namespace
