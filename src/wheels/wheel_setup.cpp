#include "wheels/wheel_setup.h"

#include <cmath>
#include <regex>

#include "chart/angle_helpers.h"
#include "chart/composite_chart.h"
#include "chart/house_placement.h"
#include "people/input_checks.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"
#include "reports/longitude_format.h"

namespace {

struct ChartLines {
    std::string date, time, longitude, latitude, sidereal;
};

ChartLines LinesOf(const ProgramState& ps, bool chartB) {
    const ChartState& cs = ps.chart;
    const int order = ps.settings.DateOrder;
    ChartLines l;
    if (!chartB) {
        l.date = FormatDateText(cs.NatalDateText, "dd mmm yyyy", order);
        l.time = Format(cs.NatalTime, "#0.00") + " " + cs.WheelAmPm + " (" + Str(cs.NatalZone) + ")";
        l.longitude = Format(std::fabs(cs.NatalLongitude), "##0.00") + " " + cs.NatalEastWest;
        l.latitude = Format(std::fabs(cs.NatalLatitude), "#0.00") + " " + cs.NatalNorthSouth;
        l.sidereal = cs.NatalSiderealText;
    } else {
        l.date = FormatDateText(cs.SecondDateText, "dd mmm yyyy", order);
        l.time = Format(cs.DiurnalTime, "#0.00") + " " + cs.SecondAmPm + " (" + Str(cs.DiurnalZone) + ")";
        l.longitude = Format(std::fabs(cs.DiurnalLongitude), "##0.00") + " " + cs.SecondEastWest;
        l.latitude = Format(std::fabs(cs.DiurnalLatitude), "#0.00") + " " + cs.SecondNorthSouth;
        l.sidereal = cs.SecondSiderealText;
    }
    return l;
}

void PutLines(std::vector<std::string>& header, const ChartLines& l, bool withSidereal) {
    header[2] = l.date;
    header[3] = l.time;
    header[4] = l.longitude;
    header[5] = l.latitude;
    if (withSidereal) header[6] = l.sidereal;
}

// The orb file of that name in the program folder.
void SetOrbFile(ProgramState& ps, const char* name) { ps.settings.CurrentOrbFile = JoinPath(ps.settings.AppPath, name); }

void SingleWheel(ProgramState& ps) {
    WheelState& ws = ps.wheels;
    ws.WheelLayout = 0;
    ws.WheelRing = 1;
    ws.ChartCount = 1;
}

}  // namespace

void LoadWorkingChart(ProgramState& ps, bool chartB) {
    ChartState& cs = ps.chart;
    cs.WorkCusps = chartB ? cs.SecondCusps : cs.NatalCusps;
    for (int i = 1; i <= 15; ++i) {
        cs.WorkLongitudes[i] = chartB ? cs.SecondLongitudes[i] : cs.NatalLongitudes[i];
        cs.WorkDeclinations[i] = chartB ? cs.SecondDeclinations[i] : cs.NatalDeclinations[i];
    }
    cs.RetrogradeFlags = chartB ? cs.SecondRetroFlags : cs.NatalRetroFlags;
    cs.SiderealTimeText = chartB ? cs.SecondSiderealText : cs.NatalSiderealText;
    cs.HouseString = chartB ? cs.HouseStringB : cs.HouseStringA;
    cs.WheelHouseString = cs.HouseString;
    cs.CalcLongAbs = chartB ? cs.DiurnalLongitude : cs.NatalLongitude;
    cs.CalcLatAbs = chartB ? cs.DiurnalLatitude : cs.NatalLatitude;
    cs.WorkEastWest = chartB ? cs.SecondEastWest : cs.NatalEastWest;
    cs.WorkNorthSouth = chartB ? cs.SecondNorthSouth : cs.NatalNorthSouth;
}

void FillWheelLegend(ProgramState& ps) {
    WheelState& ws = ps.wheels;
    ws.WheelHeader1.assign(8, "");
    ws.WheelHeader1[1] = ps.chart.ChartName + " - natal";
    PutLines(ws.WheelHeader1, LinesOf(ps, false), true);
    HouseSystemName(ps);
    ws.WheelHeader2.assign(8, "");
}

void SetUpNatalWheel(ProgramState& ps, bool magi) {
    FillWheelLegend(ps);
    ps.wheels.ChartCount = 1;
    SetOrbFile(ps, magi ? "MAGI_NAT.ORB" : "NATAL.ORB");
    LoadWorkingChart(ps, false);
    SingleWheel(ps);
    ps.chart.ChartKind = 0;
}

