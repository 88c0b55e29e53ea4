#include "cosmodynes/interchart_pairs.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "cosmodynes/interchart_lines.h"
#include "program_state.h"

namespace {

constexpr int kSun = 1, kMercury = 2, kVenus = 3, kMars = 4, kJupiter = 5, kSaturn = 6;
constexpr int kUranus = 7, kNeptune = 8, kPluto = 9, kMoon = 10, kAsc = 14;

enum class HouseKind { Angular, Succedent, Cadent };

HouseKind KindOf(int house) {
    switch (house) {
        case 1: case 4: case 7: case 10: return HouseKind::Angular;
        case 2: case 5: case 8: case 11: return HouseKind::Succedent;
        default: return HouseKind::Cadent;  // 3, 6, 9, 12, and any house out of range
    }
}

bool IsPair(int i, int j, int a, int b) { return (i == a && j == b) || (i == b && j == a); }

// The body on the other side of the pair when `body` is on one side; 0 when
// neither side holds it.
int OtherSide(int i, int j, int body) {
    if (i == body) return j;
    if (j == body) return i;
    return 0;
}

void HarmonyCredit(ProgramState& ps, int i, int j, double x) {
    InterchartState& ic = ps.interchart;
    ic.PairNetHarmony += x;
    ps.cosmodynes.Harmony[i] += x;
    ic.PairHarmonyMatrix[i][j] = static_cast<float>(ic.PairHarmonyMatrix[i][j] + x);
    ic.HarmonyB[j] += x;
}

void DiscordCredit(ProgramState& ps, int i, int j, double x) {
    InterchartState& ic = ps.interchart;
    ic.PairNetHarmony -= x;
    ps.cosmodynes.Discord[i] += x;
    ic.PairHarmonyMatrix[i][j] = static_cast<float>(ic.PairHarmonyMatrix[i][j] - x);
    ic.DiscordB[j] += x;
}

void AddPower(ProgramState& ps, int i, int j, double v) {
    InterchartState& ic = ps.interchart;
    ps.cosmodynes.AspectPower[i] += v;
    ic.PairPowerMatrix[i][j] = static_cast<float>(ic.PairPowerMatrix[i][j] + v);
    ic.PowerB[j] += v;
    ic.AspectValue += v;
}

// Harmony or discord of the ordinary aspects, and the conjunction pairs.
void AspectHarmony(ProgramState& ps, int i, int j, int code, double v) {
    switch (code) {
        case 3: case 5: case 8: HarmonyCredit(ps, i, j, v); return;
        case 4: case 9: case 10: DiscordCredit(ps, i, j, v); return;
        case 2: break;
        default: return;
    }
    if (IsPair(i, j, kSun, kMoon) || IsPair(i, j, kSun, kVenus)) HarmonyCredit(ps, i, j, v);
    else if (IsPair(i, j, kSun, kJupiter) || IsPair(i, j, kVenus, kMoon)) HarmonyCredit(ps, i, j, v / 2);
    else if (IsPair(i, j, kMars, kSaturn) || IsPair(i, j, kMars, kPluto) || IsPair(i, j, kSaturn, kPluto) ||
             IsPair(i, j, kSaturn, kAsc) || IsPair(i, j, kPluto, kAsc))
        DiscordCredit(ps, i, j, v / 2);
}

bool NoneOf(int body, std::initializer_list<int> excluded) {
    for (int e : excluded)
        if (body == e) return false;
    return true;
}

void OppositionRules(ProgramState& ps, int i, int j, double v) {
    const float option238 = ps.settings.OptionValues[238];
    if (option238 == 0) return;
    if (option238 == 1 || ps.scans.BestDaysMode == 1) {
        DiscordCredit(ps, i, j, v);
        return;
    }
    if (int o = OtherSide(i, j, kMars); o && NoneOf(o, {kJupiter, kAsc, kVenus})) DiscordCredit(ps, i, j, v);
    // Saturn-Saturn scores only in best-days runs, which took the branch above.
    if (int o = OtherSide(i, j, kSaturn); o && o != kSaturn && NoneOf(o, {kJupiter, kAsc, kMars}))
        DiscordCredit(ps, i, j, v);
    if (int o = OtherSide(i, j, kPluto); o && NoneOf(o, {kJupiter, kAsc, kMars, kSaturn}))
        DiscordCredit(ps, i, j, v);
    struct Row {
        int a, b;
        double share;
    };
    static constexpr Row kHarmonyRows[] = {{kSun, kMoon, 0.5},     {kSun, kVenus, 0.5},   {kSun, kAsc, 0.5},
                                           {kMoon, kAsc, 0.5},     {kVenus, kMoon, 0.5},  {kVenus, kJupiter, 1},
                                           {kVenus, kAsc, 0.5},    {kJupiter, kAsc, 0.5}, {kMercury, kVenus, 0.25}};
    for (const Row& r : kHarmonyRows)
        if (IsPair(i, j, r.a, r.b)) HarmonyCredit(ps, i, j, r.share == 1 ? v : r.share == 0.5 ? v / 2 : v / 4);
}

bool HasOuterPlanet(int i, int j) {
    return i == kUranus || i == kNeptune || i == kPluto || j == kUranus || j == kNeptune || j == kPluto;
}

void BeneficMaleficRules(ProgramState& ps, int i, int j, int code, double v) {
    const bool bestDays = ps.scans.BestDaysMode == 1;
    if (OtherSide(i, j, kJupiter) && !(code == 2 && i == kJupiter && j == kJupiter && !bestDays))
        HarmonyCredit(ps, i, j, v / 2);
    if (OtherSide(i, j, kVenus) &&
        !(HasOuterPlanet(i, j) && (code == 2 || code == 6 || code == 11) && ps.settings.OptionValues[238] != 1))
        HarmonyCredit(ps, i, j, v / 4);
    if (OtherSide(i, j, kSaturn) && !(code == 2 && i == kSaturn && j == kSaturn && !bestDays))
        DiscordCredit(ps, i, j, v / 2);
    if (OtherSide(i, j, kMars)) DiscordCredit(ps, i, j, v / 4);
}

void ListAspect(ProgramState& ps, int i, int j, int code) {
    InterchartState& ic = ps.interchart;
    const bool collect = ic.CollectWhoLoves == 1;
    if (ic.ListEachAspect != 1 && !collect) return;
    const std::string line = PairLine(ps, i, code, j, ic.AspectValue, ic.PairNetHarmony);
    if (ic.ListEachAspect == 1) AppendText(ps, line);
    if (collect && j == kVenus) ic.VenusAspectLines += line + "\r\n";
    if (collect && code == 2) ic.ConjunctionLines += line + "\r\n";
}

int ParallelBaseOf(int body, int house) {
    const bool lights = body == kSun || body == kMercury || body == kMoon;
    switch (KindOf(house)) {
        case HouseKind::Angular: return lights ? 15 : 12;
        case HouseKind::Succedent: return lights ? 13 : 10;
        default: return lights ? 11 : 8;
    }
}

void Parallel(ProgramState& ps, int i, int j) {
    InterchartState& ic = ps.interchart;
    const ChartState& cs = ps.chart;
    const double d = std::fabs(std::fabs(cs.NatalDeclinations[i]) - std::fabs(cs.SecondDeclinations[j]));
    if (d >= 1) return;
    const int baseA = ParallelBaseOf(i, ic.HouseA), baseB = ParallelBaseOf(j, ic.HouseB);
    ic.ParallelBase = baseB >= baseA ? baseB : baseA;
    const double p = ic.ParallelBase * (1 - d);
    ic.ParallelPower = p;
    AddPower(ps, i, j, p);

    // The listing shows the parallel's whole net credit.
    double harmony = 0, discord = 0;
    if (ps.people.BeneficsMaleficsChecked == 1) {
        const bool bestDays = ps.scans.BestDaysMode == 1;
        const int code = ic.AspectCode;
        if (OtherSide(i, j, kJupiter) && !(code == 2 && i == kJupiter && j == kJupiter && !bestDays)) {
            HarmonyCredit(ps, i, j, p / 2);
            harmony += p / 2;
        }
        if (OtherSide(i, j, kVenus) && !HasOuterPlanet(i, j)) {
            HarmonyCredit(ps, i, j, p / 4);
            harmony += p / 4;
        }
        if (OtherSide(i, j, kSaturn) && !(code == 2 && i == kSaturn && j == kSaturn && !bestDays)) {
            DiscordCredit(ps, i, j, p / 2);
            discord += p / 2;
        }
        if (OtherSide(i, j, kMars)) {
            DiscordCredit(ps, i, j, p / 4);
            discord += p / 4;
        }
    }
    if (ic.ListEachAspect == 1) AppendText(ps, PairLine(ps, i, 7, j, p, harmony - discord));
    if (ic.CollectWhoLoves == 1) {
        const std::string line = PairLine(ps, i, 7, j, ic.AspectValue, ic.PairNetHarmony) + "\r\n";
        if (j == kVenus) ic.VenusAspectLines += line;
        ic.ParallelLines += line;
    }
}

}  // namespace

