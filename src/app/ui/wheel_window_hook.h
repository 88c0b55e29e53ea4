#pragma once
// The wheel window lives with the wheels, built after the main window: the
// main window shows it through this hook, which the wheels fill at start.
#include <functional>

struct WheelWindowHooks {
    // Unloads the wheel window and shows it anew, so that its load runs.
    std::function<void()> ShowWheels;
};

WheelWindowHooks& WheelHooks();
