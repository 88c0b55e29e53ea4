#include "scans/series_runs.h"

#include "cosmodynes/interchart_cosmodynes.h"
#include "program_state.h"
#include "chart/angle_helpers.h"
#include "chart/chart_positions.h"
#include "chart/house_placement.h"
#include "chart/time_scale.h"
#include "scans/series_table.h"

namespace {

// Day d of the series: chart B's computed moment moved on by d whole days;
// the day's bodies 1..13 in WorkLongitudes and WorkDeclinations, placed in
// WorkCusps (chart A's cusps) into HouseString.
void SeriesDay(ProgramState& ps, int d) {
    ChartState& cs = ps.chart;
    cs.JulianDay = cs.SecondJulianDate + d;
    JulianDayToDateText(cs, ps.settings.DateOrder);
    cs.TimeCenturies = cs.SecondT1900 + d / 36525.0;
    cs.GraphT1900 = cs.TimeCenturies;
    cs.TimeCenturies2000 = cs.ChartT2000 + d / 36525.0;
    cs.JulianDayNumber = cs.SecondJulianDate + d;
    const double t = cs.TimeCenturies;
    const double e = 23.4522944 - 0.0130125 * t - 1.639e-06 * t * t + 5.03e-07 * t * t * t;
    cs.ObliquityRad = -DegToRad(e);
    CalcPositionsAtTime(cs);
    CalcChironFromTable(cs, cs.JulianDayNumber, cs.UseChiron, cs.QuietMode == 1);
    AssignHouses(cs);
}

}  // namespace

bool ComputeDualDynesSeries(ProgramState& ps, float years, const SeriesProgress& progress) {
    if (!SeriesSpanAccepted(years)) return false;
    ChartState& cs = ps.chart;
    const int days = SeriesRowCount(years) - 1;
    const bool ph = ps.scans.NamesCheckPH == 1;
    if (progress.Open) progress.Open();
    for (int i = 1; i <= 13; ++i) cs.WorkCusps[i] = cs.NatalCusps[i];
    SeriesTable t = NewSeriesTable(days + 1);
    const std::array<double, 16> ownLongitudes = cs.SecondLongitudes, ownDeclinations = cs.SecondDeclinations;
    const std::string ownHouses = cs.HouseStringB;
    for (int d = 0; d <= days; ++d) {
        if (d > 0 && progress.Show) progress.Show(d, days);
        SeriesDay(ps, d);
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
    if (progress.Close) progress.Close();
    return FinishSeries(ps, t, days + 1);
}

