#include "people/chart_run.h"

#include "app/output_buffer.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "people/input_checks.h"
#include "people/input_readers.h"
#include "platform/dialogs.h"
#include "program_state.h"
#include "scoring/chart_run_scores.h"

void ReadAndComputeCharts(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    ReadNatalInput(ps.chart, natal, ps.settings.DateOrder);
    ReadDiurnalInput(ps.chart, diurnal, ps.settings.DateOrder);
    ComputeChartsWithScores(ps);
}

namespace {

// The run's steps before its page: the wheel legends emptied, the chart
// named, the e-mail texts kept, the charts step.
void ChartsOfFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                    const ChartsStep& charts) {
    ps.wheels.WheelHeader1.assign(8, "");
    ps.wheels.WheelHeader2.assign(8, "");
    ps.wheels.WheelSwitched = 0;
    ps.chart.ChartName = ps.people.NatalNameText;
    ps.people.NatalEmailText = natal.Email;
    ps.people.SecondEmailText = diurnal.Email;
    charts(ps, natal, diurnal);
}

}  // namespace

void RunCheckedCharts(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                      const ChartsStep& charts, const std::function<void()>& beforePage) {
    ChartState& cs = ps.chart;
    ChartsOfFields(ps, natal, diurnal, charts);
    if (cs.AroundClockMode == 1) return;
    if (beforePage) beforePage();
    if (cs.QuietMode == 0) {
        if (ps.people.SecondPersonChecked != 1) StartReportWithHeader(ps);
        else StartReportWithBothHeaders(ps);
        AppendInterchartReport(ps);
        ShowOutput(ps);
    }
    if (ps.settings.OptionValues[211] != 0) ClearOutputBuffer(ps.output);
}

bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    return ComputeChartsFromFields(ps, natal, diurnal, ReadAndComputeCharts);
}

bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                             const ChartsStep& charts) {
    if (!RunInputChecks(ps, natal, diurnal, HouseSystemTakesAnyLatitude(ps.chart.HouseSystemCode))) return false;
    RunCheckedCharts(ps, natal, diurnal, charts);
    return true;
}

bool ComputeChartsQuietly(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    {
        SilentDialogs silent;
        if (!RunInputChecks(ps, natal, diurnal, HouseSystemTakesAnyLatitude(ps.chart.HouseSystemCode))) return false;
    }
    // The charts as the input windows' own run computes them: a quiet run
    // would leave out Chiron when "Use Chiron?" is not ticked.
    ChartState& cs = ps.chart;
    const int quiet = cs.QuietMode;
    cs.QuietMode = 0;
    ChartsOfFields(ps, natal, diurnal, ReadAndComputeCharts);
    cs.QuietMode = quiet;
    return true;
}
