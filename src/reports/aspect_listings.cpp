#include "reports/aspect_listings.h"

#include <cmath>
#include <string>

#include "app/constant_tables.h"
#include "app/number_padding.h"
#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "reports/aspect_cells.h"

namespace {

const char* const kNewLine = "\r\n";

void Line(ProgramState& ps, const std::string& text) {
    ps.output.CurrentLine = text;
    AppendLine(ps);
}

// Whole degrees and rounded minutes of a non-negative angle held in single
// precision, as the list prints them: "##0" (through the pad) and "00".
// Minutes that round to 60 carry into the degrees.
void DegreesMinutes(float angle, const char* mask, std::string& degrees, std::string& minutes) {
    double whole = Fix(angle);
    const float fraction = angle - static_cast<float>(Int(angle));
    minutes = Format(fraction * 60.0f, "00");
    if (minutes == "60") {
        minutes = "00";
        whole += 1;
    }
    degrees = Format(whole, mask);
}

std::string ListEntry(const ProgramState& ps, int i, int j, float s, float orb) {
    std::string sepDegrees, sepMinutes, orbDegrees, orbMinutes;
    DegreesMinutes(s, "##0", sepDegrees, sepMinutes);
    DegreesMinutes(std::fabs(orb), "#0", orbDegrees, orbMinutes);
    return "  " + TableField(ps.settings.BodyNames, 10, i) + TableField(ps.settings.BodyNames, 10, j) + " " +
           PadNumber3(sepDegrees) + "d " + sepMinutes + "m" + std::string(7, ' ') + PadSignedNumber(orbDegrees) +
           "d " + orbMinutes + "m" + kNewLine;
}

}  // namespace

AspectClass ClassifyAspect(double separation) {
    struct Window {
        double low, high;
        int code, exact;
    };
    static constexpr Window kWindows[] = {
        {59, 61, 3, 60},    {89, 91, 4, 90},     {119, 121, 5, 120}, {179, 1e300, 6, 180}, {29, 31, 8, 30},
        {44, 46, 9, 45},    {134, 136, 10, 135}, {149, 151, 11, 150}, {-1e300, 1, 2, 0},
    };
    AspectClass result{1, separation};
    int exact = 0;
    for (const Window& w : kWindows) {
        if (separation >= w.low && separation <= w.high) {
            result.code = w.code;
            exact = w.exact;
        }
    }
    if (result.code != 1) result.separation = Int((separation - exact + 0.05) * 10.0) / 10.0;
    return result;
}

void PrintAspectLine(ProgramState& ps, int i, int j, double separation, double longitudeDifference) {
    if (separation > 180) separation = 360 - separation;
    const AspectClass found = ClassifyAspect(separation);
    if (found.code == 1) return;
    const Settings& s = ps.settings;
    std::string& line = ps.output.CurrentLine;
    line = "  " + TableField(s.BodyNames, 10, i).substr(0, 8) + std::string(4, ' ') +
           TableField(s.AspectNames, 12, found.code).substr(0, 10) + std::string(4, ' ') +
           TableField(s.BodyNames, 10, j).substr(0, 8);
    double orb = found.separation;
    if (longitudeDifference <= -180 || (longitudeDifference >= 0 && longitudeDifference < 180)) orb = -orb;
    if (orb == 0) orb = 0;  // no "-0.0"
    line += std::string(orb < 0 ? 4 : 5, ' ') + Format(orb, "0.0") + " degrees";
    AppendLine(ps);
}

void PrintTransitToNatalAspects(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    AppendBlankLine(ps);
    Line(ps, "      TRANSITING PLANET ASPECTS TO NATAL PLANETS");
    AppendBlankLine(ps);
    for (int i = 1; i <= 15; ++i) {
        if (i == 12 || i == 13) continue;
        for (int j = 1; j <= 15; ++j) {
            if (j == 12) continue;
            const double difference = cs.SecondLongitudes[i] - cs.NatalLongitudes[j];
            PrintAspectLine(ps, i, j, std::fabs(difference), difference);
        }
    }
}

