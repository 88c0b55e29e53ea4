#pragma once
// The chart run without windows: the input checks on both data sets, both
// data sets read, both charts computed and scored, and with QuietMode 0 the
// first report page. The input windows' run (ComputeCharts) and the long
// runs over days and names call it on the fields they hold.
#include <functional>

#include "people/input_fields.h"

struct ProgramState;

// Before the call the caller sets what the windows' other controls give:
// people.NatalNameText (the chart's name), chart.AnglesSetting,
// chart.HouseSystemCode, chart.UseChiron and the second-person box
// (people.SecondPersonChecked, SecondPersonCaption). False when a check
// refused the input (its message shown, InputError 1, nothing computed).
// The data sets' e-mail texts are kept as the input windows keep them. At
// the end, when option 211 is not 0, the output buffer is emptied.
bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal);

// The same with the step that reads both data sets and computes both charts
// given by the caller (a run that keeps charts it computed before); the
// step reads natal and diurnal itself.
using ChartsStep = std::function<void(ProgramState&, const DataSetFields& natal, const DataSetFields& diurnal)>;
bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                             const ChartsStep& charts);
