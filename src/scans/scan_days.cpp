#include "scans/scan_days.h"

#include "chart/angle_helpers.h"
#include "chart/chart_positions.h"
#include "chart/house_placement.h"
#include "chart/time_scale.h"
#include "platform/numbers.h"
#include "program_state.h"

int DaysInYears(float years) {
    const double days = Int(static_cast<double>(years) * 365.25);
    if (days > 1e9) return 1000000000;
    if (days < -1e9) return -1000000000;
    return static_cast<int>(days);
}

int ScanLastDay(float years) { return DaysInYears(years) - 1; }

bool DaysFit(float years) { return DaysInYears(years) <= kMaxRunDays; }

int BdfyDaysFromAnswer(const std::string& answer) {
    const double v = Val(answer);
    if (!(v > 0)) return 0;
    if (v > 32000) return 32000;
    return CInt(v);
}

void ComputeScanDay(ProgramState& ps, int i) {
    ChartState& cs = ps.chart;
    cs.JulianDay = cs.SecondJulianDate + i;
    JulianDayToDateText(cs, ps.settings.DateOrder);
    cs.TimeCenturies = cs.SecondT1900 + i / 36525.0;
    cs.GraphT1900 = cs.TimeCenturies;
    cs.TimeCenturies2000 = cs.ChartT2000 + i / 36525.0;
    cs.JulianDayNumber = cs.SecondJulianDate + i;
    const double t = cs.TimeCenturies;
    const double e = 23.4522944 - 0.0130125 * t - 1.639e-06 * t * t + 5.03e-07 * t * t * t;
    cs.ObliquityRad = -DegToRad(e);
    CalcPositionsAtTime(cs);
    CalcChironFromTable(cs, cs.JulianDayNumber, cs.UseChiron, cs.QuietMode == 1);
    AssignHouses(cs);
}
