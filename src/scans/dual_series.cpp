#include "scans/series_runs.h"

#include "cosmodynes/interchart_cosmodynes.h"
#include "program_state.h"
#include "scans/run_progress.h"
#include "scans/scan_days.h"
#include "scans/series_table.h"

bool ComputeDualDynesSeries(ProgramState& ps, float years) {
    if (!SeriesSpanAccepted(years)) return false;
    ChartState& cs = ps.chart;
    const int days = SeriesRowCount(years) - 1;
    const bool ph = ps.scans.NamesCheckPH == 1;
    OpenProgress();
    for (int i = 1; i <= 13; ++i) cs.WorkCusps[i] = cs.NatalCusps[i];
    SeriesTable t = NewSeriesTable(days + 1);
    const std::array<double, 16> ownLongitudes = cs.SecondLongitudes, ownDeclinations = cs.SecondDeclinations;
    const std::string ownHouses = cs.HouseStringB;
    for (int d = 0; d <= days; ++d) {
        if (d > 0) ShowRunProgress(d, days);
        ComputeScanDay(ps, d);
        cs.QuietMode = 1;
        for (int k = 1; k <= 13; ++k) {
            cs.SecondLongitudes[k] = cs.WorkLongitudes[k];
            cs.SecondDeclinations[k] = cs.WorkDeclinations[k];
        }
        cs.HouseStringB = cs.HouseString;
        InterchartCosmodynes(ps);
        cs.SecondLongitudes = ownLongitudes;
        cs.SecondDeclinations = ownDeclinations;
        cs.HouseStringB = ownHouses;
        cs.QuietMode = 0;
        t.Dates[d + 1] = SeriesTableDate(cs.DateText, ps.settings.DateOrder);
        FillSeriesRow(t, d + 1, ps.cosmodynes.AspectPower, SeriesNetHarmony(ps.cosmodynes), ph);
    }
    CloseProgress();
    return FinishSeries(ps, t, days + 1);
}

