#pragma once
// Long-range scans, best days and graphs.
#include <array>
#include <string>
#include <vector>

#include "scans/graph_state.h"

struct ScanState {
    // --- boxes of the names window the runs read (the window keeps them in
    // step, and sets them to what it shows whenever it loads)
    std::string NamesText1 = "0";   // "Display results >= +/-"
    std::string NamesText2 = "99";  // "Yrs difference  <= +/-"
    int NamesCheck2 = 0;            // "1 to 1"
    int NamesCheck3 = 1;            // "incl MR"
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

    // --- the criteria window's boxes (the window keeps them in step)
    // ParamsChecks[n] is the Value of the box CheckN, n 1..33 (slots 0, 20 and
    // 21 unused: Check20 and Check21 stand apart below and above).
    std::array<int, 34> ParamsChecks = DefaultParamsChecks();
    std::string ParamsText1 = "5";  // "Criteria needed to print day"
    int Check20 = 1;                // "Cosmodynes?": shown ticked, read by nothing

    // --- run guard: true while a long run is in progress
    bool RunActive = false;

    // --- further flags the launchers set
    int PerDayResult = 0;  // 1: the day's score is the aspect balance
    int NoBatchSort = 0;   // 1 with BestDaysMode 1: the batch list keeps its order
    int BatchMode = 0;     // 1: one day per scan call, inside a run over the names list

    // --- what the last day-by-day scan leaves
    int ScanDayCount = 0;   // N: the scan covered days 0..N
    int AspectBalance = 0;  // the last aspect balance counted
    // Per best-days line: power and harmony of 12 bodies of chart A (Sun ..
    // Moon, Ascendant, MC), 24 values in the order of the table file.
    std::vector<std::array<float, 24>> DayBodyDynes;
    // The criteria pass of a day.
    std::string DaySummary;
    int FirstHitDone = 0;
    int DayHitCount = 0;
    double Separation = 0.0;  // the last pair criterion's folded separation
    double SignOrCode = 1.0;  // and its aspect code (1 none)

    // --- the "BDFY" run
    int BdfyDayCount = 0;

    // The runs over the names list compute each person's charts once (false:
    // both charts anew for every pair).
    bool CacheNamesCharts = true;

    static std::array<int, 34> DefaultParamsChecks() {
        std::array<int, 34> c{};
        for (int n : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 32, 17, 18, 22, 23, 24, 33}) c[n] = 1;
        return c;
    }

    // --- the graph table (series, around the clock, graph window)
    GraphState Graph;
};
