#include "reports/longitude_format.h"

#include <cmath>

#include "app/constant_tables.h"
#include "chart/angle_helpers.h"
#include "chart/house_placement.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

std::string SignLetters(const ProgramState& ps) {
    return TableField(ps.settings.SignAbbrevs, 3, static_cast<int>(ps.chart.SignOrCode));
}

}  // namespace

void FormatLongitude(ProgramState& ps) {
    ChartState& cs = ps.chart;
    SplitLongitude(cs);
    ps.output.CurrentLine +=
        Format(cs.DegreesInSign, "00") + " " + SignLetters(ps) + " " + Format(cs.MinutesInSign, "00");
}

void FormatLongitudeDMS(ProgramState& ps) {
    ChartState& cs = ps.chart;
    SplitLongitudeDMS(cs);
    ps.output.CurrentLine += Format(cs.DegreesInSign, "00") + " " + SignLetters(ps) + " " +
                             Format(cs.MinutesInSign, "00") + "m " + Format(cs.SecondsInSign, "00") + "s";
}

std::string FormatDMS(double x) {
    double degrees = Int(x);
    const double m = (x - Int(x)) * 60.0;
    double minutes = Int(m);
    // Seconds of 59.5 or more round to a whole minute: carry it, so that no
    // field ever reads 60.
    int seconds = CInt((m - Int(m)) * 60.0);
    if (seconds >= 60) {
        seconds -= 60;
        minutes += 1;
    }
    if (minutes >= 60) {
        minutes -= 60;
        degrees += 1;
    }
    return Format(degrees, "00") + "d " + Format(minutes, "00") + "m " + Format(seconds, "00") + "s ";
}

void AppendLongitude(ProgramState& ps, double longitude) {
    ps.chart.LoopK = longitude;
    FormatLongitude(ps);
}

void AppendLongitudeDMS(ProgramState& ps, double longitude) {
    ps.chart.LoopK = longitude;
    FormatLongitudeDMS(ps);
}

void AppendDeclination(ProgramState& ps, double declination) {
    ChartState& cs = ps.chart;
    cs.LoopK = std::fabs(declination);
    SplitLongitude(cs);
    ps.output.CurrentLine += Format(cs.DegreesInSign, "00") + " " + (declination < 0 ? "S" : "N") + " " +
                             Format(cs.MinutesInSign, "00");
}

void AppendSolsticePoint(ProgramState& ps, double longitude) {
    ps.chart.LoopK = longitude;
    SolsticePoint(ps);
    AppendLongitude(ps, ps.chart.SolsticeResult);
}

std::string HouseSystemTitle(const std::string& code) {
    static const char* const kSystems[][2] = {
        {"P", "Placidus"},        {"R", "Regiomontanus"}, {"K", "Koch"},
        {"C", "Campanus"},        {"O", "Porphyry"},      {"EA", "Equal - Ascendant"},
        {"EM", "Equal - MC"},     {"M", "Meridian"},      {"I", "Morinus"},
    };
    for (const auto& entry : kSystems)
        if (code == entry[0]) return entry[1];
    return "";
}

void HouseSystemName(ProgramState& ps) {
    const std::string name = HouseSystemTitle(ps.chart.HouseSystemCode);
    if (!name.empty()) ps.wheels.WheelHeader1[7] = name;
}
