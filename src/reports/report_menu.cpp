#include "reports/report_menu.h"

#include <string>

#include "app/output_buffer.h"
#include "cosmodynes/composite_cosmodynes.h"
#include "cosmodynes/natal_cosmodynes.h"
#include "program_state.h"
#include "reports/aspect_grids.h"
#include "reports/aspect_listings.h"
#include "reports/chart_headers.h"
#include "reports/church_of_light.h"
#include "reports/composite_listings.h"
#include "reports/position_listings.h"
#include "scoring/aspect_score.h"
#include "scoring/needs.h"
#include "scoring/pair_compatibility.h"
#include "scoring/qualities.h"

namespace {

bool SecondPersonSet(const ProgramState& ps) { return ps.people.SecondPersonChecked == 1; }

void CopyIntoWorkChart(ChartState& cs, const std::array<double, 16>& longitudes,
                       const std::array<double, 16>& declinations) {
    for (int i = 1; i <= 15; ++i) {
        cs.WorkLongitudes[i] = longitudes[i];
        cs.WorkDeclinations[i] = declinations[i];
    }
}

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

}  // namespace

void DataNatalData(ProgramState& ps) {
    StartReportWithHeader(ps);
    PrintNatalData(ps);
    ShowOutput(ps);
}

void DataNatalAspects(ProgramState& ps) {
    CopyIntoWorkChart(ps.chart, ps.chart.NatalLongitudes, ps.chart.NatalDeclinations);
    StartReportWithHeader(ps);
    PrintNatalAspects(ps);
    ShowOutput(ps);
}

void CoLAspects(ProgramState& ps) {
    StartReportWithHeader(ps);
    ChurchOfLightAspects(ps);
    ShowOutput(ps);
}

void DataCosmodynes(ProgramState& ps) {
    StartReportWithHeader(ps);
    const std::string& name = ps.chart.ChartName;
    if (name.size() >= 12 && name.compare(name.size() - 12, 12, "relationship") == 0) {
        RelationshipModeScope relationship(ps);
        CompositeCosmodyneTotals(ps);
    } else {
        NatalCosmodynes(ps);
    }
    ShowOutput(ps);
}

void DataTransitData(ProgramState& ps) {
    StartReport(ps);
    PrintTransitData(ps);
    ShowOutput(ps);
    ps.chart.ChartKind = 0;
}

void DataTransitsAspectstoNatal(ProgramState& ps) {
    if (SecondPersonSet(ps)) {
        StartReportWithBothHeaders(ps);
        PrintAspectGrid(ps);
        PrintParallelGrid(ps);
        PrintMagneticHarmony(ps);
    } else {
        StartReportWithHeader2(ps);
        PrintTransitToNatalAspects(ps);
    }
    ShowOutput(ps);
}

void DataTransitAspectsToTransits(ProgramState& ps) {
    CopyIntoWorkChart(ps.chart, ps.chart.SecondLongitudes, ps.chart.SecondDeclinations);
    if (SecondPersonSet(ps)) {
        StartReport(ps);
        AppendBlankLine(ps);
        Line(ps, "  " + ps.people.SecondPersonCaption);
        PrintDiurnalHeader(ps);
        AppendBlankLine(ps);
        PrintNatalAspects(ps);
    } else {
        StartReportWithHeader2(ps);
        PrintTransitToTransitAspects(ps);
    }
    ShowOutput(ps);
}

void DataComposite(ProgramState& ps) {
    StartReport(ps);
    CompositePlanetListing(ps);
    PrintCompositeAspects(ps);
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    Line(ps, std::string(21, ' ') + "COMPOSITE COSMODYNES");

    {
        // The composite chart stands in chart A's place for its cosmodyne
        // totals; chart A comes back however the run ends.
        CompositeInChartA composite(ps);
        CompositeCosmodyneTotals(ps);
    }
    ShowOutput(ps);
}

void DataInterchartAspects(ProgramState& ps) {
    StartReport(ps);
    if (SecondPersonSet(ps)) {
        PrintAspectScore(ps);
        AppendBlankLine(ps);
        AppendBlankLine(ps);
        Line(ps, "  Points of Astrological Interest");
        Line(ps, "  -------------------------------");
        // (A's body, B's body): Venus-Mars, Mars-Venus, Mercury-Mercury,
        // Moon-Moon, Sun-Moon, Moon-Sun, Ascendant-Ascendant.
        static constexpr int kPairs[7][2] = {{4, 5}, {5, 4}, {3, 3}, {2, 2}, {1, 2}, {2, 1}, {0, 0}};
        for (const auto& pair : kPairs) PrintPairCompatibility(ps, pair[0], pair[1]);
    }
    ShowOutput(ps);
}

void DataAnalysis(ProgramState& ps) {
    StartReport(ps);
    if (SecondPersonSet(ps)) {
        PrintNeedsA(ps);
        PrintNeedsB(ps);
        ListQualities(ps);
    }
    ShowOutput(ps);
}
