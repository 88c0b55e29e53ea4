#include "cosmodynes/interchart_factors.h"

#include <cmath>
#include <string>

#include "app/output_buffer.h"
#include "cosmodynes/interchart_lines.h"
#include "cosmodynes/interchart_tables.h"
#include "platform/clipboard.h"
#include "program_state.h"

namespace {

constexpr const char* kColumns = "                        Power     Harmony";
constexpr const char* kNote = "  (mutual receptions not included in harmony column)";
constexpr const char* kWithinOne = "  Planets Aspecting Each Other Within 1 Degree:";

const char* FactorsHeading(bool chiron) {
    return chiron ? "  Important Factors In Synastry (19 total):" : "  Important Factors In Synastry (11 total):";
}

void AppendStoredLines(const ProgramState& ps, std::string& text, int from, int to) {
    const std::vector<std::string>& store = ps.cosmodynes.DynesLines;
    for (int k = from; k < to && static_cast<size_t>(k) < store.size(); ++k) {
        text += store[static_cast<size_t>(k)];
        text += "\r\n";
    }
}

}  // namespace

bool IsImportantFactor(int i, int j, bool chiron) {
    static constexpr int kAlways[][2] = {{2, 2}, {1, 10}, {10, 1}, {3, 4}, {4, 3},  {3, 10},
                                         {10, 3}, {1, 3}, {3, 1}, {14, 14}, {10, 10}};
    static constexpr int kChiron[][2] = {{1, 13}, {13, 1}, {3, 13}, {13, 3}, {5, 13}, {13, 5}, {10, 13}, {13, 10}};
    for (const auto& p : kAlways)
        if (p[0] == i && p[1] == j) return true;
    if (chiron)
        for (const auto& p : kChiron)
            if (p[0] == i && p[1] == j) return true;
    return false;
}

void CollectFactors(ProgramState& ps, int i, int j) {
    InterchartState& ic = ps.interchart;
    if (!(ic.AspectValue > 0)) return;
    const bool factor = IsImportantFactor(i, j, ChironInUse(ps));
    // Only an aspect has a deviation; a pair with a parallel alone is not
    // listed within one degree.
    const bool close = ic.AspectCode >= 2 && ic.AspectCode <= 11 && std::fabs(ic.AspectDeviation) < 1;
    if (!factor && !close) return;
    const std::string line = FactorLine(ps, i, j);
    if (factor) ic.ImportantFactorsText += line + "\r\n";
    if (close) ic.WithinOneDegreeText += line + (ic.AspectCode == 2 ? " (conjunct)" : "") + "\r\n";
}

void PrintFactorsTablesAndCopy(ProgramState& ps) {
    InterchartState& ic = ps.interchart;
    const bool chiron = ChironInUse(ps);
    const bool note = ReceptionsInHarmony(ps);

    AppendBlankLine(ps);
    AppendBlankLine(ps);
    AppendText(ps, FactorsHeading(chiron));
    if (note) AppendText(ps, kNote);
    AppendText(ps, kColumns);
    AppendText(ps, ic.ImportantFactorsText);
    AppendBlankLine(ps);
    AppendText(ps, kWithinOne);
    if (note) AppendText(ps, kNote);
    AppendText(ps, kColumns);
    AppendText(ps, ic.WithinOneDegreeText);

    std::string& text = ic.ClipboardReportText;
    text.clear();
    AppendStoredLines(ps, text, 0, ic.DynesLineCount);
    const int n = ic.DynesLineCount;
    text += FactorsHeading(chiron);
    text += "\r\n";
    if (note) text += std::string(kNote) + "\r\n";
    text += ic.ImportantFactorsText + "\r\n";
    text += std::string(kWithinOne) + "\r\n";
    if (note) text += std::string(kNote) + "\r\n";
    text += std::string(kColumns) + "\r\n";
    text += ic.WithinOneDegreeText;

    AppendBlankLine(ps);
    KeepDynesBlank(ps);
    PrintPowerHarmonyTables(ps);
    AppendBlankLine(ps);
    KeepDynesBlank(ps);
    AppendBlankLine(ps);

    AppendStoredLines(ps, text, n, ic.DynesLineCount);
    SetClipboardText(text);
}
