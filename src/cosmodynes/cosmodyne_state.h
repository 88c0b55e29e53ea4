#pragma once
// Cosmodynes of one chart.
#include <array>
#include <string>
#include <vector>

struct CosmodyneState {
    // Power from aspects and parallels, harmony and discord of each body
    // (slots 1..15 by body). The one-chart engine fills them for chart A; the
    // interchart engine makes them anew at the start of each of its runs and
    // fills them for chart A, and the scans read them after either run.
    std::array<double, 16> AspectPower{};
    std::array<double, 16> Harmony{};
    std::array<double, 16> Discord{};
    // The clipboard copy of a cosmodyne report, one report line per element.
    std::vector<std::string> DynesLines = std::vector<std::string>(86);

    // --- the one-chart engine (every array is cleared at the start of a run)
    // 1 while a composite or relationship chart is scored, else 0.
    int RelationshipMode = 0;
    // Chart A's cusps in the normal order, element 1 the cusp of house 1.
    std::array<double, 14> Cusp{};
    // House of each body 1..13 as the run placed it (1..12).
    std::array<int, 16> BodyHouse{};
    // Width of each house 1..12 from its cusp forward to the next cusp.
    std::array<double, 13> HouseSize{};
    // Degrees from the cusp of a body's house forward to the body (1..13).
    std::array<double, 16> DistPastCusp{};
    // Power from the house position (1..10 and Chiron).
    std::array<double, 16> HousePosPower{};
    // HousePosPower + AspectPower, bodies 1..15.
    std::array<double, 16> TotalPower{};
    // How many house cusps stand in each sign 1..12.
    std::array<int, 13> CuspCount{};
    // Per body pair: aspect power above the diagonal (row < column), harmony
    // less discord below it.
    std::array<std::array<float, 16>, 16> AspectMatrix{};
    // Power, harmony and discord of each sign and of each house, 1..12.
    std::array<double, 13> SignPower{}, SignHarmony{}, SignDiscord{};
    std::array<double, 13> HousePower{}, HouseHarmony{}, HouseDiscord{};
    // The ranking of the reports: SortIndex(r) is the item at rank r and
    // SortKeys(r) its key, r from 1; the swap temporaries of the exchanges.
    std::array<double, 79> SortKeys{};
    std::array<double, 79> SortIndex{};
    double SortSwapKey = 0.0;
    double SortSwapIndex = 0.0;
    // The next free element of DynesLines.
    int DynesLineCount = 0;
    // A quiet run's totals of the planet table: as text (two blanks, the
    // power, five blanks, harmony less discord, each in a 7-character field)
    // and as numbers, so a list of days can be sorted on numbers.
    std::string DynesSummaryLine;
    double DynesTotalPower = 0.0;
    double DynesTotalHarDisc = 0.0;
};
