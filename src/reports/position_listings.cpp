#include "reports/position_listings.h"

#include <string>

#include "app/constant_tables.h"
#include "app/output_buffer.h"
#include "program_state.h"
#include "reports/chart_headers.h"
#include "reports/longitude_format.h"

namespace {

// Listing order: Sun, Moon, Mercury to Pluto, North Node, Chiron, Ascendant,
// MC. The South Node is not listed.
constexpr int kListedBodies[] = {1, 10, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 14, 15};

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

void SvpLine(ProgramState& ps, double svp, double ayanamsa) {
    ps.output.CurrentLine = "  SVP          =  ";
    AppendLongitudeDMS(ps, svp);
    ps.output.CurrentLine += std::string(5, ' ') + "True Ayanamsa        = " + FormatDMS(ayanamsa);
    AppendLine(ps);
}

void AngleLines(ProgramState& ps, double vertex, double equatorialAsc, double coAscendant, double polarAsc) {
    AppendBlankLine(ps);
    ps.output.CurrentLine = "  Vertex       =  ";
    AppendLongitude(ps, vertex);
    ps.output.CurrentLine += std::string(10, ' ') + "Equatorial Ascendant =  ";
    AppendLongitude(ps, equatorialAsc);
    AppendLine(ps);
    ps.output.CurrentLine = "  Co-Ascendant =  ";
    AppendLongitude(ps, coAscendant);
    ps.output.CurrentLine += std::string(10, ' ') + "Polar Ascendant      =  ";
    AppendLongitude(ps, polarAsc);
    AppendLine(ps);
}

void CopyChart(ChartState& cs, const std::array<double, 16>& longitudes, const std::array<double, 16>& declinations,
               const std::array<double, 14>& cusps, const std::string& houses, const std::string& flags) {
    for (int i = 1; i <= 15; ++i) {
        cs.WorkLongitudes[i] = longitudes[i];
        cs.WorkDeclinations[i] = declinations[i];
    }
    for (int i = 1; i <= 13; ++i) cs.WorkCusps[i] = cusps[i];
    cs.HouseString = houses;
    cs.RetrogradeFlags = flags;
}

}  // namespace

void PrintHouseCusps(ProgramState& ps) {
    AppendBlankLine(ps);
    Line(ps, "  HOUSE CUSPS - " + HouseSystemTitle(ps.chart.HouseSystemCode));
    ps.output.CurrentLine.clear();
    int column = 0;
    for (int h = 1; h <= 12; ++h) {
        ps.chart.CurrentBody = h;
        ps.output.CurrentLine += column == 0 ? "  " : " ";
        ps.output.CurrentLine += TableField(ps.chart.HouseOrdinals, 4, h) + " house = ";
        AppendLongitude(ps, ps.chart.WorkCusps[h]);
        if (++column == 3) {
            AppendLine(ps);
            column = 0;
            ps.output.CurrentLine.clear();
        }
    }
}

void FormatPlanetLine(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const int b = cs.CurrentBody;
    ps.output.CurrentLine = "  ";
    AppendLongitudeDMS(ps, cs.WorkLongitudes[b]);
    ps.output.CurrentLine += std::string(3, ' ') + TableField(ps.settings.BodyNames, 10, b) +
                             TableField(cs.RetrogradeFlags, 1, b) + std::string(4, ' ');
    const bool withHouse = cs.ChartKind == 0 || (cs.ChartKind == 3 && ps.people.SecondPersonChecked == 1);
    if (withHouse)
        ps.output.CurrentLine += "(" + TableField(cs.HouseString, 10, b) + ")" + std::string(4, ' ');
    else
        ps.output.CurrentLine += std::string(16, ' ');
}

void CompleteNatalPlanetLine(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const int b = cs.CurrentBody;
    AppendDeclination(ps, cs.NatalDeclinations[b]);
    ps.output.CurrentLine += std::string(3, ' ');
    AppendSolsticePoint(ps, cs.NatalLongitudes[b]);
    if (b < 11) {
        ps.output.CurrentLine += std::string(3, ' ');
        AppendDeclination(ps, cs.NatalLatitudes[b]);
    }
    AppendLine(ps);
}

void CompleteTransitPlanetLine(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const int b = cs.CurrentBody;
    AppendDeclination(ps, cs.WorkDeclinations[b]);
    ps.output.CurrentLine += std::string(3, ' ');
    AppendSolsticePoint(ps, cs.WorkLongitudes[b]);
    AppendLine(ps);
}

void PrintNatalPlanetList(ProgramState& ps) {
    AppendBlankLine(ps);
    for (int b : kListedBodies) {
        ps.chart.CurrentBody = b;
        FormatPlanetLine(ps);
        CompleteNatalPlanetLine(ps);
    }
    Line(ps, std::string(51, ' ') + "Decl." + std::string(3, ' ') + "Solstice Pt" + std::string(4, ' ') + "Lat.");
}

void PrintTransitPlanetList(ProgramState& ps) {
    AppendBlankLine(ps);
    for (int b : kListedBodies) {
        ps.chart.CurrentBody = b;
        FormatPlanetLine(ps);
        CompleteTransitPlanetLine(ps);
    }
    Line(ps, std::string(51, ' ') + "Decl." + std::string(3, ' ') + "Solstice Pt");
}

void PrintNatalData(ProgramState& ps) {
    ChartState& cs = ps.chart;
    cs.ChartKind = 0;
    CopyChart(cs, cs.NatalLongitudes, cs.NatalDeclinations, cs.NatalCusps, cs.HouseStringA, cs.NatalRetroFlags);
    AppendBlankLine(ps);
    SvpLine(ps, cs.NatalSvp, cs.NatalAyanamsa);
    PrintHouseCusps(ps);
    AngleLines(ps, cs.Vertex, cs.EquatorialAsc, cs.CoAscendant, cs.PolarAsc);
    PrintNatalPlanetList(ps);

    AppendBlankLine(ps);
    ps.output.CurrentLine = "  ";
    AppendLongitudeDMS(ps, cs.TrueNorthNode);
    ps.output.CurrentLine += "   TRUE NORTH NODE" + std::string(16, ' ');
    AppendDeclination(ps, cs.TrueNodeDeclination);
    ps.output.CurrentLine += std::string(3, ' ');
    AppendSolsticePoint(ps, cs.TrueNorthNode);
    AppendLine(ps);
}

void PrintTransitData(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const bool secondPerson = ps.people.SecondPersonChecked == 1;
    cs.ChartKind = 3;
    AppendBlankLine(ps);
    if (secondPerson)
        Line(ps, "  " + ps.people.SecondPersonCaption + "'s " + "NATAL POSITIONS");
    else
        Line(ps, "  TRANSIT POSITIONS");
    PrintDiurnalHeader(ps);
    AppendBlankLine(ps);
    SvpLine(ps, cs.SecondSvp, cs.SecondAyanamsa);
    CopyChart(cs, cs.SecondLongitudes, cs.SecondDeclinations, cs.SecondCusps, cs.HouseStringB,
              cs.SecondRetroFlags);
    PrintHouseCusps(ps);
    if (secondPerson) AngleLines(ps, cs.VertexB, cs.EquatorialAscB, cs.CoAscendantB, cs.PolarAscB);
    PrintTransitPlanetList(ps);
}
