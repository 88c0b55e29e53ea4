#include "cosmodynes/interchart_report.h"

#include <array>
#include <string_view>

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "cosmodynes/interchart_lines.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

struct Figures {
    std::array<bool, 16> shown{};
    std::array<double, 16> powerA{}, harmonyA{}, powerB{}, harmonyB{};
    std::array<int, 16> powerRankA{}, harmonyRankA{}, powerRankB{}, harmonyRankB{};
    double totalPowerA = 0, totalHarmonyA = 0, totalPowerB = 0, totalHarmonyB = 0;
    double productSumA = 0, productSumB = 0;
};

int RankOf(const Figures& f, const std::array<double, 16>& values, int body, int lastBody) {
    int rank = 1;
    for (int other = 1; other <= lastBody; ++other)
        if (other != body && f.shown[other] && values[other] > values[body]) ++rank;
    return rank;
}

Figures WorkOutFigures(const ProgramState& ps, int lastBody) {
    const CosmodyneState& a = ps.cosmodynes;
    const InterchartState& b = ps.interchart;
    const bool chiron = ChironInUse(ps);
    Figures f;
    for (int j = 1; j <= lastBody; ++j) {
        f.shown[j] = j != 11 && j != 12 && (j != 13 || chiron);
        f.powerA[j] = a.AspectPower[j];
        f.harmonyA[j] = a.Harmony[j] - a.Discord[j];
        f.powerB[j] = b.PowerB[j];
        f.harmonyB[j] = b.HarmonyB[j] - b.DiscordB[j];
    }
    for (int j = 1; j <= lastBody; ++j) {
        if (!f.shown[j]) continue;
        f.powerRankA[j] = RankOf(f, f.powerA, j, lastBody);
        f.harmonyRankA[j] = RankOf(f, f.harmonyA, j, lastBody);
        f.powerRankB[j] = RankOf(f, f.powerB, j, lastBody);
        f.harmonyRankB[j] = RankOf(f, f.harmonyB, j, lastBody);
        f.totalPowerA += f.powerA[j];
        f.totalHarmonyA += f.harmonyA[j];
        f.totalPowerB += f.powerB[j];
        f.totalHarmonyB += f.harmonyB[j];
    }
    for (int j = 1; j <= lastBody; ++j) {
        f.productSumA += f.harmonyA[j] * f.powerA[j];
        f.productSumB += f.harmonyB[j] * f.powerB[j];
    }
    return f;
}

std::string Ranked(double value, int rank) {
    return PaddedValue(value) + " " + "(" + PadNumber2(Format(rank, "#0")) + ")";
}

void StoreDayValues(ProgramState& ps, const Figures& f, int body) {
    ScanState& s = ps.scans;
    if (s.DayIndex < 0) return;
    if (static_cast<size_t>(s.DayIndex) >= s.DayValues.size()) s.DayValues.resize(s.DayIndex + 1);
    auto& day = s.DayValues[static_cast<size_t>(s.DayIndex)];
    day[0][body] = static_cast<float>(f.powerB[body]);
    day[1][body] = static_cast<float>(f.powerRankB[body]);
    day[2][body] = static_cast<float>(f.harmonyB[body]);
    day[3][body] = static_cast<float>(f.harmonyRankB[body]);
}

std::array<std::string, 3>* DayLinesSlot(ProgramState& ps) {
    ScanState& s = ps.scans;
    if (s.DayIndex < 0) return nullptr;
    if (static_cast<size_t>(s.DayIndex) >= s.DayLines.size()) s.DayLines.resize(s.DayIndex + 1);
    return &s.DayLines[static_cast<size_t>(s.DayIndex)];
}

std::string ReceptionHeading(const ProgramState& ps) {
    const InterchartState& ic = ps.interchart;
    const std::string& a = ps.chart.ChartName;
    const std::string& b = SecondName(ps);
    std::string line = "  Mutual Receptions (1st planet is ";
    if (ic.CollectWhoLoves != 1) {
        if (!SecondPersonTicked(ps)) return line + a + "'s and 2nd planet is TRANSIT)";
        return line + a + "'s and 2nd planet is " + b + "'s)";
    }
    if (ic.VenusAspectsMode == 1) {
        if (ic.DualPass == 1) return line + a + "'s and 2nd planet is " + b + "'s)";
        return line + b + "'s and 2nd planet is " + a + "'s)";
    }
    if (ic.DualPass == 1) return line + a + "'s and 2nd planet is composite chart's)";
    return line + b + "'s and 2nd planet is composite's)";
}

