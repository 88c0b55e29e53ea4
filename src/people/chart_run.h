#pragma once
// The chart run without windows: the input checks on both data sets, both
// data sets read, both charts computed and scored, and with QuietMode 0 the
// first report page with the interchart cosmodynes. The input windows' run
// (ComputeCharts) is its window side; the long runs over days and names
// call it on the fields they hold.
#include <functional>

#include "people/input_fields.h"

struct ProgramState;

// The step that reads both data sets and computes and scores both charts.
using ChartsStep = std::function<void(ProgramState&, const DataSetFields& natal, const DataSetFields& diurnal)>;
// The usual step: both readers, then ComputeChartsWithScores.
void ReadAndComputeCharts(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal);

// Before a run the caller sets what the windows' other controls give:
// people.NatalNameText (the chart's name), chart.AnglesSetting,
// chart.HouseSystemCode, chart.UseChiron and the second-person box
// (people.SecondPersonChecked, SecondPersonCaption).
//
// The run after the input checks passed: the wheel legends emptied, the
// chart named, the e-mail texts kept, the charts step; unless
// AroundClockMode is 1, beforePage (when given), then with QuietMode 0 the
// first page (headers, interchart report, shown), and the output buffer
// emptied when option 211 is not 0.
void RunCheckedCharts(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                      const ChartsStep& charts, const std::function<void()>& beforePage = nullptr);

// The whole run: the checks (Meridian or Morinus by HouseSystemCode), then
// RunCheckedCharts. False when a check refused the input (its message
// shown, InputError 1, nothing computed).
bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal);
bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                             const ChartsStep& charts);

// The charts the program holds brought in step with the fields after a long
// run, without a word: the charts and scores the whole run computes, but
// the checks' messages are not shown, no page is made, and the output
// buffer is left as the run left it (option 211 not applied). False when
// the checks refuse the fields (InputError 1); the charts then stay as they
// were.
bool ComputeChartsQuietly(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal);
