#include "cosmodynes/interchart_lines.h"

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "program_state.h"

void KeepDynesLine(ProgramState& ps, std::string_view text) {
    std::vector<std::string>& store = ps.cosmodynes.DynesLines;
    int& count = ps.interchart.DynesLineCount;
    if (count < 0) count = 0;
    if (static_cast<size_t>(count) >= store.size()) store.resize(static_cast<size_t>(count) + 16);
    store[static_cast<size_t>(count)].assign(text);
    ++count;
}

void KeepDynesBlank(ProgramState& ps) { KeepDynesLine(ps, ""); }

void AppendText(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

void AppendKeptLine(ProgramState& ps, const std::string& text) {
    AppendText(ps, text);
    KeepDynesLine(ps, text);
}

std::string Blanks(int n) { return std::string(n > 0 ? static_cast<size_t>(n) : 0, ' '); }

std::string PaddedValue(double value) { return PadSignedNumber(Format(value, "#0.00")); }

std::string_view BodyName(const ProgramState& ps, int body) {
    const std::string& names = ps.settings.BodyNames;
    const size_t start = static_cast<size_t>(body - 1) * 10;
    if (body < 1 || start >= names.size()) return "          ";
    return std::string_view(names).substr(start, 10);
}

namespace {

std::string AspectName10(const ProgramState& ps, int code) {
    const std::string& names = ps.settings.AspectNames;
    const size_t start = static_cast<size_t>(code - 1) * 12;
    std::string out = start < names.size() ? names.substr(start, 10) : std::string();
    out.resize(10, ' ');
    return out;
}

}  // namespace

std::string PairLine(const ProgramState& ps, int i, int code, int j, double first, double second) {
    std::string line = "  ";
    line += BodyName(ps, i);
    line += AspectName10(ps, code);
    line += "  ";
    line += BodyName(ps, j);
    line += PaddedValue(first);
    line += "    ";
    line += PaddedValue(second);
    return line;
}

std::string FactorLine(const ProgramState& ps, int i, int j) {
    std::string line = "  ";
    line += BodyName(ps, i);
    line += BodyName(ps, j);
    line += PaddedValue(ps.interchart.AspectValue);
    line += "    ";
    line += PaddedValue(ps.interchart.PairNetHarmony);
    return line;
}

std::string SecondDate(const ProgramState& ps) {
    return FormatDateText(ps.chart.SecondDateText, "dd mmm yyyy", ps.settings.DateOrder);
}

const std::string& SecondName(const ProgramState& ps) { return ps.people.SecondPersonCaption; }

bool SecondPersonTicked(const ProgramState& ps) { return ps.people.SecondPersonChecked == 1; }

bool ChironInUse(const ProgramState& ps) { return ps.chart.UseChiron; }

bool ReceptionsInHarmony(const ProgramState& ps) { return ps.scans.NamesCheck3 == 1; }
