#pragma once
// Cosmodynes of one chart.

struct CosmodyneState {
    int Reserved = 0;  // fields join as the procedures that own them are built
};
