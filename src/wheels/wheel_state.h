#pragma once
// Chart wheels: header legends and the wheel copies of the charts.
#include <array>
#include <string>
#include <vector>

struct WheelState {
    // Legend lines 1..7 of the two wheel headers (slot 0 unused).
    std::vector<std::string> WheelHeader1 = std::vector<std::string>(8);
    std::vector<std::string> WheelHeader2 = std::vector<std::string>(8);
    // 1 when a bi-wheel shows its two charts the other way round.
    int WheelSwitched = 0;
    // Chart B as the bi-wheel draws it.
    std::array<double, 16> WheelSecondLongitudes{};
    std::string WheelSecondFlags = std::string(15, ' ');
};