void SetUpTransitWheel(ProgramState& ps) {
    FillWheelLegend(ps);
    WheelState& ws = ps.wheels;
    ws.WheelHeader1[1] = "Transit chart";
    PutLines(ws.WheelHeader1, LinesOf(ps, true), true);
    SetOrbFile(ps, "TRANSIT.ORB");
    LoadWorkingChart(ps, true);
    SingleWheel(ps);
    if (ps.people.SecondPersonChecked == 1) {
        ws.WheelHeader1[1] = ps.people.SecondPersonCaption;
        ws.WheelHeader1[6] = ps.chart.SecondSiderealText;
        SetOrbFile(ps, "NATAL.ORB");
    }
    ps.chart.ChartKind = 3;
}

void SetUpVenusZodiacWheel(ProgramState& ps) {
    FillWheelLegend(ps);
    WheelState& ws = ps.wheels;
    ChartState& cs = ps.chart;
    ws.WheelHeader1[7].clear();
    SetOrbFile(ps, "NATAL.ORB");
    const double venus = cs.NatalLongitudes[3];
    for (int i = 1; i <= 15; ++i) {
        cs.WorkLongitudes[i] = Normalize360(360 - venus + cs.NatalLongitudes[i]);
        cs.WorkDeclinations[i] = cs.NatalDeclinations[i];
    }
    for (int i = 1; i <= 12; ++i) cs.WorkCusps[i] = Normalize360(360 - venus + cs.NatalCusps[i]);
    ws.WheelHeader1[1] = cs.ChartName + " - Venus synodic";
    cs.RetrogradeFlags = cs.NatalRetroFlags;
    cs.SiderealTimeText = cs.NatalSiderealText;
    AssignHouses(cs);
    cs.WheelHouseString = cs.HouseString;
    cs.CalcLongAbs = cs.NatalLongitude;
    cs.CalcLatAbs = cs.NatalLatitude;
    cs.WorkEastWest = cs.NatalEastWest;
    cs.WorkNorthSouth = cs.NatalNorthSouth;
    SingleWheel(ps);
    cs.ChartKind = 0;
}

std::string CompositeLatitudeDefault(const ProgramState& ps) {
    const std::array<float, 287>& o = ps.settings.OptionValues;
    float latitude = o[22] + o[23] / 100;
    if (o[24] == -1) latitude = -latitude;
    return Str(latitude);
}

namespace {

// The answer's number; a decimal comma counts as a point.
double LatitudeValue(const std::string& answer) {
    std::string text = answer;
    for (char& ch : text)
        if (ch == ',') ch = '.';
    return Val(text);
}

// Degrees.minutes: the minutes are the first two decimals, in hundredths.
long LatitudeMinuteHundredths(double value) {
    const double a = std::fabs(value);
    return std::lround((a - std::floor(a)) * 10000.0);
}

}  // namespace

LatitudeAnswer ClassifyLatitudeAnswer(const std::string& answer) {
    static const std::regex number(R"(\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)\s*)");
    if (answer.empty()) return LatitudeAnswer::Cancel;
    if (!std::regex_match(answer, number)) return LatitudeAnswer::AskAgain;
    const double v = LatitudeValue(answer);
    if (v == 99) return LatitudeAnswer::Accept;
    if (v < -90 || v > 90) return LatitudeAnswer::AskAgain;
    if (LatitudeMinuteHundredths(v) > 5900) return LatitudeAnswer::AskAgain;
    return LatitudeAnswer::Accept;
}

bool CompositeLatitudeTooHigh(const std::string& answer, const std::string& houseSystemCode) {
    const double v = LatitudeValue(answer);
    if (v == 99 || HouseSystemTakesAnyLatitude(houseSystemCode)) return false;
    return LatitudeTooHigh(std::floor(std::fabs(v)), LatitudeMinuteHundredths(v) / 100.0);
}

std::optional<std::string> AskCompositeLatitude(const ProgramState& ps) {
    const std::string prompt = "Enter the latitude of the relationship:" + ps.settings.NewLine + ps.settings.NewLine +
                               "(Enter 99 if you want midpoint composite houses)";
    const std::string defaultText = CompositeLatitudeDefault(ps);
    for (;;) {
        const std::optional<std::string> answer = InputBox(prompt, "Current latitude", defaultText);
        const std::string text = answer.value_or("");
        switch (ClassifyLatitudeAnswer(text)) {
            case LatitudeAnswer::Accept:
                if (!CompositeLatitudeTooHigh(text, ps.chart.HouseSystemCode)) return text;
                LatitudeWarning();
                break;
            case LatitudeAnswer::Cancel: return std::nullopt;
            case LatitudeAnswer::AskAgain: break;
        }
    }
}

