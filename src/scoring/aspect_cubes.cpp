#include "scoring/aspect_cubes.h"

#include <cmath>

#include "program_state.h"

using namespace rel;

namespace {

// Where one cube reads its orbs and switches among the options.
struct CubeOptions {
    int firstBodyOrb;  // option of body 0; body k reads firstBodyOrb + k
    int allPairsOrb;   // 0: no option replaces the per-body orbs
    int quincunxOrb;
    int minorOrb;      // 30, 45 and 135 degrees
    int semiSextileOn, semiSquareOn, sesquiquadrateOn, quincunxOn;
};

constexpr CubeOptions kInterchartOptions{268, 286, 280, 281, 282, 283, 284, 285};
constexpr CubeOptions kNatalOptions{247, 0, 259, 260, 261, 262, 263, 264};

// The orb of a pair: the first body of the walk 0..10 that belongs to the
// pair and has an orb option above 1 gives it; otherwise 1 degree.
float PairOrb(const std::array<float, 287>& opt, const CubeOptions& o, int i, int j) {
    float orb = 1.0f;
    for (int k = 0; k <= 10; ++k) {
        if ((k == i || k == j) && opt[o.firstBodyOrb + k] > 1.0f) {
            orb = opt[o.firstBodyOrb + k];
            break;
        }
    }
    if (o.allPairsOrb != 0 && opt[o.allPairsOrb] != 0.0f) orb = opt[o.allPairsOrb];
    return orb;
}

// Single-precision window test of the minor aspects.
bool InMinorWindow(double separation, float angle, float orb) {
    const float d = static_cast<float>(separation);
    return angle - orb <= d && d <= angle + orb;
}

// Sets the aspects that hold at separation d (0..180) for one pair.
void MarkAspects(std::array<int, 9>& cell, double d, float orbValue, const std::array<float, 287>& opt,
                 const CubeOptions& o) {
    const double orb = orbValue;
    if (d <= orb) cell[kConjunct] = 1;
    if (60.0 - orb <= d && d <= 60.0 + orb) cell[kSextile] = 1;
    if (90.0 - orb <= d && d <= 90.0 + orb) cell[kSquare] = 1;
    if (120.0 - orb <= d && d <= 120.0 + orb) cell[kTrine] = 1;
    if (d >= 180.0 - orb) cell[kOpposite] = 1;
    const float minor = opt[o.minorOrb];
    if (opt[o.semiSextileOn] != 0.0f && InMinorWindow(d, 30.0f, minor)) cell[kSemiSextile] = 1;
    if (opt[o.semiSquareOn] != 0.0f && InMinorWindow(d, 45.0f, minor)) cell[kSemiSquare] = 1;
    if (opt[o.sesquiquadrateOn] != 0.0f && InMinorWindow(d, 135.0f, minor)) cell[kSesquiquadrate] = 1;
    if (opt[o.quincunxOn] != 0.0f && InMinorWindow(d, 150.0f, opt[o.quincunxOrb])) cell[kQuincunx] = 1;
}

double Separation(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180.0) d = 360.0 - d;
    return d;
}

void BuildCube(AspectTable& cube, const std::array<double, 11>& first, const std::array<double, 11>& second,
               bool skipSameBody, const std::array<float, 287>& opt, const CubeOptions& o) {
    cube = AspectTable{};
    for (int i = 0; i <= 10; ++i) {
        for (int j = 0; j <= 10; ++j) {
            if (skipSameBody && i == j) continue;
            MarkAspects(cube[i][j], Separation(first[i], second[j]), PairOrb(opt, o, i, j), opt, o);
        }
    }
}

}  // namespace

int SignOfLongitude(double longitude) {
    double reduced = std::fmod(longitude, 360.0);
    if (reduced < 0.0) reduced += 360.0;
    if (reduced >= 360.0) reduced = 0.0;  // a tiny negative value rounds up to 360
    return static_cast<int>(std::floor(reduced / 30.0)) + 1;
}

void GetSignNumbers(ProgramState& ps) {
    for (int k = 0; k <= 10; ++k) {
        ps.scoring.SignNumbersA[k] = SignOfLongitude(ps.chart.RelLongitudesA[k]);
        ps.scoring.SignNumbersB[k] = SignOfLongitude(ps.chart.RelLongitudesB[k]);
    }
}

void ComputeInterchartAspects(ProgramState& ps) {
    BuildCube(ps.scoring.AspectCube, ps.chart.RelLongitudesA, ps.chart.RelLongitudesB, false,
              ps.settings.OptionValues, kInterchartOptions);
}

void ComputeNatalAspectsA(ProgramState& ps) {
    BuildCube(ps.scoring.AspectCubeA, ps.chart.RelLongitudesA, ps.chart.RelLongitudesA, true,
              ps.settings.OptionValues, kNatalOptions);
}

void ComputeNatalAspectsB(ProgramState& ps) {
    BuildCube(ps.scoring.AspectCubeB, ps.chart.RelLongitudesB, ps.chart.RelLongitudesB, true,
              ps.settings.OptionValues, kNatalOptions);
}
