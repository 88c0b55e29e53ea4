// Aspect and parallel dynes: every pair of bodies taking part, each ordered
// pair visited once, so each body of a pair receives the pair's points.
#include <cmath>

#include "cosmodynes/cosmodyne_engine.h"
#include "cosmodynes/cosmodyne_rules.h"
#include "program_state.h"

namespace {

using namespace cosmo;

// The house a body counts in for its orbs: the angles stand in house 10.
int OrbHouse(const CosmodyneState& cd, int body) {
    return body >= kAscendant ? 10 : cd.BodyHouse[static_cast<size_t>(body)];
}

const OrbRow& OrbRowOf(int body, int house) {
    const bool light = body == kSun || body == kMoon;
    const int cls = HouseClass(house);
    for (const OrbRow& row : kOrbRows)
        if (row.sunOrMoon == light && row.houseClass == cls) return row;
    return kOrbRows.back();
}

// Adds to a matrix cell: the sum is formed in double and stored in single.
void AddToCell(float& cell, double v) { cell = static_cast<float>(static_cast<double>(cell) + v); }

struct PairContext {
    CosmodyneState& cd;
    int i, j;
    bool natal;
    bool benefics;
    void Harmony(double v) {
        cd.Harmony[static_cast<size_t>(i)] += v;
        if (i > j) AddToCell(cd.AspectMatrix[static_cast<size_t>(i)][static_cast<size_t>(j)], v);
    }
    void Discord(double v) {
        cd.Discord[static_cast<size_t>(i)] += v;
        if (i > j) AddToCell(cd.AspectMatrix[static_cast<size_t>(i)][static_cast<size_t>(j)], -v);
    }
    void Power(double v) {
        cd.AspectPower[static_cast<size_t>(i)] += v;
        if (i < j) AddToCell(cd.AspectMatrix[static_cast<size_t>(i)][static_cast<size_t>(j)], v);
    }
    bool Holds(int body) const { return i == body || j == body; }
    void BeneficsMalefics(double v) {
        if (!natal || !benefics) return;
        for (const BeneficRow& row : kBeneficRows) {
            if (!Holds(row.body)) continue;
            if (row.harmony) Harmony(v * row.share);
            else Discord(v * row.share);
        }
    }
};

bool RowMatches(const PairRow& row, int code, int i, int j) {
    if (!(code == kConjunct ? row.conjunct : row.opposite)) return false;
    auto matches = [&](int x, int y) {
        if (x != row.x) return false;
        if (row.y != 0) return y == row.y;
        for (int e : row.except)
            if (e != 0 && y == e) return false;
        return true;
    };
    return matches(i, j) || matches(j, i);
}

void AspectStep(PairContext& p, const ChartState& cs) {
    const CosmodyneState& cd = p.cd;
    const OrbRow& ri = OrbRowOf(p.i, OrbHouse(cd, p.i));
    const OrbRow& rj = OrbRowOf(p.j, OrbHouse(cd, p.j));
    std::array<double, 6> w{}, b{};
    for (size_t g = 0; g < 5; ++g) {
        const int bi = ri.orb[g] + (p.i == kMercury ? kMercuryBonus[g] : 0);
        const int bj = rj.orb[g] + (p.j == kMercury ? kMercuryBonus[g] : 0);
        w[g + 1] = std::max(ri.orb[g], rj.orb[g]);
        b[g + 1] = std::max(bi, bj);
    }
    double d = std::fabs(cs.NatalLongitudes[static_cast<size_t>(p.i)] - cs.NatalLongitudes[static_cast<size_t>(p.j)]);
    if (d > 180) d = 360 - d;

    int code = kNoAspect;
    double base = 0, deviation = 0;
    auto near = [&](double angle, int group) { return angle - w[group] <= d && d <= angle + w[group]; };
    if (d <= w[5]) code = kConjunct, base = b[5], deviation = d;
    else if (near(30, 1)) code = kSemiSextile, base = b[1], deviation = d - 30;
    else if (near(45, 2)) code = kSemiSquare, base = b[2], deviation = d - 45;
    else if (near(60, 3)) code = kSextile, base = b[3], deviation = d - 60;
    else if (near(90, 4)) code = kSquare, base = b[4], deviation = d - 90;
    else if (d <= 130 && near(120, 4)) code = kTrine, base = b[4], deviation = d - 120;
    else if (d > 130 && near(135, 2)) code = kSesquiquadrate, base = b[2], deviation = d - 135;
    else if (near(150, 1)) code = kQuincunx, base = b[1], deviation = d - 150;
    else if (d >= 180 - w[5]) code = kOpposite, base = b[5], deviation = d - 180;
    if (code == kNoAspect) return;

    const double v = base - std::fabs(deviation);
    p.Power(v);
    if (code == kSextile || code == kTrine || code == kSemiSextile) p.Harmony(v);
    if (code == kSquare || code == kSemiSquare || code == kSesquiquadrate) p.Discord(v);
    if (code == kConjunct || code == kOpposite) {
        if (p.natal) {
            if (code == kOpposite) p.Discord(v);
        } else {
            for (const PairRow& row : kRelationshipPairs) {
                if (!RowMatches(row, code, p.i, p.j)) continue;
                if (row.harmony) p.Harmony(v);
                else p.Discord(v);
            }
        }
    }
    p.BeneficsMalefics(v);
}

int ParallelBase(int body, int house) {
    const int cls = HouseClass(house);
    const bool light = body == kSun || body == kMercury || body == kMoon;
    return (light ? kParallelBaseLights : kParallelBaseOthers)[static_cast<size_t>(cls)];
}

void ParallelStep(PairContext& p, const ChartState& cs) {
    const double d = std::fabs(std::fabs(cs.NatalDeclinations[static_cast<size_t>(p.i)]) -
                               std::fabs(cs.NatalDeclinations[static_cast<size_t>(p.j)]));
    if (!(d < 1)) return;
    const int base = std::max(ParallelBase(p.i, OrbHouse(p.cd, p.i)), ParallelBase(p.j, OrbHouse(p.cd, p.j)));
    const double v = base * (1 - d);
    p.Power(v);
    p.BeneficsMalefics(v);
}

bool Outer(int body) { return body == kUranus || body == kNeptune || body == kPluto || body == kChiron; }

}  // namespace

void CalcAspectDynes(ProgramState& ps) {
    const ChartState& cs = ps.chart;
    CosmodyneState& cd = ps.cosmodynes;
    const int n = CosmodyneBodyCount(cs);
    for (size_t b = 1; b <= 15; ++b) cd.AspectPower[b] = 0, cd.Harmony[b] = 0, cd.Discord[b] = 0;
    cd.AspectPower[kAscendant] = 15;
    cd.AspectPower[kMC] = 15;

    const bool relationship = cd.RelationshipMode == 1;
    auto passedOver = [&](int b) {
        return b == kNorthNode || b == kSouthNode || (b == kChiron && !cs.UseChiron) || (b == kMC && relationship);
    };
    PairContext p{cd, 0, 0, !relationship, ps.people.BeneficsMaleficsChecked == 1};
    for (int i = 1; i <= n; ++i) {
        if (passedOver(i)) continue;
        for (int j = 1; j <= n; ++j) {
            if (j == i || passedOver(j)) continue;
            if (relationship && Outer(i) && Outer(j)) continue;
            p.i = i, p.j = j;
            AspectStep(p, cs);
            ParallelStep(p, cs);
        }
    }
}