void SetUpCompositeWheel(ProgramState& ps, const std::string& typed) {
    ChartState& cs = ps.chart;
    WheelState& ws = ps.wheels;
    std::string answer = typed;
    answer.erase(0, answer.find_first_not_of(' '));
    answer.erase(answer.find_last_not_of(' ') + 1);
    for (char& ch : answer)
        if (ch == ',') ch = '.';
    // The composite itself, with the midpoint houses the reports use.
    ComputeCompositeChart(cs);
    cs.CompositeLatText = answer;
    const double latitude = Val(answer);
    if (latitude != 99) ComputeCompositeCuspsAtLatitude(cs, latitude);
    SetOrbFile(ps, "COMPOSIT.ORB");
    FillWheelLegend(ps);
    ws.ChartCount = 1;
    const std::string houseSystem = ws.WheelHeader1[7];
    ws.WheelHeader1[1] = cs.ChartName;
    ws.WheelHeader1[2] = ps.people.SecondPersonCaption;
    ws.WheelHeader1[3] = "Composite chart";
    if (latitude == 99) {
        ws.WheelHeader1[4] = "Midpoint composite houses";
    } else if (latitude >= 0) {
        ws.WheelHeader1[4] = "Latitude = " + answer + " North";
    } else {
        ws.WheelHeader1[4] = "Latitude = " + answer.substr(1) + " South";
    }
    ws.WheelHeader1[5] = houseSystem;
    ws.WheelHeader1[6].clear();
    ws.WheelHeader1[7].clear();
    SingleWheel(ps);
    cs.ChartKind = 6;
}

void FillDualWheelLegend(ProgramState& ps, DualFiller filler) {
    ChartState& cs = ps.chart;
    WheelState& ws = ps.wheels;
    ws.DualFillerUsed = static_cast<int>(filler);
    const bool person = ps.people.SecondPersonChecked != 0;
    const char* transitOrbs = filler == DualFiller::Plain ? "NAT2TRAN.ORB"
                              : filler == DualFiller::Magi ? "MAGI.ORB"
                                                           : "VENUS_Z.ORB";
    const char* personOrbs = filler == DualFiller::Plain ? "SYNASTRY.ORB"
                             : filler == DualFiller::Magi ? "MAGI.ORB"
                                                          : "VENUS_Z.ORB";
    const std::string suffix = filler == DualFiller::Venus ? " - natal (Venus Zodiac)" : " - natal";
    ws.WheelHeader1.assign(8, "");
    ws.WheelHeader2.assign(8, "");
    SetOrbFile(ps, transitOrbs);
    HouseSystemName(ps);

    const bool switched = ws.WheelSwitched != 0;
    const ChartLines outer = LinesOf(ps, switched), inner = LinesOf(ps, !switched);
    ws.WheelHeader1[1] = (switched ? ps.people.SecondPersonCaption : cs.ChartName) + suffix;
    PutLines(ws.WheelHeader1, outer, true);
    ws.WheelHeader2[1] = "Diurnal data";
    PutLines(ws.WheelHeader2, inner, false);
    ws.WheelHeader2[6] = !switched && ps.settings.OptionValues[216] != 0 ? "Outer = transits" : "Inner = transits";
    if (person) {
        ws.WheelHeader2[1] = switched ? cs.ChartName : ps.people.SecondPersonCaption;
        ws.WheelHeader2[6] = inner.sidereal;
        ws.WheelHeader2[7] = "Inner - natal";
        SetOrbFile(ps, personOrbs);
    }
    LoadWorkingChart(ps, switched);
    for (int i = 1; i <= 15; ++i) {
        ws.WheelSecondLongitudes[static_cast<std::size_t>(i)] = switched ? cs.NatalLongitudes[i] : cs.SecondLongitudes[i];
        ws.WheelSecondDeclinations[static_cast<std::size_t>(i)] = switched ? cs.NatalDeclinations[i] : cs.SecondDeclinations[i];
    }
    ws.WheelSecondFlags = switched ? cs.NatalRetroFlags : cs.SecondRetroFlags;
    if (filler == DualFiller::Venus) {
        // The outer chart turns to its own Venus zodiac; the houses stay, as
        // bodies and cusps turn alike.
        const double venus = cs.WorkLongitudes[3];
        for (int i = 1; i <= 13; ++i) cs.WorkCusps[i] = Normalize360(360 - venus + cs.WorkCusps[i]);
        for (int i = 1; i <= 15; ++i) cs.WorkLongitudes[i] = Normalize360(360 - venus + cs.WorkLongitudes[i]);
    }
    ws.VenusZodiacFlag = filler == DualFiller::Venus ? 1 : 0;
    cs.ChartKind = 0;
    ws.WheelRing = 1;
    ws.WheelLayout = 1;
    ws.ChartCount = 2;
}
