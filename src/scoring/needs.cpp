#include "scoring/needs.h"

#include <cstdlib>
#include <string>

#include "app/output_buffer.h"
#include "program_state.h"
#include "scoring/needs_rules.h"

using namespace rel;

namespace {

// Chart body order of each relationship-order body (the Ascendant has no
// field of its own in the house string).
constexpr std::array<int, 11> kChartBody = {0, 1, 10, 2, 3, 4, 5, 6, 7, 8, 9};

bool Holds(const AspectTable& cube, int a, int b, int aspect) { return cube[a][b][aspect] == 1; }

bool CombinationHolds(const NeedCombinationRule& r, const std::array<int, 11>& signs,
                      const std::array<double, 11>& longitudes, const AspectTable& cube) {
    switch (r.test) {
        case NeedCombinationTest::SignsDifferBy3Or9: {
            const int d = std::abs(signs[r.body] - signs[r.other]);
            return d == 3 || d == 9;
        }
        case NeedCombinationTest::SignAndWindow:
            return signs[r.body] == r.sign && longitudes[r.body] > r.above && longitudes[r.body] < r.below;
        case NeedCombinationTest::SignAndAspect:
            return signs[r.body] == r.sign && Holds(cube, r.body, r.other, r.aspect);
        case NeedCombinationTest::TwoAspects:
            return Holds(cube, r.body, r.other, r.aspect) && Holds(cube, r.body, r.other2, r.aspect);
    }
    return false;
}

const char* const kNeedLabels[kNeedCount] = {
    "  Need for communication:  ", "  Need for sex:            ", "  Need for freedom:        ",
    "  Need for committment:    ", "  Need for control:        ", "  Need for romance:        ",
    "  Need for people contact: ", "  Need for security:       ",
};

void PrintNeeds(ProgramState& ps, const std::string& name, const std::array<int, kNeedCount>& needs) {
    ps.output.CurrentLine = "  " + name + "'s " + "NEEDS:";
    AppendLine(ps);
    for (int n = 0; n < kNeedCount; ++n) {
        ps.output.CurrentLine = std::string(kNeedLabels[n]) + std::to_string(needs[n]);
        AppendLine(ps);
    }
}

}  // namespace

int HouseOfBody(std::string_view houseString, int chartBody) {
    const size_t start = static_cast<size_t>(10 * (chartBody - 1));
    if (chartBody < 1 || start >= houseString.size()) return 0;
    const std::string_view field = houseString.substr(start, 2);
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    int house = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') house = house * 10 + (field[i++] - '0');
    return house;
}

void ScoreNeeds(std::array<int, kNeedCount>& needs, const std::array<int, 11>& signs,
                const std::array<double, 11>& longitudes, const AspectTable& cube, std::string_view houseString) {
    needs.fill(0);
    for (const NeedSignRule& r : kNeedSignRules)
        if (signs[r.body] == r.sign) AddAmounts(needs, r.amounts);
    for (const NeedCombinationRule& r : kNeedCombinationRules)
        if (CombinationHolds(r, signs, longitudes, cube)) AddAmounts(needs, r.amounts);
    for (const AspectRow& row : kNeedAspectRows)
        for (int i = 0; i < row.count; ++i)
            if (Holds(cube, row.first, row.second, row.aspects[i].aspect)) AddAmounts(needs, row.aspects[i].amounts);
    for (const NeedHouseRule& r : kNeedHouseRules)
        if (HouseOfBody(houseString, kChartBody[r.body]) == r.house) AddAmounts(needs, r.amounts);
}

void ScoreNeedsA(ProgramState& ps) {
    ScoreNeeds(ps.scoring.NeedsA, ps.scoring.SignNumbersA, ps.chart.RelLongitudesA, ps.scoring.AspectCubeA,
               ps.chart.HouseStringA);
}

void ScoreNeedsB(ProgramState& ps) {
    ScoreNeeds(ps.scoring.NeedsB, ps.scoring.SignNumbersB, ps.chart.RelLongitudesB, ps.scoring.AspectCubeB,
               ps.chart.HouseStringB);
}

void PrintNeedsA(ProgramState& ps) {
    AppendBlankLine(ps);
    PrintNeeds(ps, ps.chart.ChartName, ps.scoring.NeedsA);
}

void PrintNeedsB(ProgramState& ps) {
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    PrintNeeds(ps, ps.people.SecondPersonCaption, ps.scoring.NeedsB);
}
