#pragma once
// Long-range scans, best days and graphs.

struct ScanState {
    int Reserved = 0;  // fields join as the procedures that own them are built
};
