#include "people/input_readers.h"

#include "chart/chart_state.h"
#include "platform/numbers.h"

namespace {

// Whole number of a date box; values beyond a 16-bit integer are held at
// its ends (the checks refuse them before any chart is computed).
int WholeValue(const std::string& text) {
    const double v = StrictValue(text);
    if (v > 32767) return 32767;
    if (v < -32768) return -32768;
    return CInt(v);
}

float DegreesMinutes(const std::string& deg, const std::string& min) {
    return static_cast<float>(StrictValue(deg) + StrictValue(min) / 100.0);
}

}  // namespace

std::string JoinDateText(const DataSetFields& f, int dateOrder) {
    if (dateOrder == 2) return f.Year + "/" + f.Month + "/" + f.Day;
    if (dateOrder == 1) return f.Day + "/" + f.Month + "/" + f.Year;
    return f.Month + "/" + f.Day + "/" + f.Year;
}

void ReadNatalInput(ChartState& cs, const DataSetFields& natal, int dateOrder) {
    cs.NatalDay = WholeValue(natal.Day);
    cs.NatalMonth = WholeValue(natal.Month);
    cs.NatalYear = WholeValue(natal.Year);
    cs.DateText = JoinDateText(natal, dateOrder);
    cs.NatalDateText = cs.DateText;
    cs.NatalTime = static_cast<float>(StrictValue(natal.Hour) + StrictValue(natal.Minute) / 100.0);
    cs.NatalZone = static_cast<float>(StrictValue(natal.Zone));
    cs.NatalAmPm = natal.AM ? "A.M." : "P.M.";
    cs.WheelAmPm = cs.NatalAmPm;
    cs.NatalLongitude = DegreesMinutes(natal.LongDeg, natal.LongMin);
    if (natal.East) cs.NatalLongitude = -cs.NatalLongitude;
    cs.WorkEastWest = cs.NatalLongitude < 0 ? "EAST" : "WEST";
    cs.NatalLatitude = DegreesMinutes(natal.LatDeg, natal.LatMin);
    if (natal.South) cs.NatalLatitude = -cs.NatalLatitude;
    cs.WorkNorthSouth = cs.NatalLatitude < 0 ? "SOUTH" : "NORTH";
}

void ReadDiurnalInput(ChartState& cs, const DataSetFields& diurnal, int dateOrder) {
    cs.DiurnalDay = WholeValue(diurnal.Day);
    cs.DiurnalYear = WholeValue(diurnal.Year);
    cs.DiurnalMonth = WholeValue(diurnal.Month);
    cs.DiurnalDayOffset = cs.DiurnalYear - cs.NatalYear;
    if (cs.DiurnalMonth < cs.NatalMonth || (cs.DiurnalMonth == cs.NatalMonth && cs.DiurnalDay < cs.NatalDay))
        cs.DiurnalDayOffset -= 1;
    cs.DateText = JoinDateText(diurnal, dateOrder);
    cs.SecondDateText = cs.DateText;
    cs.DiurnalTime = static_cast<float>(StrictValue(diurnal.Hour) + StrictValue(diurnal.Minute) / 100.0);
    cs.DiurnalZone = static_cast<float>(StrictValue(diurnal.Zone));
    cs.SecondAmPm = diurnal.AM ? "A.M." : "P.M.";
    cs.DiurnalLongitude = DegreesMinutes(diurnal.LongDeg, diurnal.LongMin);
    if (diurnal.East) cs.DiurnalLongitude = -cs.DiurnalLongitude;
    cs.SecondEastWest = cs.DiurnalLongitude < 0 ? "EAST" : "WEST";
    cs.DiurnalLatitude = DegreesMinutes(diurnal.LatDeg, diurnal.LatMin);
    if (diurnal.South) cs.DiurnalLatitude = -cs.DiurnalLatitude;
    cs.SecondNorthSouth = cs.DiurnalLatitude < 0 ? "SOUTH" : "NORTH";
}
