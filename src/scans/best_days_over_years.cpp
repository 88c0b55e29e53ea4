#include "scans/best_days_over_years.h"

#include "app/output_buffer.h"
#include "chart/time_scale.h"
#include "people/chart_run.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "program_state.h"
#include "scans/batch_score_list.h"
#include "scans/run_progress.h"
#include "scans/scan_days.h"
#include "scans/scan_engines.h"

void BestDaysForYears(ProgramState& ps, NamesRunFields& f, float years) {
    ChartState& cs = ps.chart;
    ScanState& s = ps.scans;
    if (!(years > 0)) return;
    if (!DaysFit(years)) {
        MsgBox(kTooManyDaysMessage, MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
        return;
    }
    OpenProgress();
    const int days = ScanLastDay(years);
    cs.QuietMode = 1;
    const bool accepted = ComputeChartsFromFields(ps, f.Natal, f.Diurnal);
    const double start = cs.NatalJulianDate;
    cs.JulianDay = start;
    JulianDayToDateText(cs, ps.settings.DateOrder);
    cs.QuietMode = 0;
    if (!accepted) {
        CloseProgress();
        return;
    }

    StartReport(ps);
    AppendBlankLine(ps);
    ps.output.CurrentLine = "  Best Days According to Cosmodyne Harmony";
    AppendLine(ps);
    AppendBlankLine(ps);
    ps.output.CurrentLine = "                    Power     Harmony";
    AppendLine(ps);
    s.BatchLines.assign(2, "");
    s.BatchLineCount = 0;
    s.BatchLines.reserve(std::max(days + 1, 0) + 1);

    for (int k = -1; k <= days - 1; ++k) {
        if (days >= 1) ShowRunProgress(k, days);
        cs.JulianDay = start + k;
        JulianDayToDateText(cs, ps.settings.DateOrder);
        const auto date = ParseDate(cs.DateText, ps.settings.DateOrder);
        if (date) {
            f.Natal.Month = FormatDate(*date, "m");
            f.Natal.Day = FormatDate(*date, "d");
            f.Natal.Year = FormatDate(*date, "yyyy");
        }
        cs.NatalDateText = cs.DateText;
        cs.QuietMode = 1;
        const bool ok = ComputeChartsFromFields(ps, f.Natal, f.Diurnal);
        if (ok) {
            ps.cosmodynes.RelationshipMode = 0;
            NatalCosmodynes(ps);
            s.BatchLines[s.BatchLineCount] = "  " +
                                             FormatDateText(cs.NatalDateText, "dd mmm yyyy", ps.settings.DateOrder) +
                                             " - " + ps.cosmodynes.DynesSummaryLine;
            ++s.BatchLineCount;
            s.BatchLines.resize(s.BatchLineCount + 1);
        }
        cs.QuietMode = 0;
        if (!ok) break;
    }
    CloseProgress();
    SortAndListBatchScores(ps);
}
