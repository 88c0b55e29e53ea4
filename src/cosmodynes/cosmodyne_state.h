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
};
