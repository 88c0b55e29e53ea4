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

// Scores the pair (i, j); AspectValue and PairNetHarmony start at 0.
void ScoreInterchartPair(ProgramState& ps, int i, int j);
