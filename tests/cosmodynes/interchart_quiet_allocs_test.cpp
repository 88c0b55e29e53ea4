// Heap allocations of a quiet interchart run made again on the state the run
// before left, as the scans make thousands of them: none when the run reuses
// its batch slot; only the new batch line (and its dated line on the output)
// when the batch moves on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "couple_fixtures.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "program_state.h"

namespace {
// Counted only on the thread that switched counting on, and only while it is
// on; every other allocation of this program goes to malloc as before.
thread_local bool t_counting = false;
thread_local long t_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (t_counting) ++t_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

long CountedRun(ProgramState& ps) {
    t_allocations = 0;
    t_counting = true;
    InterchartCosmodynes(ps);
    t_counting = false;
    return t_allocations;
}

TEST(InterchartQuietAllocations, ASecondRunAllocatesOnlyTheLinesItAdds) {
    struct Case {
        const char* mode;
        int bestDays, dated, secondPerson;
        long nextSlotAllocations;  // the new batch line, and the dated line in buffer and page
    };
    const Case cases[] = {
        {"plain", 0, 0, 1, 1},
        {"transits", 0, 0, 0, 1},
        {"best days", 1, 0, 1, 0},
        {"dated lines", 0, 1, 1, 3},
    };
    for (const Case& c : cases) {
        auto ps = std::make_unique<ProgramState>();
        fixtures::ComputeCouple(*ps, fixtures::NorthCouple());
        ps->chart.AnglesSetting = 2;
        ps->chart.UseChiron = true;
        ps->chart.QuietMode = 1;
        ps->people.SecondPersonChecked = c.secondPerson;
        ps->people.NatalEmailText = "alice.longname@example.org";
        ps->people.SecondEmailText = "bruno.longname@example.org";
        ps->scans.NamesCheck3 = 1;
        ps->scans.BestDaysMode = c.bestDays;
        ps->scans.DatedLines = c.dated;
        // The caller's stores have room for the batch, as a scan sizes them.
        ps->scans.BatchLines.reserve(8);
        ps->output.OutputBuffer.reserve(16);
        ps->output.OutputPage.reserve(16);
        ps->scans.BatchLines.assign(1, "");
        ps->scans.BatchLineCount = 0;
        const int lines = ps->output.OutputLineCount, pageLines = ps->output.PageLineCount;

        InterchartCosmodynes(*ps);
        const std::string batch = ps->scans.BatchLines[0];
        const std::string current = ps->output.CurrentLine;

        // The same slot again: the batch slot, CurrentLine and the output
        // lines are reused.
        ps->scans.BatchLineCount = 0;
        ps->output.OutputLineCount = lines;
        ps->output.PageLineCount = pageLines;
        EXPECT_EQ(CountedRun(*ps), 0) << c.mode;
        EXPECT_EQ(ps->scans.BatchLines[0], batch) << c.mode;
        EXPECT_EQ(ps->output.CurrentLine, current) << c.mode;

        // The batch moves on: only the lines the run adds are allocated.
        EXPECT_EQ(CountedRun(*ps), c.nextSlotAllocations) << c.mode;
        EXPECT_EQ(ps->output.CurrentLine, current) << c.mode;
        if (c.bestDays == 0) {
            EXPECT_EQ(ps->scans.BatchLineCount, 2) << c.mode;
            EXPECT_EQ(ps->scans.BatchLines[1], batch) << c.mode;
        }
    }
}

}  // namespace
