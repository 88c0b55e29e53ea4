#include "reports/composite_listings.h"

#include <cmath>
#include <string>

#include "app/constant_tables.h"
#include "app/output_buffer.h"
#include "chart/angle_helpers.h"
#include "chart/composite_chart.h"
#include "program_state.h"
#include "reports/aspect_cells.h"
#include "reports/longitude_format.h"

namespace {

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

std::string Cut26(const std::string& name) { return name.size() >= 26 ? name.substr(0, 26) : name; }

std::string Spaces(int n) { return std::string(n > 0 ? static_cast<size_t>(n) : 0, ' '); }

std::string NameColumns(const ProgramState& ps, bool withComposite) {
    const std::string a = Cut26(ps.chart.ChartName);
    const std::string b = Cut26(ps.people.SecondPersonCaption);
    std::string line = "  " + a + Spaces(27 - static_cast<int>(a.size())) + b;
    if (withComposite) line += Spaces(28 - static_cast<int>(b.size())) + "Composite Planets";
    return line;
}

}  // namespace

int CompositeGridCode(double separation, double orb, float quincunxOrb) {
    int code = 1;
    auto band = [&](double angle) { return separation >= angle - orb && separation <= angle + orb; };
    if (band(60)) code = 3;
    if (band(90)) code = 4;
    if (band(120)) code = 5;
    // The quincunx band compares in single precision.
    const float sf = static_cast<float>(separation);
    if (sf >= 150.0f - quincunxOrb && sf <= 150.0f + quincunxOrb) code = 11;
    if (separation >= 180 - orb) code = 6;
    if (separation <= orb) code = 2;
    return code;
}

void CompositePlanetListing(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const std::string& names = ps.settings.BodyNames;
    StartReportWithBothHeaders(ps);
    AppendBlankLine(ps);
    Line(ps, Spaces(29) + "Composite Planet Listing");
    AppendBlankLine(ps);
    ComputeCompositeChart(cs);
    Line(ps, NameColumns(ps, true));
    static constexpr int kOrder[] = {1, 10, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15};
    for (int b : kOrder) {
        cs.CurrentBody = b;
        const std::string name = TableField(names, 10, b);
        ps.output.CurrentLine = "  ";
        AppendLongitude(ps, cs.NatalLongitudes[b]);
        ps.output.CurrentLine += "  " + name + TableField(cs.NatalRetroFlags, 1, b) + Spaces(5);
        AppendLongitude(ps, cs.SecondLongitudes[b]);
        ps.output.CurrentLine += "   " + name + TableField(cs.SecondRetroFlags, 1, b) + Spaces(5);
        AppendLongitude(ps, cs.WorkLongitudes[b]);
        ps.output.CurrentLine += "   " + name + TableField(cs.RetrogradeFlags, 1, b);
        AppendLine(ps);
    }
}

void VenusZodiacPlanetListing(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const std::string& names = ps.settings.BodyNames;
    StartReportWithBothHeaders(ps);
    AppendBlankLine(ps);
    Line(ps, Spaces(12) + "Venus Zodiac Planet Listing");
    AppendBlankLine(ps);
    Line(ps, NameColumns(ps, false));
    for (int b = 1; b <= 15; ++b) {
        cs.CurrentBody = b;
        const std::string name = TableField(names, 10, b);
        ps.output.CurrentLine = "  ";
        AppendLongitude(ps, Normalize360(360 - cs.NatalLongitudes[3] + cs.NatalLongitudes[b]));
        ps.output.CurrentLine += "  " + name + TableField(cs.NatalRetroFlags, 1, b) + Spaces(5);
        AppendLongitude(ps, Normalize360(360 - cs.SecondLongitudes[3] + cs.SecondLongitudes[b]));
        ps.output.CurrentLine += "   " + name + TableField(cs.SecondRetroFlags, 1, b) + Spaces(5);
        AppendLine(ps);
    }
}

void PrintCompositeAspects(ProgramState& ps) {
    ChartState& cs = ps.chart;
    const Settings& s = ps.settings;
    const auto& opt = s.OptionValues;
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    Line(ps, Spaces(24) + "COMPOSITE CHART PLANETARY ASPECTS");
    AppendBlankLine(ps);
    Line(ps, Spaces(8) + "MC  Asc  Chi  S.N  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer");
    ComputeCompositeChart(cs);
    for (int i = 1; i <= 15; ++i) {
        std::string& row = ps.output.CurrentLine;
        row = RowLabel(s, i);
        for (int j = 15; j > i; --j) {
            double sep = std::fabs(cs.WorkLongitudes[i] - cs.WorkLongitudes[j]);
            if (sep > 180) sep = 360 - sep;
            double orb = opt[51];
            if (i == 11 || i == 12 || j == 11 || j == 12) orb = opt[52];
            if (i == 1 || i == 10 || j == 1 || j == 10) orb = opt[53];
            row += AngleCell(s, CompositeGridCode(sep, orb, opt[54]));
        }
        if (i != 1) row += "***  ";  // there is no Sun column
        AppendLine(ps);
    }
    AppendBlankLine(ps);
    Line(ps, "    0  = conjunction    60 = sextile         90 = square        120 = trine");
    Line(ps, "  180  = opposition    150 = quincunx");
}
