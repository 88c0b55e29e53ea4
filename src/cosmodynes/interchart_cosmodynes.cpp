#include "cosmodynes/interchart_cosmodynes.h"

#include <algorithm>

#include "app/output_buffer.h"
#include "cosmodynes/interchart_factors.h"
#include "cosmodynes/interchart_lines.h"
#include "cosmodynes/interchart_pairs.h"
#include "cosmodynes/interchart_receptions.h"
#include "cosmodynes/interchart_report.h"
#include "program_state.h"

namespace {

constexpr size_t kDynesLinesKept = 91;

void ClearRun(ProgramState& ps) {
    CosmodyneState& a = ps.cosmodynes;
    InterchartState& ic = ps.interchart;
    a.AspectPower = {};
    a.Harmony = {};
    a.Discord = {};
    ic.PowerB = {};
    ic.HarmonyB = {};
    ic.DiscordB = {};
    ic.PairPowerMatrix = {};
    ic.PairHarmonyMatrix = {};
    // Emptied in place, so that a run of quiet runs keeps its buffers.
    ic.VenusAspectLines.clear();
    ic.ConjunctionLines.clear();
    ic.ParallelLines.clear();
    ic.ImportantFactorsText.clear();
    ic.WithinOneDegreeText.clear();
    ic.DynesLineCount = 0;
    if (a.DynesLines.size() < kDynesLinesKept) a.DynesLines.resize(kDynesLinesKept);
    for (std::string& line : a.DynesLines) line.clear();
}

void WriteHeading(ProgramState& ps) {
    std::string line = "  " + ps.chart.ChartName + "'s COSMODYNES vs ";
    if (!SecondPersonTicked(ps)) line += "TRANSITS (" + SecondDate(ps) + ")";
    else line += SecondName(ps) + "'s";
    AppendBlankLine(ps);
    KeepDynesLine(ps, line);
    KeepDynesBlank(ps);
    AppendText(ps, line);
    AppendBlankLine(ps);
}

bool SkipsBodyA(const ProgramState& ps, int i) { return i == 11 || i == 12 || (i == 13 && !ChironInUse(ps)); }

bool SkipsPair(const ProgramState& ps, int i, int j) {
    auto outer = [](int k) { return k == 7 || k == 8 || k == 9 || k == 13; };
    if (ps.people.OuterPlanetsChecked != 1 && outer(i) && outer(j)) return true;
    return j == 11 || j == 12 || (j == 13 && !ChironInUse(ps));
}

}  // namespace

void InterchartBodyCounts(const ProgramState& ps, int& lastA, int& lastB) {
    const ChartState& cs = ps.chart;
    lastA = lastB = std::clamp(13 + cs.AnglesSetting, 13, 15);
    if (cs.AnglesSetting != 0) {
        if (cs.NatalTime == 12.0f && cs.NatalAmPm == "P.M.") lastA = 13;
        if (cs.DiurnalTime == 12.0f && cs.SecondAmPm == "P.M.") lastB = 13;
    }
    if (ps.scans.UseAllBodies == -1) lastA = 15;
}

void InterchartCosmodynes(ProgramState& ps) {
    InterchartState& ic = ps.interchart;
    const bool printed = ps.chart.QuietMode == 0;
    ClearRun(ps);
    if (printed && ic.CollectWhoLoves == 0) WriteHeading(ps);
    int lastA = 13, lastB = 13;
    InterchartBodyCounts(ps, lastA, lastB);
    ic.BodyCountA = lastA;
    ic.BodyCountB = lastB;

    InterchartBodies bodies;
    PrepareInterchartBodies(ps, bodies);
    for (int i = 1; i <= lastA; ++i) {
        if (SkipsBodyA(ps, i)) continue;
        for (int j = 1; j <= lastB; ++j) {
            if (SkipsPair(ps, i, j)) continue;
            ScoreInterchartPair(ps, bodies, i, j);
            // The factor lists are printed only; a quiet run does not build them.
            if (printed) CollectFactors(ps, i, j);
        }
        if (ic.ListEachAspect == 1) AppendBlankLine(ps);
    }

    AddReceptionHarmony(ps);
    InterchartReport(ps, lastA);
    if (!printed) return;
    PrintReceptionLines(ps);
    PrintFactorsTablesAndCopy(ps);
}
