#include "scans/ui/around_clock_run.h"

#include <QCoreApplication>

#include "people/ui/compute_charts.h"
#include "platform/dialogs.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "scans/around_clock_table.h"
#include "scans/ui/cosmodyne_graphs_window.h"
#include "scans/ui/run_windows.h"
#include "scans/ui/set_start_time_window.h"

namespace {

// The times of the run into the input windows' boxes, as the user sees them.
void ShowTimes(const DataSetFields& natal, const DataSetFields& diurnal) {
    InputD& n = FormOf<InputD>();
    (natal.AM ? n.optAM : n.optPM).SetValue(true);
    n.txtBirthHour.SetText(natal.Hour);
    n.txtBirthMinute.SetText(natal.Minute);
    InputD1& d = FormOf<InputD1>();
    (diurnal.AM ? d.optDiurnalAM : d.optDiurnalPM).SetValue(true);
    d.txtDiurnalHour.SetText(diurnal.Hour);
    d.txtDiurnalMinute.SetText(diurnal.Minute);
}

}  // namespace

void DrawAroundClockGraph(ProgramState& ps, frmSetStartTime& settings) {
    RunGuard guard(ps);
    if (!guard.Active()) return;
    const AroundClockBoxes boxes = settings.Boxes();
    const ClockSeries natalSeries = ReadClockSeries(boxes.StartHour, boxes.StartMinute, boxes.Interval);
    const ClockSeries transitSeries =
        ReadClockSeries(boxes.StartHourTransit, boxes.StartMinuteTransit, boxes.IntervalTransit);
    if (!ClockSeriesStaysInDay(natalSeries, 12) || !ClockSeriesStaysInDay(transitSeries, 24)) {
        MsgBox(AroundClockMidnightMessage(), MsgButtons::OK, "Dual dynes around clock", MsgIcon::Exclamation);
        return;
    }
    // The run's times go through both windows' time boxes; the people's own
    // times come back before the last chart run, so the page and the charts
    // held are theirs. The table and the graph keep the run's times.
    RunInputsKept kept(ps, PutBack::Both);
    ps.chart.AroundClockMode = 1;
    HideWindowsForRun();
    QCoreApplication::processEvents();
    ps.scans.BestDaysMode = 1;
    TakeChartRunSettings(ps);
    DataSetFields natal = FormOf<InputD>().Fields();
    DataSetFields diurnal = FormOf<InputD1>().Fields();
    AroundClockHooks hooks;
    hooks.TransitSettings = [&settings] {
        const AroundClockBoxes b = settings.Boxes();
        return ReadClockSeries(b.StartHourTransit, b.StartMinuteTransit, b.IntervalTransit);
    };
    hooks.Yield = [] { QCoreApplication::processEvents(); };
    hooks.TimesSet = ShowTimes;
    const bool done = ComputeAroundTheClock(ps, natal, diurnal, natalSeries, hooks);
    ps.scans.BestDaysMode = 0;
    if (!done) {
        ShowWindowsWhenNoInputMenu();
        return;
    }
    ps.scans.Graph.GraphTitle = "Dual Cosmodynes Around the Clock";
    OpenCosmodyneGraphs(ps);
    kept.PutBackNow();
    ComputeCharts(ps);
}
