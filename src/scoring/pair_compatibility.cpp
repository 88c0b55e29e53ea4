#include "scoring/pair_compatibility.h"

#include <cstdlib>
#include <string>

#include "app/output_buffer.h"
#include "program_state.h"
#include "scoring/relationship_names.h"

using namespace rel;

namespace {

bool AnyAspect(const std::array<int, 9>& cell, std::initializer_list<int> aspects) {
    for (int k : aspects)
        if (cell[k] == 1) return true;
    return false;
}

}  // namespace

void PrintPairCompatibility(ProgramState& ps, const int& a, const int& b) {
    if (a < 0 || a > 10 || b < 0 || b > 10) return;
    const std::string first = "  " + ps.people.NatalNameText + "'s " + RelBodyNameTrimmed(ps.settings, a);
    const std::string second = ps.people.SecondPersonCaption + "'s " + RelBodyNameTrimmed(ps.settings, b);
    auto line = [&](const char* verb) {
        ps.output.CurrentLine = first + verb + second;
        AppendLine(ps);
    };

    const int s = std::abs(ps.scoring.SignNumbersA[a] - ps.scoring.SignNumbersB[b]);
    if (s == 0 || s == 2 || s == 4 || s == 8 || s == 10) line(" is compatible with ");
    if (s == 3 || s == 5 || s == 6 || s == 7 || s == 9) line(" is INcompatible with ");

    const std::array<int, 9>& cell = ps.scoring.AspectCube[a][b];
    if (AnyAspect(cell, {kConjunct, kSextile, kTrine})) line(" is in favorable aspect to ");
    if (AnyAspect(cell, {kSemiSquare, kSquare, kSesquiquadrate, kQuincunx, kOpposite}))
        line(" is in UNfavorable aspect to ");
}
