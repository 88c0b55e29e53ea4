#include "reports/church_of_light.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/constant_tables.h"
#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

constexpr int kBodies[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15};

// The Ascendant and MC count as planets in the 10th house.
std::array<int, 6> BodyOrbs(const ProgramState& ps, int body) {
    if (body == 14 || body == 15) return ChurchOfLightOrbs(false, 10);
    const int house = static_cast<int>(Val(TableField(ps.chart.HouseStringA, 10, body).substr(0, 2)));
    return ChurchOfLightOrbs(body == 1 || body == 10, house);
}

}  // namespace

std::array<int, 6> ChurchOfLightOrbs(bool luminary, int house) {
    static constexpr std::array<int, 6> kTable[3][2] = {
        {{0, 1, 3, 5, 6, 8}, {0, 2, 4, 6, 8, 11}},      // cadent: planet, luminary
        {{0, 2, 4, 6, 8, 10}, {0, 3, 5, 7, 10, 13}},    // succedent
        {{0, 3, 5, 7, 10, 12}, {0, 4, 6, 8, 12, 15}},   // angular
    };
    int kind = 0;
    if (house == 1 || house == 4 || house == 7 || house == 10)
        kind = 2;
    else if (house == 2 || house == 5 || house == 8 || house == 11)
        kind = 1;
    return kTable[kind][luminary ? 1 : 0];
}

int ChurchOfLightAspectCode(double s, const std::array<int, 6>& orb, double& deviation) {
    auto within = [&](double angle, int group) { return s > angle - orb[group] && s < angle + orb[group]; };
    deviation = 0;
    if (s < orb[5]) return deviation = s, 2;
    if (within(30, 1)) return deviation = s - 30, 8;
    if (within(45, 2)) return deviation = s - 45, 9;
    if (within(60, 3)) return deviation = s - 60, 3;
    if (within(90, 4)) return deviation = s - 90, 4;
    if (within(120, 4) && s <= 130) return deviation = s - 120, 5;
    if (within(135, 2) && s > 130) return deviation = s - 135, 10;
    if (within(150, 1)) return deviation = s - 150, 11;
    if (s > 180 - orb[5]) return deviation = s - 180, 6;
    return 1;
}

void ChurchOfLightAspects(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const Settings& st = ps.settings;
    std::string& line = ps.output.CurrentLine;
    AppendBlankLine(ps);
    line = std::string(14, ' ') + "Church of Light Aspects";
    AppendLine(ps);
    AppendBlankLine(ps);
    for (int i : kBodies) {
        const auto orbsI = BodyOrbs(ps, i);
        for (int j : kBodies) {
            if (j == i) continue;
            const auto orbsJ = BodyOrbs(ps, j);
            std::array<int, 6> orbs{};
            for (int g = 1; g <= 5; ++g) orbs[g] = std::max(orbsI[g], orbsJ[g]);

            double sep = std::fabs(cs.NatalLongitudes[i] - cs.NatalLongitudes[j]);
            if (sep > 180) sep = 360 - sep;
            double deviation = 0;
            const int code = ChurchOfLightAspectCode(sep, orbs, deviation);
            if (code != 1) {
                const double diff = cs.NatalLongitudes[i] - cs.NatalLongitudes[j];
                if ((diff >= 0 && diff < 180) || diff <= -180) deviation = -deviation;
                // The gap before the deviation keeps its sign in one column,
                // also for "-0.0" and under a decimal comma.
                const std::string shown = Format(deviation, "0.0");
                line = "  " + TableField(st.BodyNames, 10, i) + std::string(4, ' ') +
                       TableField(st.AspectNames, 12, code) + std::string(4, ' ') + TableField(st.BodyNames, 10, j) +
                       std::string(shown[0] == '-' ? 4 : 5, ' ') + shown + " degrees";
                AppendLine(ps);
            }
            const double d = std::fabs(std::fabs(cs.NatalDeclinations[i]) - std::fabs(cs.NatalDeclinations[j]));
            if (d < 1) {
                line = "  " + TableField(st.BodyNames, 10, i) + "    Parallel      " + TableField(st.BodyNames, 10, j) +
                       std::string(5, ' ') + Format(d, "0.0") + " degrees";
                AppendLine(ps);
            }
        }
        AppendBlankLine(ps);
    }
}
