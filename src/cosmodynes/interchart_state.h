#pragma once
// Cosmodynes between two charts.

struct InterchartState {
    int Reserved = 0;  // fields join as the procedures that own them are built
};
