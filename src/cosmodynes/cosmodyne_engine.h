#pragma once
// The steps of the one-chart cosmodyne engine. Each reads chart A
// (NatalLongitudes, NatalDeclinations, NatalCusps, HouseStringA), the
// "Use Chiron?" and "Benefics/Malefics?" mirrors and RelationshipMode, and
// writes the arrays of CosmodyneState. The natal and composite drivers call
// them in a fixed order.
struct ProgramState;
struct ChartState;
struct CosmodyneState;

// Bodies ranked and taking part in the aspects: 13 + AnglesSetting, held
// to 13..15.
int CosmodyneBodyCount(const ChartState& cs);

// Clears every array of the engine, puts chart A's cusps into Cusp in the
// normal order, places bodies 1..13 in their houses (BodyHouse) and sets
// their distance past the cusp.
void PrepareCosmodyneRun(ProgramState& ps);
// House sizes; then a body whose distance past its cusp exceeds its
// house's size (a body placed in the house a hair before its cusp) is taken
// to stand on the cusp.
void CalcHouseSizes(CosmodyneState& cd);
void CalcHousePositionPower(ProgramState& ps);
void CountCuspsPerSign(CosmodyneState& cd);

// Aspects and parallels of every pair of bodies taking part.
void CalcAspectDynes(ProgramState& ps);
// TotalPower = HousePosPower + AspectPower, bodies 1..15.
void SumTotalPower(CosmodyneState& cd);

void AddMutualReceptions(ProgramState& ps);
void AddEssentialDignities(ProgramState& ps);
void CalcSignDynes(ProgramState& ps);
void CalcHouseDynes(ProgramState& ps);

// The reports' ranking: keys(1..n) into SortKeys and SortIndex, then the
// exchange loop, descending; equal keys are never exchanged with each
// other, but an exchange may carry one past another.
template <typename Keys>
void RankByKeys(CosmodyneState& cd, const Keys& keys, int n);
// The ranking of the bodies 1..n by TotalPower.
void RankBodiesByPower(CosmodyneState& cd, int n);

#include "cosmodynes/cosmodyne_state.h"

template <typename Keys>
void RankByKeys(CosmodyneState& cd, const Keys& keys, int n) {
    for (int j = 1; j <= n; ++j) {
        cd.SortKeys[static_cast<size_t>(j)] = keys[static_cast<size_t>(j)];
        cd.SortIndex[static_cast<size_t>(j)] = j;
    }
    for (int j = 1; j <= n - 1; ++j)
        for (int i = j + 1; i <= n; ++i) {
            auto& ki = cd.SortKeys[static_cast<size_t>(i)];
            auto& kj = cd.SortKeys[static_cast<size_t>(j)];
            if (ki > kj) {
                cd.SortSwapKey = ki, ki = kj, kj = cd.SortSwapKey;
                auto& xi = cd.SortIndex[static_cast<size_t>(i)];
                auto& xj = cd.SortIndex[static_cast<size_t>(j)];
                cd.SortSwapIndex = xi, xi = xj, xj = cd.SortSwapIndex;
            }
        }
}
