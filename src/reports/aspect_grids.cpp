#include "reports/aspect_grids.h"

#include <cmath>
#include <string>

#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "reports/aspect_cells.h"

namespace {

const char* const kColumnHeading = "       SUN  MER  VEN  MAR  JUP  SAT  URA  NEP  PLU  MOO  N.N  S.N  CHI  ASC   MC";

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

bool IsNode(int body) { return body == 11 || body == 12; }
bool IsLuminary(int body) { return body == 1 || body == 10; }

}  // namespace

int AspectGridCode(double separation, double orb, float minorOrb) {
    int code = 1;
    auto band = [&](double angle) { return separation >= angle - orb && separation <= angle + orb; };
    // The minor-aspect bands compare in single precision.
    const float sf = static_cast<float>(separation);
    auto minorBand = [&](float angle) { return sf >= angle - minorOrb && sf <= angle + minorOrb; };
    if (band(60)) code = 3;
    if (band(90)) code = 4;
    if (band(120)) code = 5;
    if (minorBand(150)) code = 11;
    if (minorBand(135)) code = 10;
    if (minorBand(45)) code = 9;
    if (minorBand(30)) code = 8;
    if (separation >= 180 - orb) code = 6;
    if (separation <= orb) code = 2;
    return code;
}

void PrintAspectGrid(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const Settings& s = ps.settings;
    const auto& opt = s.OptionValues;
    const std::string& other = ps.people.SecondPersonCaption;
    AppendBlankLine(ps);
    Line(ps, "  " + ps.people.NatalNameText + "'s " + "NATAL PLANET ASPECTS TO " + other + "'s " + "NATAL PLANETS");
    Line(ps, "  (Dn = " + cs.ChartName + ", Across = " + other + ")");
    AppendBlankLine(ps);
    Line(ps, kColumnHeading);
    for (int i = 1; i <= 15; ++i) {
        std::string& row = ps.output.CurrentLine;
        row = RowLabel(s, i);
        for (int j = 1; j <= 15; ++j) {
            double sep = std::fabs(cs.NatalLongitudes[i] - cs.SecondLongitudes[j]);
            if (sep > 180) sep = 360 - sep;
            double orb = opt[55];
            if (IsNode(i) || IsNode(j)) orb = opt[56];
            if (IsLuminary(i) || IsLuminary(j)) orb = opt[57];
            row += AngleCell(s, AspectGridCode(sep, orb, opt[58]));
        }
        AppendLine(ps);
    }
    AppendBlankLine(ps);
    Line(ps, "    0  = conjunction       60 = sextile          90 = square         120 = trine");
    Line(ps, "  180  = opposition        30 = semi-sextile    150 = quincunx");
    Line(ps, "   45  = semi-square      135 = sesquisquare");
}

void PrintParallelGrid(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    AppendBlankLine(ps);
    Line(ps, kColumnHeading);
    for (int i = 1; i <= 15; ++i) {
        std::string& row = ps.output.CurrentLine;
        row = RowLabel(ps.settings, i);
        for (int j = 1; j <= 15; ++j) {
            const double a = cs.NatalDeclinations[i], b = cs.SecondDeclinations[j];
            const double d = std::fabs(std::fabs(a) - std::fabs(b));
            if (d > 1)
                row += "---  ";
            else
                row += ((a < 0) == (b < 0)) ? " P   " : " CP  ";  // 0 counts as north
        }
        AppendLine(ps);
    }
}

void PrintMagneticHarmony(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    // Same element 2; fire-air and earth-water 1; fire-earth and air-water
    // -1; fire-water and earth-air -2. Index 1 fire, 2 earth, 3 air, 0 water.
    static constexpr int kHarmony[4][4] = {{2, -2, 1, -1}, {-2, 2, -1, 1}, {1, -1, 2, -2}, {-1, 1, -2, 2}};
    static constexpr int kBodies[3] = {1, 10, 14};
    static const char* const kLabels[3] = {"  Sun    ", "  Moon   ", "  Asc    "};
    auto element = [](double longitude) { return (static_cast<int>(Int(longitude / 30)) + 1) % 4; };

    AppendBlankLine(ps);
    Line(ps, "        Magnetic Harmony");
    AppendBlankLine(ps);
    Line(ps, "        Sun   Moon   Asc");
    int total = 0;
    for (int r = 0; r < 3; ++r) {
        std::string& row = ps.output.CurrentLine;
        row = kLabels[r];
        for (int c = 0; c < 3; ++c) {
            const int score = kHarmony[element(cs.NatalLongitudes[kBodies[r]])][element(cs.SecondLongitudes[kBodies[c]])];
            row += PadPositive(Format(score, "0")) + "    ";
            total += score;
        }
        AppendLine(ps);
    }
    AppendBlankLine(ps);
    Line(ps, "  Total = " + std::to_string(total));
}
