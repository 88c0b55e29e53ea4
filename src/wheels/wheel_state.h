#pragma once
// Chart wheels: ring tables, header legends and the wheel copies of the charts.

struct WheelState {
    int Reserved = 0;  // fields join as the procedures that own them are built
};
