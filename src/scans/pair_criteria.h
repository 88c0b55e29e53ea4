#pragma once
// The pair criteria of a scanned day: nine on the composite of natal chart
// and day chart, forty between the two charts. Each asks whether two bodies
// stand in one of a few aspects within an orb; each met criterion adds one
// to the day's count and one line to the day's entry, and the day is
// printed when the count reaches the criteria window's threshold.
#include <array>
#include <string>

struct ProgramState;

// Aspect subsets a criterion tests, always in the order sextile, trine,
// opposition, conjunction.
enum AspectBits : unsigned {
    kSextile = 1,
    kTrine = 2,
    kOpposition = 4,
    kConjunction = 8,
};

// One criterion row. Bodies by their slot (1 Sun .. 13 Chiron). The line is
// prefix + aspect word + suffix, or the fixed text when it is set.
struct PairCriterion {
    int Gate;  // n of the criteria window's box CheckN that switches it on
    int BodyX, BodyY;
    unsigned Aspects;
    int OrbOption;
    int SextileOrbOption;
    bool MarkRule;  // the "A" rule: an opposition of marked bodies counts as a conjunction
    const char* Prefix;
    const char* Suffix;
    const char* FixedText;
};

// The nine composite criteria and the forty synastry criteria, in the order
// they run.
const std::array<PairCriterion, 9>& CompositeCriteria();
const std::array<PairCriterion, 40>& SynastryCriteria();

// The composite of the day: midpoint longitudes of bodies 1..13 (slot 0
// unused) and a mark "A" at position i (0-based i - 1) where the two charts'
// longitudes of body i are more than 150 degrees apart.
struct DayComposite {
    std::array<double, 14> Longitudes{};
    std::string MidpointMarks = std::string(13, ' ');
};
DayComposite ComputeDayComposite(const std::array<double, 16>& natal, const std::array<double, 14>& day);

// The aspect code (1 none, 2 conjunction, 3 sextile, 5 trine, 6 opposition)
// of separation x - y under the criterion's subset and orbs. marked: the "A"
// rule applies and one of the two bodies carries the mark. Leaves the folded
// separation and the code in Separation and SignOrCode.
int PairAspectCode(ProgramState& ps, const PairCriterion& c, double x, double y, bool marked);

// One criterion: skipped unless its box is ticked; on a hit the day's
// heading (first hit only), then its line and CR LF extend CurrentLine, and
// DayHitCount goes up by one. True on a hit.
bool TestPairCriterion(ProgramState& ps, const PairCriterion& c, double x, double y, bool marked);

// The criteria pass of one day: composite, count zeroed, the nine composite
// criteria, the forty synastry criteria, then the verdict (AppendLine of
// CurrentLine when Val of the threshold is at most the count). day holds the
// day's chart-B longitudes by body.
void RunDayCriteria(ProgramState& ps, const std::array<double, 14>& day);
