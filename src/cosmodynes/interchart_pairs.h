#pragma once
// One body pair of the interchart run: chart A's body i against chart B's
// body j. Finds the houses, orb windows and power bases, the aspect, adds its
// power, harmony and discord by the pair rules, lists and collects it, then
// the pair's parallel of declination.
#include <string>

struct ProgramState;

// The house (1..12) of a body from a house string: the number in the two
// characters of its field; the Ascendant and MC (14, 15) stand in house 10.
// A missing or unreadable number gives 0.
int BodyHouse(const std::string& houses, int body);

// Orb windows and power bases of one body in its house for the aspect
// classes 1..5 (index 0 unused). A house outside 1..12 counts as cadent.
struct OrbRow {
    int window[6];
    int base[6];
};
OrbRow BodyOrbs(int body, int house);

// The aspect of a separation folded to 0..180 under the pair's windows:
// returns the code (1 none) and sets the deviation and the class base.
int AspectLadder(double separation, const double window[6], const double base[6], double& deviation,
                 double& classBase);

// The house and orb row of every body of both charts, worked out once per
// run (chart B's houses from chart A's string while Check21 is ticked).
struct InterchartBodies {
    int houseA[16];
    int houseB[16];
    OrbRow orbA[16];
    OrbRow orbB[16];
};
void PrepareInterchartBodies(const ProgramState& ps, InterchartBodies& bodies);

// Scores the pair (i, j); AspectValue and PairNetHarmony start at 0.
void ScoreInterchartPair(ProgramState& ps, const InterchartBodies& bodies, int i, int j);
// The same for one pair alone, its bodies prepared on the spot.
void ScoreInterchartPair(ProgramState& ps, int i, int j);
