#pragma once
// The eight needs of each person, counted from that person's own chart, and
// their listing.
#include <array>
#include <string_view>

#include "scoring/scoring_state.h"

struct ProgramState;

// The house of a body (chart body order 1..15) in a house string: the
// leading number of the first two characters of its field; 0 when there is
// none.
int HouseOfBody(std::string_view houseString, int chartBody);

// The needs of one chart from its sign numbers, relationship-order
// longitudes, own aspect cube and house string.
void ScoreNeeds(std::array<int, rel::kNeedCount>& needs, const std::array<int, 11>& signs,
                const std::array<double, 11>& longitudes, const AspectTable& ownCube, std::string_view houseString);

// NeedsA from chart A, NeedsB from chart B.
void ScoreNeedsA(ProgramState& ps);
void ScoreNeedsB(ProgramState& ps);
// Person A's block (named by ChartName) after one blank line; person B's
// (named by the "2nd Person" caption) after two.
void PrintNeedsA(ProgramState& ps);
void PrintNeedsB(ProgramState& ps);