void PrintedReport(ProgramState& ps, const Figures& f, int lastBody) {
    AppendKeptLine(ps, ReportHeadingLine(ps));
    AppendKeptLine(ps, Blanks(14) + "Power          Harmony           Power          Harmony");
    for (int j = 1; j <= lastBody; ++j) {
        if (!f.shown[j]) continue;
        std::string row = "  ";
        row += BodyName(ps, j);
        row += Ranked(f.powerA[j], f.powerRankA[j]);
        row += "    " + Ranked(f.harmonyA[j], f.harmonyRankA[j]);
        row += "     " + Ranked(f.powerB[j], f.powerRankB[j]);
        row += "    " + Ranked(f.harmonyB[j], f.harmonyRankB[j]);
        AppendKeptLine(ps, row);
        StoreDayValues(ps, f, j);
    }
    AppendKeptLine(ps, "  ------     ------          ------           ------          ------");
    AppendKeptLine(ps, "  TOTALS    " + PaddedValue(f.totalPowerA) + Blanks(9) + PaddedValue(f.totalHarmonyA) +
                           Blanks(10) + PaddedValue(f.totalPowerB) + Blanks(9) + PaddedValue(f.totalHarmonyB));
    std::array<std::string, 3>* day = DayLinesSlot(ps);
    if (day) {
        (*day)[0] = SecondDate(ps);
        (*day)[1] = "Power = " + Format(f.totalPowerA, "#0.00") + "   Harmony = " + Format(f.totalHarmonyA, "#0.00");
    }
    AppendKeptLine(ps, "  Power*Harmony =    " + PaddedValue(f.productSumA) + Blanks(25) + PaddedValue(f.productSumB));
    if (day) (*day)[2] = "P*H = " + Format(f.productSumA, "#0.00") + " and " + Format(f.productSumB, "#0.00");
    KeepDynesBlank(ps);
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    AppendKeptLine(ps, ReceptionHeading(ps));
    AppendKeptLine(ps, "  -----------------");
}

// The quiet lines below are built in strings the state keeps (the batch
// slot, CurrentLine), from views of the batch line, so that a run of quiet
// runs on one state allocates nothing once those strings have grown.

