#include "cosmodynes/interchart_receptions.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "cosmodynes/interchart_lines.h"
#include "program_state.h"

namespace {

// Sign bits of each planet 1..10.
constexpr unsigned Signs(std::initializer_list<int> signs) {
    unsigned bits = 0;
    for (int s : signs) bits |= 1u << s;
    return bits;
}

constexpr unsigned kReceptionSigns[11] = {
    0,
    Signs({1, 5}),       // Sun: Aries, Leo
    Signs({3, 6, 11}),   // Mercury: Gemini, Virgo, Aquarius
    Signs({2, 7, 12}),   // Venus: Taurus, Libra, Pisces
    Signs({1, 8, 10}),   // Mars: Aries, Scorpio, Capricorn
    Signs({4, 9, 12}),   // Jupiter: Cancer, Sagittarius, Pisces
    Signs({7, 10, 11}),  // Saturn: Libra, Capricorn, Aquarius
    Signs({3, 11}),      // Uranus: Gemini, Aquarius
    Signs({9, 12}),      // Neptune: Sagittarius, Pisces
    Signs({5, 8}),       // Pluto: Leo, Scorpio
    Signs({2, 4}),       // Moon: Taurus, Cancer
};

bool Holds(int planet, int sign) { return sign >= 1 && sign <= 12 && (kReceptionSigns[planet] >> sign) & 1u; }

std::string ReceptionLine(const ProgramState& ps, int i, int j) {
    std::string line = "  ";
    line += BodyName(ps, i);
    line += BodyName(ps, j);
    return line;
}

}  // namespace

int SignOf(double longitude) { return static_cast<int>(std::floor(longitude / 30)) + 1; }

bool IsReception(int i, int a, int j, int b) { return i != j && Holds(j, a) && Holds(i, b); }

void FindMutualReceptions(ProgramState& ps) {
    InterchartState& ic = ps.interchart;
    const ChartState& cs = ps.chart;
    ic.ReceptionMatrix = {};
    for (std::string& line : ic.ReceptionLines) line.clear();
    int found = 0;
    for (int i = 1; i <= 10; ++i) {
        const int a = SignOf(cs.NatalLongitudes[i]);
        for (int j = 1; j <= 10; ++j) {
            if (!IsReception(i, a, j, SignOf(cs.SecondLongitudes[j]))) continue;
            ic.ReceptionMatrix[i][j] += 1.0;
            if (static_cast<size_t>(found) >= ic.ReceptionLines.size()) ic.ReceptionLines.resize(found + 1);
            std::string& line = ic.ReceptionLines[static_cast<size_t>(found)];
            line = "  ";
            line += BodyName(ps, i);
            line += BodyName(ps, j);
            ++found;
        }
    }
    ic.ReceptionLastIndex = found - 1;
}

void AddReceptionHarmony(ProgramState& ps) {
    if (!ReceptionsInHarmony(ps)) return;
    FindMutualReceptions(ps);
    InterchartState& ic = ps.interchart;
    for (int j = 1; j <= 10; ++j)
        for (int i = 1; i <= 10; ++i) {
            const double t = 5 * ic.ReceptionMatrix[i][j];
            ps.cosmodynes.Harmony[i] += t;
            ic.PairHarmonyMatrix[i][j] = static_cast<float>(ic.PairHarmonyMatrix[i][j] + t);
            ic.HarmonyB[j] += t;
        }
}

void PrintReceptionLines(ProgramState& ps) {
    const InterchartState& ic = ps.interchart;
    if (!ReceptionsInHarmony(ps)) {
        const ChartState& cs = ps.chart;
        for (int i = 1; i <= 10; ++i) {
            const int a = SignOf(cs.NatalLongitudes[i]);
            for (int j = 1; j <= 10; ++j)
                if (IsReception(i, a, j, SignOf(cs.SecondLongitudes[j])))
                    AppendKeptLine(ps, ReceptionLine(ps, i, j) + "- add 5 points harmony to each person's planet.");
        }
    } else {
        for (int k = 0; k <= ic.ReceptionLastIndex && static_cast<size_t>(k) < ic.ReceptionLines.size(); ++k)
            AppendKeptLine(ps, ic.ReceptionLines[static_cast<size_t>(k)]);
    }
    KeepDynesBlank(ps);
}
