#pragma once
// Aspects and parallels within person A's natal chart with orbs by body kind
// (luminary or planet) and house kind (angular, succedent, cadent).
#include <array>

struct ProgramState;

// The five group orbs of a body: group 1 (30, 150), 2 (45, 135), 3 (60),
// 4 (90, 120), 5 (0, 180). A house outside 1..12 counts as cadent.
std::array<int, 6> ChurchOfLightOrbs(bool luminary, int house);

// The aspect code (1 none, 2 conjunct .. 11 quincunx) of a separation of 0
// to 180 degrees under the pair's group orbs (slots 1..5); strict bounds.
int ChurchOfLightAspectCode(double separation, const std::array<int, 6>& orbs, double& deviation);

// Appends the listing to the current page.
void ChurchOfLightAspects(ProgramState& ps);
