#pragma once
// The running-total charts of a best-days scan started with "G" or "T":
// each row the sum of the day values of the lines before it, labelled with
// the line's date as "mm/dd/yy", saved as a picture named after the person.
#include <string>
#include <string_view>
#include <vector>

enum class RunningTotalKind {
    PowerTimesHarmony,  // "G", chart 1 ("0.bmp"): the printed P*H of the day
    PowerByHarmony,     // "G", chart 2 ("1.bmp"): P times H read from the line
    AspectBalance,      // "T" ("2.bmp"): the number after the first ":"
};

// The day value a line holds for the chart; 0 where the line lacks the marks.
double RunningTotalLineValue(std::string_view line, RunningTotalKind kind);

struct RunningTotalChart {
    std::string Title;
    std::vector<std::string> Labels;  // row 1..n as 0..n-1
    std::vector<double> Values;
};

// The chart of rows 1..n from lines 0..n-1, n the scan's last day index but
// no more than the lines present. No rows when there is nothing to chart.
RunningTotalChart BuildRunningTotalChart(const std::vector<std::string>& lines, int lineCount, int dayCount,
                                         RunningTotalKind kind, const std::string& chartName, int dateOrder);

// The person's name as a file name: characters a file name cannot hold and
// leading dots become "_"; an empty name becomes "chart".
std::string SafeChartFileName(const std::string& chartName);

// The file ending of each chart: "0.bmp", "1.bmp", "2.bmp".
const char* RunningTotalFileEnding(RunningTotalKind kind);
