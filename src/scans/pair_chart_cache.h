#pragma once
// The charts of a run over the names list, computed once per person: chart
// A of each person the first time the person is the pair's first record,
// chart B the first time the person is its second. A pair then takes its
// two charts from the cache and runs the rest of the chart run (reading the
// input, the Julian dates, the relationship data and scores), leaving the
// chart state as computing both charts for the pair leaves it.
#include <memory>
#include <vector>

#include "people/input_fields.h"

struct ProgramState;
struct ChartState;

class PairChartCache {
public:
    explicit PairChartCache(int people);
    ~PairChartCache();
    PairChartCache(const PairChartCache&) = delete;
    PairChartCache& operator=(const PairChartCache&) = delete;

    // The charts step of pair (i, j): both data sets read, both charts taken
    // from the store (computed when first needed), the relationship data and
    // the scores. natal holds person i, diurnal person j.
    void ComputePair(ProgramState& ps, int i, int j, const DataSetFields& natal, const DataSetFields& diurnal);

private:
    struct Entry;
    std::vector<std::unique_ptr<Entry>> asNatal_, asSecond_;
};

// Copies a chart state without its data tables (the Chiron tables), which
// stay as they are in the destination.
void CopyChartValues(ChartState& to, const ChartState& from);
