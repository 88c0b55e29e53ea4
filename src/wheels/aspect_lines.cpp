#include "wheels/aspect_lines.h"

#include "chart/angle_helpers.h"
#include "platform/numbers.h"

namespace {

Colour OptionColour(const std::array<float, 287>& options, int n) {
    return QBColor(CInt(options[static_cast<std::size_t>(n)]));
}

}  // namespace

bool EndsWithNinetyDegreeWheel(const std::string& line) {
    const std::string tail = "90 degree wheel";
    return line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0;
}

std::array<AspectTest, 5> AspectLineTests(const std::array<float, 287>& o) {
    return {{{3, 60, o[2], AspectBound::Within},
             {4, 90, o[3], AspectBound::Within},
             {5, 120, o[4], AspectBound::Within},
             {6, 180, o[5], AspectBound::AtLeast},
             {11, 150, o[10], AspectBound::Within}}};
}

std::vector<AspectLineSegment> AspectLineSegments(const std::array<double, 16>& longitudes,
                                                  const std::array<double, 16>& glyphAngles,
                                                  const std::array<float, 287>& options, double radialFactor) {
    const auto tests = AspectLineTests(options);
    std::vector<AspectLineSegment> segments;
    for (int i = 1; i <= 13; ++i) {
        if (i == 11 || i == 12) continue;
        for (int j = 1; j <= 13; ++j) {
            if (j == 11 || j == 12) continue;
            const auto bi = static_cast<std::size_t>(i), bj = static_cast<std::size_t>(j);
            const int code = MatchAspect(FoldedSeparation(longitudes[bi], longitudes[bj]), tests);
            if (code == 1) continue;
            AspectLineSegment seg;
            seg.from = i;
            seg.to = j;
            seg.code = code;
            seg.x1 = kAspectLineRadius * CosDeg(glyphAngles[bi]);
            seg.y1 = radialFactor * kAspectLineRadius * SinDeg(glyphAngles[bi]);
            seg.x2 = kAspectLineRadius * CosDeg(glyphAngles[bj]);
            seg.y2 = radialFactor * kAspectLineRadius * SinDeg(glyphAngles[bj]);
            segments.push_back(seg);
        }
    }
    return segments;
}

Colour AspectLineColour(int code, bool printer, bool halfPage, const std::array<float, 287>& options) {
    const bool sextileOrTrine = code == 3 || code == 5;
    const bool squareOrOpposition = code == 4 || code == 6;
    if (printer) return OptionColour(options, sextileOrTrine ? 112 : squareOrOpposition ? 113 : 114);
    if (sextileOrTrine) return halfPage ? QBColor(0) : OptionColour(options, 97);
    return OptionColour(options, squareOrOpposition ? 98 : 99);
}
