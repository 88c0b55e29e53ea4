#include "cosmodynes/interchart_tables.h"

#include <algorithm>
#include <cctype>

#include "app/number_padding.h"
#include "cosmodynes/interchart_lines.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

std::string LeftCaption(const ProgramState& ps) {
    const InterchartState& ic = ps.interchart;
    std::string text = "  Planets down left edge are ";
    if (ic.CollectWhoLoves != 1) return text + ps.chart.ChartName + "'s planets.";
    const std::string& who = ic.DualPass == 1 ? ps.chart.ChartName : SecondName(ps);
    if (ic.VenusAspectsMode == 1) return text + who + "'s Venus Zodiac planets.";
    return text + who + "'s planets.";
}

std::string TopCaption(const ProgramState& ps) {
    const InterchartState& ic = ps.interchart;
    std::string text = "  Planets across the top are ";
    if (ic.CollectWhoLoves != 1) {
        if (!SecondPersonTicked(ps)) return text + "transits on" + " " + SecondDate(ps) + ".";
        return text + SecondName(ps) + "'s planets.";
    }
    if (ic.VenusAspectsMode != 1) return text + "composite's planets.";
    return text + (ic.DualPass == 1 ? SecondName(ps) : ps.chart.ChartName) + "'s planets.";
}

bool Shown(int body, bool chiron) { return body != 11 && body != 12 && (body != 13 || chiron); }

std::string RowLabel(const ProgramState& ps, int body) {
    std::string name = ps.settings.PlanetNames[static_cast<size_t>(body)].substr(0, 3);
    name.resize(3, ' ');
    if (name != "MC ")
        for (size_t k = 1; k < 3; ++k) name[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[k])));
    return "  " + name + "  ";
}

void PrintTable(ProgramState& ps, const std::string& word, const std::array<std::array<float, 16>, 16>& matrix,
                int shown, bool chiron) {
    AppendKeptLine(ps, "  " + TableHeading(word, shown, chiron));
    for (int i = 1; i <= shown; ++i) {
        if (!Shown(i, chiron)) continue;
        std::string row = RowLabel(ps, i);
        for (int j = 1; j <= shown; ++j)
            if (Shown(j, chiron)) row += TableCell(matrix[static_cast<size_t>(i)][static_cast<size_t>(j)]);
        AppendKeptLine(ps, row);
    }
}

}  // namespace

std::string TableHeading(const std::string& word, int bodiesShown, bool chiron) {
    std::string text = word;
    text.resize(8, ' ');
    text += "Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
    if (chiron) text += "    Chi";
    if (bodiesShown >= 14) text += "    Asc";
    if (bodiesShown >= 15) text += "     MC";
    return text;
}

std::string TableCell(float value) {
    const std::string text = PadSignedNumber2(Format(value, "#0.00"));
    // Zero as shown, whatever the decimal separator.
    if (text.find_first_of("123456789") == std::string::npos) return "  ---- ";
    return text + " ";
}

void PrintPowerHarmonyTables(ProgramState& ps) {
    const int shown = std::clamp(13 + ps.chart.AnglesSetting, 13, 15);
    const bool chiron = ChironInUse(ps);
    AppendKeptLine(ps, LeftCaption(ps));
    AppendKeptLine(ps, TopCaption(ps));
    AppendKeptLine(ps, "");
    PrintTable(ps, "POWER", ps.interchart.PairPowerMatrix, shown, chiron);
    AppendKeptLine(ps, "");
    PrintTable(ps, "HARMONY", ps.interchart.PairHarmonyMatrix, shown, chiron);
}
