#include "reports/chart_headers.h"

#include <cmath>
#include <string>

#include "app/output_buffer.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "reports/report_menu.h"

namespace {

// "  dd mmm yyyy    TZ = z      h.mm A.M.   lat NORTH    lon WEST"
std::string DataLine(const ProgramState& ps, const std::string& dateText, float zone, float time,
                     const std::string& amPm, float latitude, const std::string& northSouth, float longitude,
                     const std::string& eastWest) {
    return "  " + FormatDateText(dateText, "dd mmm yyyy", ps.settings.DateOrder) + std::string(4, ' ') +
           "TZ = " + Format(zone, "##0.0") + std::string(6, ' ') + Format(time, "#0.00") + " " + amPm +
           std::string(3, ' ') + Format(std::fabs(latitude), "##0.00") + " " + northSouth + std::string(4, ' ') +
           Format(std::fabs(longitude), "##0.00") + " " + eastWest;
}

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

}  // namespace

void PrintNatalHeader(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    AppendBlankLine(ps);
    Line(ps, "  " + cs.ChartName);
    Line(ps, DataLine(ps, cs.NatalDateText, cs.NatalZone, cs.NatalTime, cs.NatalAmPm, cs.NatalLatitude,
                      cs.NatalNorthSouth, cs.NatalLongitude, cs.NatalEastWest));
}

void PrintNatalHeader2(ProgramState& ps) {
    PrintNatalHeader(ps);
    Line(ps, "  Diurnal date = " + FormatDateText(ps.chart.SecondDateText, "dd mmm yyyy", ps.settings.DateOrder));
}

void PrintDiurnalHeader(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    Line(ps, DataLine(ps, cs.SecondDateText, cs.DiurnalZone, cs.DiurnalTime, cs.SecondAmPm, cs.DiurnalLatitude,
                      cs.SecondNorthSouth, cs.DiurnalLongitude, cs.SecondEastWest));
}

void InstallChartHeaders() {
    ChartHeaderPrinters printers;
    printers.PrintNatalHeader = PrintNatalHeader;
    printers.PrintNatalHeader2 = PrintNatalHeader2;
    printers.PrintDiurnalHeader = PrintDiurnalHeader;
    printers.SecondPersonCaption = [](const ProgramState& ps) { return ps.people.SecondPersonCaption; };
    SetChartHeaderPrinters(std::move(printers));
}
