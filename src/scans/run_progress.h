#pragma once
// How a long run shows its progress: the window side fills these with the
// progress window; headless they do nothing.
#include <functional>

struct RunProgressHooks {
    std::function<void()> Open;                   // load the progress window, bar cleared
    std::function<void(int done, int total)> Show;
    std::function<void()> Close;                  // unload it
};
RunProgressHooks& RunProgress();

// The share done as a whole percentage, held within 0..100; 0 for a total
// below 1.
int ProgressPercent(int done, int total);

void OpenProgress();
// Shows done / total, done held within 0..total.
void ShowRunProgress(int done, int total);
void CloseProgress();
