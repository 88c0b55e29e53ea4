#include "scans/run_progress.h"

#include <algorithm>

RunProgressHooks& RunProgress() {
    static RunProgressHooks hooks;
    return hooks;
}

int ProgressPercent(int done, int total) {
    if (total < 1) return 0;
    const double p = static_cast<double>(done) / total * 100.0;
    return static_cast<int>(std::clamp(p, 0.0, 100.0));
}

void OpenProgress() {
    if (RunProgress().Open) RunProgress().Open();
}

void ShowRunProgress(int done, int total) {
    if (total < 1 || !RunProgress().Show) return;
    RunProgress().Show(std::clamp(done, 0, total), total);
}

void CloseProgress() {
    if (RunProgress().Close) RunProgress().Close();
}
