#include "scoring/qualities.h"

#include <cstdlib>
#include <string>

#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "scoring/aspect_cubes.h"
#include "scoring/quality_rules.h"

namespace {

// A body number kept in a ruler field, held to the body range so that a
// table never read from a chart cannot index outside the cubes.
int BodyNumber(double value) {
    const int body = CInt(value);
    return body < 0 || body > 10 ? 0 : body;
}

// What one pass reads, gathered once.
struct PassInput {
    const ScoringState& sc;
    const ChartState& cs;
    std::array<int, kQualityOperandCount> body{};  // operand -> body 0..10
    int cuspSign[2] = {0, 0};                       // sign of each chart's 7th cusp

    PassInput(const ScoringState& scoring, const ChartState& chart) : sc(scoring), cs(chart) {
        for (int b = 0; b <= 10; ++b) body[b] = b;
        body[kR1A] = BodyNumber(cs.Ruler1A);
        body[kR7A] = BodyNumber(cs.Ruler7A);
        body[kR5A] = BodyNumber(cs.HouseRulerA[5]);
        body[kR8A] = BodyNumber(cs.HouseRulerA[8]);
        body[kR1B] = BodyNumber(cs.Ruler1B);
        body[kR7B] = BodyNumber(cs.Ruler7B);
        body[kR5B] = BodyNumber(cs.HouseRulerB[5]);
        body[kR8B] = BodyNumber(cs.HouseRulerB[8]);
        // Cusps are stored tenth house first: element 10 is the 7th cusp.
        cuspSign[kSideA] = SignOfLongitude(cs.NatalCusps[10]);
        cuspSign[kSideB] = SignOfLongitude(cs.SecondCusps[10]);
    }

    int Sign(int side, int operand) const {
        return side == kSideA ? sc.SignNumbersA[body[operand]] : sc.SignNumbersB[body[operand]];
    }
    bool Aspect(int a, int b, int aspect) const { return sc.AspectCube[body[a]][body[b]][aspect] == 1; }
};

// The B counterpart of a quality that a house rule gives A's body.
constexpr int MirroredQuality(int q) {
    switch (q) {
        case rel::kAttractionToA: return rel::kAttractionToB;
        case rel::kLoveForA: return rel::kLoveForB;
        case rel::kExcitementForA: return rel::kExcitementForB;
        default: return q;
    }
}

bool SignRuleHolds(const QualitySignRule& r, const PassInput& in) {
    switch (r.test) {
        case SignTest::CuspAndBody: return in.cuspSign[r.side1] == in.Sign(r.side2, r.op2);
        case SignTest::SameCuspSigns: return in.cuspSign[kSideA] == in.cuspSign[kSideB];
        case SignTest::SignPair: {
            const int a = in.Sign(kSideA, r.op1), b = in.Sign(kSideB, r.op2);
            const bool signs = (a == r.sign1 && b == r.sign2) || (r.eitherOrder && a == r.sign2 && b == r.sign1);
            return signs && (!r.needSquare || in.Aspect(r.op1, r.op2, rel::kSquare));
        }
        case SignTest::SignIsRulerNumber: return in.Sign(r.side1, r.op1) == in.body[r.op2];
        case SignTest::SameSign: return in.Sign(r.side1, r.op1) == in.Sign(r.side2, r.op2);
        case SignTest::SameBody: return in.body[r.op1] == in.body[r.op2];
    }
    return false;
}

void ApplyDistanceRow(const SignDistanceRow& row, const PassInput& in, std::array<int, rel::kQualityCount>& q) {
    const int d = std::abs(in.Sign(kSideA, row.a) - in.Sign(kSideB, row.b));
    if (d == 0) AddAmounts(q, row.same);
    if ((d == 3 || d == 9) && !(row.threeOrNineOnlyWithoutSquare && in.Aspect(row.a, row.b, rel::kSquare)))
        AddAmounts(q, row.threeOrNine);
    if (d == 4) AddAmounts(q, row.four);
    if (d == 6) AddAmounts(q, row.six);
}

void ApplyHouseRow(const QualityHouseRow& row, const PassInput& in, std::array<int, rel::kQualityCount>& q) {
    if (in.cs.RelHouseA[in.body[row.body]] == row.house) AddAmounts(q, row.amounts);
    const int mirrored = row.body == kR1A ? kR1B : row.body;
    if (in.cs.RelHouseB[in.body[mirrored]] == row.house)
        for (int i = 0; i < row.amounts.count; ++i)
            q[MirroredQuality(row.amounts.items[i].counter)] += row.amounts.items[i].value;
}

struct ListedQuality {
    const char* label;
    int quality;
};

// Eighteen in alphabetical order, then Problems, Work out problems?, Sex and
// Total.
constexpr ListedQuality kListing[rel::kQualityCount] = {
    {"  Attraction to A:       ", rel::kAttractionToA}, {"  Attraction to B:       ", rel::kAttractionToB},
    {"  Bossy:                 ", rel::kBossy},         {"  Communication:         ", rel::kCommunication},
    {"  Deception:             ", rel::kDeception},     {"  Excitement for A:      ", rel::kExcitementForA},
    {"  Excitement for B:      ", rel::kExcitementForB}, {"  Friendship:            ", rel::kFriendship},
    {"  Intensity:             ", rel::kIntensity},     {"  Live together ok?:     ", rel::kLiveTogetherOk},
    {"  Longevity:             ", rel::kLongevity},     {"  Love for A:            ", rel::kLoveForA},
    {"  Love for B:            ", rel::kLoveForB},      {"  Marriage:              ", rel::kMarriage},
    {"  Parenting skills:      ", rel::kParentingSkills}, {"  Power/control:         ", rel::kPowerControl},
    {"  Right stuff:           ", rel::kRightStuff},    {"  Wrong stuff:           ", rel::kWrongStuff},
    {"  Problems:              ", rel::kProblems},      {"  Work out problems?:    ", rel::kWorkOutProblems},
    {"  Sex:                   ", rel::kSex},           {"  Total:                 ", rel::kTotal},
};

}  // namespace

void ComputeQualities(ProgramState& ps) {
    std::array<int, rel::kQualityCount>& q = ps.scoring.Qualities;
    q.fill(0);
    const PassInput in(ps.scoring, ps.chart);

    for (const AspectRow& row : kQualityAspectRows)
        for (int i = 0; i < row.count; ++i)
            if (in.Aspect(row.first, row.second, row.aspects[i].aspect)) AddAmounts(q, row.aspects[i].amounts);
    const CompoundAspectRule& c = kCompoundSquareRule;
    if (in.Aspect(c.a1, c.b1, c.aspect1) && in.Aspect(c.a2, c.b2, c.aspect2)) AddAmounts(q, c.amounts);

    for (const QualityHouseRow& row : kQualityHouseRows) ApplyHouseRow(row, in, q);
    for (const SignDistanceRow& row : kSignDistanceRows) ApplyDistanceRow(row, in, q);
    for (const QualitySignRule& r : kQualitySignRules)
        if (SignRuleHolds(r, in)) AddAmounts(q, r.amounts);
}

void ListQualities(ProgramState& ps) {
    AppendBlankLine(ps);
    AppendBlankLine(ps);
    ps.output.CurrentLine =
        "  LISTING OF QUALITIES BETWEEN " + ps.chart.ChartName + " and " + ps.people.SecondPersonCaption;
    AppendLine(ps);
    for (const ListedQuality& item : kListing) {
        ps.output.CurrentLine = std::string(item.label) + std::to_string(ps.scoring.Qualities[item.quality]);
        AppendLine(ps);
    }
}