// 1-based position of `needle` in `text` at or after position `from`; 0 when
// it is not there.
size_t InStr(std::string_view text, std::string_view needle, size_t from = 1) {
    const size_t at = text.find(needle, from - 1);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::string_view LeftTrimmed(std::string_view text, size_t count) {
    size_t k = 0;
    while (k < count && text[k] == ' ') ++k;
    return text.substr(k, count - k);
}

// L's characters from position `from` (1-based), `count` of them; none for
// a count below 1.
std::string_view Mid(std::string_view text, size_t from, long count) {
    if (count <= 0 || from < 1 || from > text.size()) return {};
    return text.substr(from - 1, static_cast<size_t>(count));
}

std::string_view FirstWord(std::string_view name) { return name.substr(0, name.find(' ')); }

void AppendDatedLine(ProgramState& ps, std::string_view filed, double p, double h) {
    const size_t c1 = InStr(filed, ",");
    if (c1 == 0) return;
    std::string& line = ps.output.CurrentLine;
    line.assign("  ");
    line += LeftTrimmed(filed, c1 - 1);
    line += "),";
    if (const size_t close = InStr(filed, ")", c1))
        line += Mid(filed, c1 + 2, static_cast<long>(close) - static_cast<long>(c1) - 2);
    line += ",";
    if (const size_t a = InStr(filed, "and ", c1)) {
        size_t end = InStr(filed, ",", a);
        // Without a "," after "and " the second part ends at its ")".
        if (end == 0) end = InStr(filed, ")", a);
        if (end != 0) line += Mid(filed, a + 4, static_cast<long>(end) - static_cast<long>(a) - 4);
    }
    line += "),";
    line += Format(p, "0.00");
    line += ",";
    line += Format(h, "0.00");
    line += ",";
    line += Format(p * h, "0.00");
    AppendLine(ps);
}

void RewriteSummary(ProgramState& ps, std::string_view filed) {
    const size_t c1 = InStr(filed, ",");
    if (c1 == 0) return;
    std::string& line = ps.output.CurrentLine;
    line.assign(LeftTrimmed(filed, c1 - 1));
    line += "),";
    const size_t p = InStr(filed, "P = ");
    line += p != 0 ? filed.substr(p >= 2 ? p - 2 : 0) : filed;
}

void AppendNamesPart(const ProgramState& ps, std::string& names) {
    const ChartState& cs = ps.chart;
    constexpr std::string_view kMask = "dd mmm yyyy";
    const int order = ps.settings.DateOrder;
    names += "  ";
    names += FirstWord(cs.ChartName);
    if (ps.scans.DatedLines == 1) {
        names += " (";
        AppendDateText(names, cs.NatalDateText, kMask, order);
        names += ", ";
        names += ps.people.NatalEmailText;
        names += ")";
    }
    if (!SecondPersonTicked(ps)) {
        names += " and TRANSITS (";
        AppendDateText(names, cs.SecondDateText, kMask, order);
        names += ")";
    } else {
        names += " and ";
        names += FirstWord(SecondName(ps));
        names += " (";
        AppendDateText(names, cs.SecondDateText, kMask, order);
        names += ", ";
        names += ps.people.SecondEmailText;
        names += ")";
    }
}

// Room behind the names' column for "P =" and the figures.
constexpr size_t kSummaryTail = 64;

void QuietReport(ProgramState& ps, const Figures& f) {
    ScanState& s = ps.scans;
    const bool bestDays = s.BestDaysMode == 1;
    if (s.BatchLineCount < 0) s.BatchLineCount = 0;
    const size_t slot = static_cast<size_t>(s.BatchLineCount);
    if (!bestDays && slot >= s.BatchLines.size()) s.BatchLines.resize(slot + 1);

    const size_t width = s.DatedLines == 1 ? 125 : 80;
    std::string& summary = ps.output.CurrentLine;
    size_t namesLength = 0;
    if (ps.interchart.CollectWhoLoves == 0) {
        // The names part goes straight into the batch slot, which is sized
        // once for the whole line; in best-days mode only its length counts,
        // and CurrentLine holds it until the summary replaces it.
        std::string& names = bestDays ? summary : s.BatchLines[slot];
        names.clear();
        if (!bestDays && names.capacity() < width + kSummaryTail) names.reserve(width + kSummaryTail);
        AppendNamesPart(ps, names);
        namesLength = names.size();
    }
    const double p = f.totalPowerA, h = f.totalHarmonyA;
    summary.assign(width > namesLength ? width - namesLength : 0, ' ');
    summary += "P =";
    summary += PaddedValue(p);
    summary += "   (P*H = ";
    summary += PadNumber5(Format(p * h, "#0.00"));
    summary += ")   H =";
    summary += PaddedValue(h);
    s.BatchPowerSum += p;
    s.BatchHarmonySum += h;
    s.BatchPHSum += p * h;
    s.BatchPairCount += 1;
    if (bestDays) return;

    s.BatchLines[slot] += summary;
    s.BatchLineCount += 1;
    if (static_cast<size_t>(s.BatchLineCount) >= s.BatchLines.size()) s.BatchLines.resize(s.BatchLineCount + 1);
    const std::string& filed = s.BatchLines[slot];
    if (s.DatedLines == 1) AppendDatedLine(ps, filed, p, h);
    else RewriteSummary(ps, filed);
}

}  // namespace

std::string FirstName(const std::string& name) { return std::string(FirstWord(name)); }

std::string ReportHeadingLine(const ProgramState& ps) {
    const InterchartState& ic = ps.interchart;
    const std::string& a = ps.chart.ChartName;
    const std::string& b = SecondName(ps);
    if (ic.CollectWhoLoves != 1) {
        const std::string name = a.size() >= 32 ? a.substr(0, 32) : a;
        std::string line = Blanks(14) + name + Blanks(33 - static_cast<int>(name.size()));
        if (!SecondPersonTicked(ps)) return line + "TRANSITS" + " (" + SecondDate(ps) + ")";
        return line + b;
    }
    const bool first = ic.DualPass == 1;
    const std::string& name = first ? a : b;
    if (ic.VenusAspectsMode != 1) {
        // The caption is printed whole; only the filler counts from the cut.
        const size_t width = name.size() >= 32 ? 16 : name.size();
        const std::string printed = first ? name.substr(0, width) : name;
        return Blanks(14) + printed + Blanks(33 - static_cast<int>(width)) + "Composite chart";
    }
    const size_t width = name.size() >= 16 ? 16 : name.size();
    const std::string printed = first ? name.substr(0, width) : name;
    return Blanks(14) + printed + "'s Venus Zodiac " + Blanks(17 - static_cast<int>(width)) + (first ? b : a);
}

void InterchartReport(ProgramState& ps, int lastBody) {
    const Figures f = WorkOutFigures(ps, lastBody);
    ps.interchart.LastDualTotalA = f.totalPowerA;
    ps.interchart.LastDualTotalB = f.totalHarmonyA;
    if (ps.chart.QuietMode != 0) QuietReport(ps, f);
    else PrintedReport(ps, f, lastBody);
}
