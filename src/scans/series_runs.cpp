#include "scans/series_runs.h"

#include "chart/time_scale.h"
#include "cosmodynes/natal_cosmodynes.h"
#include "people/chart_run.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "program_state.h"
#include "scans/graph_table_file.h"
#include "scans/run_progress.h"
#include "scans/series_table.h"

namespace {

std::string TrueFalse(bool b) { return b ? "True" : "False"; }

}  // namespace

std::array<double, 16> SeriesNetHarmony(const CosmodyneState& c) {
    std::array<double, 16> h{};
    for (int k = 1; k <= 10; ++k) h[k] = c.Harmony[k] - c.Discord[k];
    return h;
}

// A date text of DateOrder as the graph table writes it.
std::string SeriesTableDate(const std::string& dateText, int dateOrder) {
    const std::optional<DateTime> d = ParseDate(dateText, dateOrder);
    return d ? GraphDateText(*d, dateOrder) : dateText;
}

bool SeriesSpanAccepted(float years) {
    if (SeriesRowsFit(years)) return true;
    MsgBox(SeriesRowsMessage(), MsgButtons::OK, "Number of Years", MsgIcon::Exclamation);
    return false;
}

// Scales, then hands the table over and writes the file.
bool FinishSeries(ProgramState& ps, SeriesTable& t, int rows) {
    if (!ScaleSeries(t, ps.scans.NamesCheckPH == 1)) {
        MsgBox(SeriesScaleMessage(), MsgButtons::OK, "Graph", MsgIcon::Exclamation);
        return false;
    }
    TakeSeries(ps.scans.Graph, std::move(t));
    return WriteGraphFile(ps, rows);
}


SavedNatalInputs SaveNatalInputs(DataSetFields& natal, const DataSetFields& diurnal) {
    SavedNatalInputs s;
    s[1] = natal.Month, s[2] = natal.Day, s[3] = natal.Year;
    s[4] = natal.Hour, s[5] = natal.Minute, s[6] = natal.Zone;
    s[7] = natal.LongDeg, s[8] = natal.LongMin, s[9] = natal.LatDeg, s[10] = natal.LatMin;
    s[11] = TrueFalse(natal.AM), s[12] = TrueFalse(natal.East), s[13] = TrueFalse(natal.South);
    natal.Month = diurnal.Month, natal.Day = diurnal.Day, natal.Year = diurnal.Year;
    natal.Hour = diurnal.Hour, natal.Minute = diurnal.Minute, natal.Zone = diurnal.Zone;
    natal.LongDeg = diurnal.LongDeg, natal.LongMin = diurnal.LongMin;
    natal.LatDeg = diurnal.LatDeg, natal.LatMin = diurnal.LatMin;
    natal.AM = diurnal.AM, natal.East = diurnal.East, natal.West = diurnal.West, natal.South = diurnal.South;
    return s;
}

void RestoreNatalInputs(DataSetFields& natal, const SavedNatalInputs& s) {
    natal.Month = s[1], natal.Day = s[2], natal.Year = s[3];
    natal.Hour = s[4], natal.Minute = s[5], natal.Zone = s[6];
    natal.LongDeg = s[7], natal.LongMin = s[8], natal.LatDeg = s[9], natal.LatMin = s[10];
    natal.AM = s[11] == "True";
    natal.East = s[12] == "True";
    natal.West = !natal.East;
    natal.South = s[13] == "True";
}

bool ComputeNatalDynesSeries(ProgramState& ps, DataSetFields& natal, const DataSetFields& diurnal, float years) {
    if (!SeriesSpanAccepted(years)) return false;
    ChartState& cs = ps.chart;
    GraphState& g = ps.scans.Graph;
    const int days = SeriesRowCount(years) - 1;
    const bool ph = ps.scans.NamesCheckPH == 1;
    const int order = ps.settings.DateOrder;
    OpenProgress();
    const SavedNatalInputs saved = SaveNatalInputs(natal, diurnal);
    cs.QuietMode = 1;
    const bool accepted = ComputeChartsFromFields(ps, natal, diurnal);
    cs.QuietMode = 0;
    if (!accepted) {
        CloseProgress();
        RestoreNatalInputs(natal, saved);
        return false;
    }
    g.GraphYears = years;
    g.GraphDays = days;
    const double start = cs.NatalJulianDate;
    SeriesTable t = NewSeriesTable(days + 1);
    for (int d = 0; d <= days; ++d) {
        if (d > 0) ShowRunProgress(d, days);
        cs.JulianDay = start + d;
        JulianDayToDateText(cs, order);
        if (const std::optional<DateTime> date = ParseDate(cs.DateText, order)) {
            natal.Month = std::to_string(date->Month);
            natal.Day = std::to_string(date->Day);
            natal.Year = std::to_string(date->Year);
        }
        cs.NatalDateText = cs.DateText;
        cs.QuietMode = 1;
        ComputeChartsFromFields(ps, natal, diurnal);
        ps.cosmodynes.RelationshipMode = 0;
        NatalCosmodynes(ps);
        cs.QuietMode = 0;
        t.Dates[d + 1] = SeriesTableDate(cs.NatalDateText, order);
        FillSeriesRow(t, d + 1, ps.cosmodynes.TotalPower, SeriesNetHarmony(ps.cosmodynes), ph);
    }
    CloseProgress();
    const bool written = FinishSeries(ps, t, days + 1);
    RestoreNatalInputs(natal, saved);
    return written;
}