void PrintTransitToTransitAspects(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    AppendBlankLine(ps);
    Line(ps, "   TRANSITING PLANET ASPECTS TO TRANSITING PLANETS");
    AppendBlankLine(ps);
    for (int i = 1; i <= 14; ++i) {
        if (i == 12 || i == 13) continue;
        for (int j = i + 1; j <= 15; ++j) {
            if (j == 12) continue;
            const double difference = cs.SecondLongitudes[i] - cs.SecondLongitudes[j];
            PrintAspectLine(ps, i, j, std::fabs(difference), difference);
        }
    }
}

void PrintNatalAspects(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    const Settings& s = ps.settings;
    const auto& opt = s.OptionValues;
    std::string list = std::string("  Planet    Planet    Separation   Degrees from exact") + kNewLine;

    AppendBlankLine(ps);
    Line(ps, std::string(22, ' ') + "NATAL PLANET ASPECTS TO NATAL PLANETS");
    AppendBlankLine(ps);
    Line(ps, std::string(8, ' ') + "MC  Asc  Chi  S.N  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun");

    // Windows in test order: angle, orb option; a later match replaces an
    // earlier one. The quintile family joins only when option 16 is 1.
    struct Window {
        int angle, option, code;
    };
    static constexpr Window kMajor[] = {{60, 2, 3}, {90, 3, 4}, {120, 4, 5}};
    static constexpr Window kMinor[] = {{30, 7, 8}, {45, 8, 9}, {135, 9, 10}, {150, 10, 11}};
    static constexpr Window kQuintiles[] = {{36, 11, 12}, {40, 12, 13}, {72, 13, 14}, {108, 14, 15}, {144, 15, 16}};

    for (int i = 1; i <= 15; ++i) {
        std::string& row = ps.output.CurrentLine;
        row = RowLabel(s, i);
        for (int j = 15; j >= 1; --j) {
            if (j == i) {
                row += "***  ";
            } else if (j > i) {
                double sep = std::fabs(cs.WorkLongitudes[i] - cs.WorkLongitudes[j]);
                if (sep > 180) sep = 360 - sep;
                const float sf = static_cast<float>(sep);
                int code = 1;
                float orb = 0;
                auto test = [&](const Window& w) {
                    const float a = static_cast<float>(w.angle);
                    if (sf >= a - opt[w.option] && sf <= a + opt[w.option]) {
                        code = w.code;
                        orb = sf - a;
                    }
                };
                for (const Window& w : kMajor) test(w);
                if (sf >= 180.0f - opt[5]) {
                    code = 6;
                    orb = sf - 180.0f;
                }
                for (const Window& w : kMinor) test(w);
                if (opt[16] == 1)
                    for (const Window& w : kQuintiles) test(w);
                if (sf <= opt[1]) {
                    code = 2;
                    orb = sf;
                }
                row += AngleCell(s, code);
                if (code != 1 && i != 12) list += ListEntry(ps, i, j, sf, orb);
            } else {
                const double di = cs.WorkDeclinations[i], dj = cs.WorkDeclinations[j];
                const float d = static_cast<float>(std::fabs(std::fabs(di) - std::fabs(dj)));
                if (d > opt[6])
                    row += "---  ";
                else
                    row += ((di < 0) == (dj < 0)) ? " P   " : " CP  ";
            }
        }
        AppendLine(ps);
    }

    AppendBlankLine(ps);
    Line(ps, "    0  = conjunction    60 = sextile          90 = square         120 = trine");
    Line(ps, "  180  = opposition      P = parallel         CP = contra-parallel");
    AppendBlankLine(ps);
    Line(ps, "   30  = semi-sextile   45 = semi-square     135 = sesquisquare   150 = quincunx");
    if (opt[16] != 0) {
        Line(ps, "   36  = semi-quintile  40 = nonagen          72 = quintile       108 = trecile");
        Line(ps, "  144  = bi-quintile");
    }
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    Line(ps, list);
}