int BodyHouse(const std::string& houses, int body) {
    if (body == 14 || body == 15) return 10;
    const size_t start = static_cast<size_t>(body) * 10 - 10;
    if (start >= houses.size()) return 0;
    int value = 0;
    size_t k = start;
    while (k < start + 2 && k < houses.size() && houses[k] == ' ') ++k;
    for (; k < start + 2 && k < houses.size() && houses[k] >= '0' && houses[k] <= '9'; ++k)
        value = value * 10 + (houses[k] - '0');
    return value;
}

OrbRow BodyOrbs(int body, int house) {
    static constexpr int kAngle[] = {0, 3, 5, 7, 10, 12};
    static constexpr int kLightAngular[] = {0, 4, 6, 8, 12, 15};
    static constexpr int kLightSuccedent[] = {0, 3, 5, 7, 10, 13};
    static constexpr int kOtherSuccedent[] = {0, 2, 4, 6, 8, 10};
    static constexpr int kLightCadent[] = {0, 2, 4, 6, 8, 11};
    static constexpr int kOtherCadent[] = {0, 1, 3, 5, 6, 8};
    static constexpr int kMercuryExtra[] = {0, 1, 1, 1, 2, 3};
    const bool light = body == kSun || body == kMoon;
    const int* row = kAngle;
    if (body != 14 && body != 15) {
        switch (KindOf(house)) {
            case HouseKind::Angular: row = light ? kLightAngular : kAngle; break;
            case HouseKind::Succedent: row = light ? kLightSuccedent : kOtherSuccedent; break;
            default: row = light ? kLightCadent : kOtherCadent; break;
        }
    }
    OrbRow out{};
    for (int k = 1; k <= 5; ++k) {
        out.window[k] = row[k];
        out.base[k] = row[k] + (body == kMercury ? kMercuryExtra[k] : 0);
    }
    return out;
}

