#pragma once
// Cosmodynes between two charts: the engine's mode flags, its per-body and
// per-pair results, its working values and the report texts it collects.
#include <array>
#include <string>
#include <vector>

struct InterchartState {
    // --- mode flags the callers set around a run
    int ListEachAspect = 0;    // 1: every scored aspect and parallel gets a line
    int CollectWhoLoves = 0;   // 1: collect the Venus, conjunction and parallel lines
    int VenusAspectsMode = 0;  // 1: chart A stands in the Venus zodiac
    int DualPass = 0;          // 1 or 2: which person stands as chart A

    // --- chart B's bodies (slots 1..15); chart A's are in CosmodyneState
    std::array<double, 16> PowerB{};
    std::array<double, 16> HarmonyB{};
    std::array<double, 16> DiscordB{};
    // Power and net harmony added by each pair: [chart A body][chart B body].
    std::array<std::array<float, 16>, 16> PairPowerMatrix{};
    std::array<std::array<float, 16>, 16> PairHarmonyMatrix{};

    // --- texts collected for the dual-cosmodyne pages (lines end in CR LF)
    std::string VenusAspectLines, ConjunctionLines, ParallelLines;
    // The factor lists of one printed run and its clipboard text.
    std::string ImportantFactorsText, WithinOneDegreeText;
    std::string ClipboardReportText;
    // Next free entry of CosmodyneState::DynesLines.
    int DynesLineCount = 0;

    // --- results read after every run
    double LastDualTotalA = 0;  // chart A's power over the table's bodies
    double LastDualTotalB = 0;  // chart A's harmony less discord over the same bodies

    // --- working values of the run and of the current pair
    int BodyCountA = 13, BodyCountB = 13;
    int HouseA = 0, HouseB = 0;
    std::array<double, 6> OrbWindow{};  // classes 1..5
    std::array<double, 6> PowerBase{};
    int AspectCode = 1;  // 1 none, else the aspect code 2..11
    double Separation = 0;
    double AspectDeviation = 0;
    double AspectValue = 0;
    double PairNetHarmony = 0;
    double ParallelPower = 0;
    double ParallelBase = 0;

    // --- mutual receptions of the last search
    // [chart A planet 0..10][chart B planet 0..10]: 1 for a reception.
    std::array<std::array<double, 11>, 11> ReceptionMatrix{};
    // One line per reception found, in search order; as many as there are.
    std::vector<std::string> ReceptionLines = std::vector<std::string>(21);
    int ReceptionLastIndex = -1;  // index of the last line, -1 for none
};
