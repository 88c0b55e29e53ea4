#include "people/chart_run.h"

#include "app/output_buffer.h"
#include "chart/chart_driver.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "people/input_checks.h"
#include "people/input_readers.h"
#include "program_state.h"

bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    return ComputeChartsFromFields(ps, natal, diurnal, [](ProgramState& p, const DataSetFields& n, const DataSetFields& d) {
        ReadNatalInput(p.chart, n, p.settings.DateOrder);
        ReadDiurnalInput(p.chart, d, p.settings.DateOrder);
        ComputeChartsCore(p);
    });
}

bool ComputeChartsFromFields(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                             const ChartsStep& charts) {
    ChartState& cs = ps.chart;
    const bool meridianOrMorinus = cs.HouseSystemCode == "M" || cs.HouseSystemCode == "I";
    if (!RunInputChecks(ps, natal, diurnal, meridianOrMorinus)) return false;
    ps.wheels.WheelHeader1.assign(8, "");
    ps.wheels.WheelHeader2.assign(8, "");
    ps.wheels.WheelSwitched = 0;
    cs.ChartName = ps.people.NatalNameText;
    ps.people.NatalEmailText = natal.Email;
    ps.people.SecondEmailText = diurnal.Email;
    charts(ps, natal, diurnal);
    if (cs.AroundClockMode == 1) return true;
    if (cs.QuietMode == 0) {
        if (ps.people.SecondPersonChecked != 1) StartReportWithHeader(ps);
        else StartReportWithBothHeaders(ps);
        AppendInterchartReport(ps);
        ShowOutput(ps);
    }
    if (ps.settings.OptionValues[211] != 0) ClearOutputBuffer(ps.output);
    return true;
}
