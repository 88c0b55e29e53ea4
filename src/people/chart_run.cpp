#include "people/chart_run.h"

#include "app/output_buffer.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "people/input_checks.h"
#include "people/input_readers.h"
#include "program_state.h"
#include "scoring/chart_run_scores.h"

void ReadAndComputeCharts(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    ReadNatalInput(ps.chart, natal, ps.settings.DateOrder);
    ReadDiurnalInput(ps.chart, diurnal, ps.settings.DateOrder);
    ComputeChartsWithScores(ps);
}

void RunCheckedCharts(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                      const ChartsStep& charts, const std::function<void()>& beforePage) {
    ChartState& cs = ps.chart;
    ps.wheels.WheelHeader1.assign(8, "");
    ps.wheels.WheelHeader2.assign(8, "");
    ps.wheels.WheelSwitched = 0;
    cs.ChartName = ps.people.NatalNameText;
    ps.people.NatalEmailText = natal.Email;
    ps.people.SecondEmailText = diurnal.Email;
    charts(ps, natal, diurnal);
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
    const std::string& code = ps.chart.HouseSystemCode;
    if (!RunInputChecks(ps, natal, diurnal, code == "M" || code == "I")) return false;
    RunCheckedCharts(ps, natal, diurnal, charts);
    return true;
}
