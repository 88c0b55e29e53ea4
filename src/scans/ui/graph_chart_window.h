#pragma once
// The window "Graph": one line series over the dates of a best-days scan,
// its running total, in a chart whose picture is saved as a bitmap file.
#include <string>

#include "platform/ui/form.h"
#include "scans/running_total_chart.h"

class QChartView;
struct ProgramState;

class Graph : public Form {
public:
    Graph();
    QChartView* MSChart1;

    // Fills the chart: one column "P*H", a row per value, the title's text.
    void ShowChart(const RunningTotalChart& chart);
    // Saves the chart's picture as a bitmap; false (after a message naming
    // the file) when it cannot be written.
    bool SavePicture(const std::string& path);
};

// "G": charts 1 and 2 of the last scan, saved as the person's name followed
// by "0.bmp" and "1.bmp". "T": the aspect-balance chart, "2.bmp". With no
// row to chart (the scan was cancelled or covered one day) nothing is drawn
// or saved.
void PowerHarmonyGraphFiles(ProgramState& ps, int dayCount);
void PowerHarmonyGraphFile2(ProgramState& ps, int dayCount);
// The chart of one kind from the scan's lines (dayCount its last day index), shown in Graph and saved.
// False when there was nothing to chart.
bool ChartAndSaveRunningTotal(ProgramState& ps, RunningTotalKind kind, int dayCount);
