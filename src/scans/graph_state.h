#pragma once
// The graph table the series and the around-the-clock run hand to the graph
// window, with the values its caption, legend and labels read.
#include <array>
#include <string>
#include <vector>

// One row of the graph table: columns 1 to 12 (slot 0 unused).
using GraphRow = std::array<float, 13>;

struct GraphState {
    // Rows 1..n (row 0 unused); each row's date text beside it.
    std::vector<GraphRow> GraphValues;
    std::vector<std::string> GraphDates;
    // Divisors applied to columns 11 and 12 by a series with "P * H" ticked.
    float TotalsMultiplier = 1;
    float IndivMultiplier = 1;
    // Years and last day index of the last natal series ("Both" reuses them).
    float GraphYears = 0;
    int GraphDays = 0;
    // The text the graph window's caption begins with.
    std::string GraphTitle;
    // The around-the-clock times on the 24-hour clock: natal 1..12, transit 0..23.
    std::array<float, 13> NatalTimeHours{};
    std::array<float, 13> NatalTimeMinutes{};
    std::array<float, 24> TransitTimeHours{};
    std::array<float, 24> TransitTimeMinutes{};
};
