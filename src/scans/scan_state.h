#pragma once
// Long-range scans, best days and graphs.
#include <array>
#include <string>
#include <vector>

#include "scans/graph_state.h"

struct ScanState {
    // --- boxes of the names window the runs read (the window keeps them in step)
    std::string NamesText1 = "0";   // "Display results >= +/-"
    std::string NamesText2 = "99";  // "Yrs difference  <= +/-"
    int NamesCheck2 = 0;            // "1 to 1"
    int NamesCheck3 = 1;            // "incl MR" (ticked when the window is created)
    int NamesCheckPH = 0;           // "P * H"

    // --- the criteria window's "Cosmodynes put in natal chart?" (1 ticked)
    int Check21 = 0;

    // --- flags the runs set for their duration
    int UseAllBodies = 0;  // -1 during a best-days run: chart A's loop takes all 15 bodies
    int BestDaysMode = 0;  // 1 during the best-days runs of the names window
    int DatedLines = 0;    // 1 during the batch runs (with QuietMode)

    // --- the batch list and its sums
    std::vector<std::string> BatchLines;
    int BatchLineCount = 0;
    double BatchPowerSum = 0, BatchHarmonySum = 0, BatchPHSum = 0;
    int BatchPairCount = 0;

    // --- the day run's stores, sized for one day at start
    // DayValues[day][k][body]: k 0..3 (power, rank, harmony, rank), body 1..16.
    std::vector<std::array<std::array<float, 17>, 4>> DayValues =
        std::vector<std::array<std::array<float, 17>, 4>>(2);
    std::vector<std::array<std::string, 3>> DayLines = std::vector<std::array<std::string, 3>>(2);
    int DayIndex = 0;

    // --- the graph table and its run (series, around the clock, graph window)
    GraphState Graph;
};
