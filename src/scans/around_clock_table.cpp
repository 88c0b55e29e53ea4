#include "scans/around_clock_table.h"

#include "chart/chart_driver.h"
#include "cosmodynes/interchart_cosmodynes.h"
#include "people/input_checks.h"
#include "people/input_readers.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/run_progress.h"

namespace {

void SetTime(DataSetFields& f, const ClockTime& t) {
    f.AM = !t.PM;
    f.Hour = t.Hour12;
    f.Minute = std::to_string(t.Minute);
}

bool StaysInDay(const ClockSeries& s, int count) {
    if (ClockSeriesStaysInDay(s, count)) return true;
    MsgBox(AroundClockMidnightMessage(), MsgButtons::OK, "Dual dynes around clock", MsgIcon::Exclamation);
    return false;
}

}  // namespace

const char* AroundClockMidnightMessage() {
    return "With these start times and intervals a time would reach midnight (24:00). Please choose an earlier "
           "start or a shorter interval.";
}

bool ComputeAroundTheClock(ProgramState& ps, DataSetFields& natal, DataSetFields& diurnal,
                           const ClockSeries& natalSeries, const AroundClockHooks& hooks) {
    ChartState& cs = ps.chart;
    GraphState& g = ps.scans.Graph;
    if (!StaysInDay(natalSeries, 12)) return false;
    const bool meridianOrMorinus = cs.HouseSystemCode == "M" || cs.HouseSystemCode == "I";
    std::vector<GraphRow> values(25, GraphRow{});
    std::vector<std::string> dates(25, std::string());
    GraphState times = g;  // the time arrays, taken over once the table is complete
    OpenProgress();
    ClockWalk natalWalk(natalSeries);
    for (int i = 1; i <= 12; ++i) {
        ShowRunProgress(i, 12);
        const ClockTime nt = natalWalk.Next();
        SetTime(natal, nt);
        times.NatalTimeHours[i] = static_cast<float>(nt.Hour24);
        times.NatalTimeMinutes[i] = static_cast<float>(nt.Minute);
        if (hooks.TimesSet) hooks.TimesSet(natal, diurnal);
        if (!RunInputChecks(ps, natal, diurnal, meridianOrMorinus)) {
            CloseProgress();
            return false;
        }
        ReadNatalInput(cs, natal, ps.settings.DateOrder);
        ComputeChartsForGraphCore(ps);
        const ClockSeries transitSeries = hooks.TransitSettings ? hooks.TransitSettings() : ClockSeries{0, 30, 1};
        if (!ClockSeriesStaysInDay(transitSeries, 24)) {
            CloseProgress();
            StaysInDay(transitSeries, 24);
            return false;
        }
        ClockWalk transitWalk(transitSeries);
        for (int j = 0; j <= 23; ++j) {
            const ClockTime tt = transitWalk.Next();
            SetTime(diurnal, tt);
            times.TransitTimeHours[j] = static_cast<float>(tt.Hour24);
            times.TransitTimeMinutes[j] = static_cast<float>(tt.Minute);
            if (hooks.TimesSet) hooks.TimesSet(natal, diurnal);
            if (hooks.Yield) hooks.Yield();
            cs.QuietMode = 1;
            ReadDiurnalInput(cs, diurnal, ps.settings.DateOrder);
            ComputeDiurnalForGraphCore(ps);
            InterchartCosmodynes(ps);
            cs.QuietMode = 0;
            const std::optional<DateTime> d = ParseDate(cs.SecondDateText, ps.settings.DateOrder);
            dates[j + 1] = d ? GraphDateText(*d, ps.settings.DateOrder) : cs.SecondDateText;
            // "P * H" is read anew for every cell.
            const double a = ps.interchart.LastDualTotalA, b = ps.interchart.LastDualTotalB;
            values[j + 1][i] = ps.scans.NamesCheckPH == 1 ? static_cast<float>(a * b) : static_cast<float>(b);
        }
    }
    CloseProgress();
    const std::string path = GraphFilePath(ps.settings.AppPath);
    if (!WriteFileBytes(path, GraphFileText(values, dates, 24))) {
        MsgBox("The graph table " + PathToText(path) + " could not be written.", MsgButtons::OK, "Graph",
               MsgIcon::Exclamation);
        return false;
    }
    g.GraphValues = std::move(values);
    g.GraphDates = std::move(dates);
    g.NatalTimeHours = times.NatalTimeHours;
    g.NatalTimeMinutes = times.NatalTimeMinutes;
    g.TransitTimeHours = times.TransitTimeHours;
    g.TransitTimeMinutes = times.TransitTimeMinutes;
    return true;
}