int AspectLadder(double d, const double w[6], const double b[6], double& deviation, double& classBase) {
    auto band = [d](double angle, double window) { return d >= angle - window && d <= angle + window; };
    int code = 1;
    double angle = 0;
    int cls = 0;
    if (d <= w[5]) code = 2, angle = 0, cls = 5;
    else if (band(30, w[1])) code = 8, angle = 30, cls = 1;
    else if (band(45, w[2])) code = 9, angle = 45, cls = 2;
    else if (band(60, w[3])) code = 3, angle = 60, cls = 3;
    else if (band(90, w[4])) code = 4, angle = 90, cls = 4;
    else if (d <= 130 && band(120, w[4])) code = 5, angle = 120, cls = 4;
    else if (d > 130 && band(135, w[2])) code = 10, angle = 135, cls = 2;
    else if (band(150, w[1])) code = 11, angle = 150, cls = 1;
    else if (d >= 180 - w[5]) code = 6, angle = 180, cls = 5;
    if (code != 1) {
        deviation = d - angle;
        classBase = b[cls];
    }
    return code;
}

void PrepareInterchartBodies(const ProgramState& ps, InterchartBodies& bodies) {
    const ChartState& cs = ps.chart;
    const std::string& housesB = ps.scans.Check21 == 1 ? cs.HouseStringA : cs.HouseStringB;
    bodies.houseA[0] = bodies.houseB[0] = 0;
    for (int b = 1; b <= 15; ++b) {
        bodies.houseA[b] = BodyHouse(cs.HouseStringA, b);
        bodies.houseB[b] = BodyHouse(housesB, b);
        bodies.orbA[b] = BodyOrbs(b, bodies.houseA[b]);
        bodies.orbB[b] = BodyOrbs(b, bodies.houseB[b]);
    }
}

void ScoreInterchartPair(ProgramState& ps, int i, int j) {
    InterchartBodies bodies;
    PrepareInterchartBodies(ps, bodies);
    ScoreInterchartPair(ps, bodies, i, j);
}

void ScoreInterchartPair(ProgramState& ps, const InterchartBodies& bodies, int i, int j) {
    InterchartState& ic = ps.interchart;
    const ChartState& cs = ps.chart;
    ic.AspectValue = 0;
    ic.PairNetHarmony = 0;
    ic.AspectDeviation = 0;
    ic.HouseA = bodies.houseA[i];
    ic.HouseB = bodies.houseB[j];

    const OrbRow& a = bodies.orbA[i];
    const OrbRow& b = bodies.orbB[j];
    for (int k = 1; k <= 5; ++k) {
        ic.OrbWindow[k] = a.window[k] > b.window[k] ? a.window[k] : b.window[k];
        ic.PowerBase[k] = a.base[k] > b.base[k] ? a.base[k] : b.base[k];
    }

    double d = std::fabs(cs.NatalLongitudes[i] - cs.SecondLongitudes[j]);
    if (d > 180) d = 360 - d;
    ic.Separation = d;
    double base = 0;
    ic.AspectCode = AspectLadder(d, ic.OrbWindow.data(), ic.PowerBase.data(), ic.AspectDeviation, base);

    const int code = ic.AspectCode;
    if (code >= 2 && code <= 11) {
        const double v = base - std::fabs(ic.AspectDeviation);
        AddPower(ps, i, j, v);
        AspectHarmony(ps, i, j, code, v);
        if (code == 6) OppositionRules(ps, i, j, v);
        if (ps.people.BeneficsMaleficsChecked == 1) BeneficMaleficRules(ps, i, j, code, v);
        ListAspect(ps, i, j, code);
    }
    Parallel(ps, i, j);
}
