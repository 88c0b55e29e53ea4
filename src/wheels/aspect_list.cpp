#include "wheels/aspect_list.h"

#include <cmath>

#include "platform/glyph_codes.h"
#include "program_state.h"

namespace {

const std::string kLineBreak = "\r\n";

std::string AspectLine(int rowBody, int glyph, int columnBody) {
    std::string line = "  ";
    line += static_cast<char>(BodyGlyph(rowBody));
    line += ' ';
    line += static_cast<char>(glyph);
    line += ' ';
    line += static_cast<char>(BodyGlyph(columnBody));
    return line + kLineBreak;
}

bool LeftOut(int position, bool shortOrbs, bool declinations) {
    if (declinations && (position == 11 || position == 12)) return true;
    return shortOrbs && (position == 11 || position == 12 || position == 14 || position == 15);
}

}  // namespace

bool ShortOrbSet(const OrbLines& o) {
    for (int k : {1, 3, 4, 5, 10})
        if (o[static_cast<std::size_t>(k)] != 3.0f) return false;
    return o[6] == 1.2f;
}

std::string BuildAspectList(const AspectListInput& in) {
    const bool single = in.chartCount == 1;
    const bool shortOrbs = ShortOrbSet(in.orbs);
    const auto tests = FullAspectTests(in.orbs);
    // Rows come from the inner chart of a bi-wheel, columns from the outer.
    const AspectRing& rows = single ? in.outer : in.inner;
    const AspectRing& columns = in.outer;

    std::string text = kLineBreak;
    for (int i = 1; i <= 15; ++i) {
        if (LeftOut(i, shortOrbs, false)) continue;
        const auto row = static_cast<std::size_t>(kAspectListOrder[static_cast<std::size_t>(i)]);
        for (int j = 1; j <= 15; ++j) {
            if (LeftOut(j, shortOrbs, false) || (single && i == j)) continue;
            const auto column = static_cast<std::size_t>(kAspectListOrder[static_cast<std::size_t>(j)]);
            const int code = MatchAspect(FoldedSeparation(rows.longitudes[row], columns.longitudes[column]), tests);
            if (code > 1) text += AspectLine(static_cast<int>(row), AspectGlyph(code), static_cast<int>(column));
        }
    }
    if (in.composite) return text;

    text += kLineBreak;
    const float parallelOrb = in.orbs[6];
    for (int i = 1; i <= 15; ++i) {
        if (LeftOut(i, shortOrbs, true)) continue;
        const auto row = static_cast<std::size_t>(kAspectListOrder[static_cast<std::size_t>(i)]);
        for (int j = 1; j <= 15; ++j) {
            if (LeftOut(j, shortOrbs, true) || (single && i == j)) continue;
            const auto column = static_cast<std::size_t>(kAspectListOrder[static_cast<std::size_t>(j)]);
            const double a = rows.declinations[row];
            const double b = columns.declinations[column];
            const float s = static_cast<float>(std::fabs(std::fabs(a) - std::fabs(b)));
            if (s > parallelOrb) continue;
            const bool contra = (a < 0 && b >= 0) || (b < 0 && a >= 0);
            text += AspectLine(static_cast<int>(row), contra ? kContraparallelGlyph : kParallelGlyph,
                               static_cast<int>(column));
        }
    }
    return text;
}

AspectListInput AspectListInputOf(const ProgramState& ps) {
    const WheelState& ws = ps.wheels;
    AspectListInput in;
    in.chartCount = ws.ChartCount;
    in.outer = {ws.WheelLongitudes, ws.WheelDeclinations};
    in.inner = {ws.WheelSecondLongitudes, ws.WheelSecondDeclinations};
    in.composite = ws.WheelHeader1.size() > 3 && ws.WheelHeader1[3] == "Composite chart";
    in.orbs = ps.settings.OrbValues;
    return in;
}
