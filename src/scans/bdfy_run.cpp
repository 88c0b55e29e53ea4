#include "scans/bdfy_run.h"

#include "app/output_buffer.h"
#include "people/chart_run.h"
#include "people/city_record.h"
#include "platform/dates.h"
#include "program_state.h"
#include "scans/run_progress.h"
#include "scans/scan_tables.h"

bool BdfyRun(ProgramState& ps, NamesRunFields& f, int days) {
    ScanState& s = ps.scans;
    ChartState& cs = ps.chart;
    s.BdfyDayCount = days;
    s.DayValues.assign(days, {});
    s.DayLines.assign(days, {});
    const std::string savedMonth = f.Diurnal.Month, savedDay = f.Diurnal.Day, savedYear = f.Diurnal.Year;

    EmptyOutput(ps.output);
    s.DayIndex = 0;
    if (!ComputeChartsFromFields(ps, f.Natal, f.Diurnal)) return false;
    DateTime start;
    start.Year = cs.DiurnalYear, start.Month = cs.DiurnalMonth, start.Day = cs.DiurnalDay;
    s.BatchLines.assign(2, "");
    s.BatchLineCount = 0;
    cs.QuietMode = 0;

    OpenProgress();
    int done = 0;
    for (int d = 0; d < days; ++d) {
        if (days > 1) ShowRunProgress(d, days - 1);
        s.DayIndex = d;
        const DateTime date = AddDays(start, d);
        f.Diurnal.Month = PlainNumberText(date.Month);
        f.Diurnal.Day = PlainNumberText(date.Day);
        f.Diurnal.Year = PlainNumberText(date.Year);
        if (!ComputeChartsFromFields(ps, f.Natal, f.Diurnal)) break;
        // Each day's report page is shown; the buffer keeps none of them,
        // so a long run never fills it.
        ClearOutputBuffer(ps.output);
        ++done;
    }
    CloseProgress();
    WriteScanTable(ps, kBdfyTableFile, BdfyTableText(s, done));

    f.Diurnal.Month = savedMonth;
    f.Diurnal.Day = savedDay;
    f.Diurnal.Year = savedYear;
    ComputeChartsFromFields(ps, f.Natal, f.Diurnal);
    return true;
}
