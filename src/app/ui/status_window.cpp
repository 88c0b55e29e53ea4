#include "app/ui/status_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>

#include "app/ui/control_frames.h"
#include "platform/ui/form_registry.h"

StatusDlg::StatusDlg() : Picture2(Container()) {
    SetCaption("% Completed");
    Move(3000, 3000, 4800, 1200);
    UseWindowFace(*this);
    Picture2.Move(120, 120, 4440, 420);
    OnLoad = [this] { Form_Load(); };
    OnPaint = [this] { DrawControlFrame(*this, Picture2); };
    OnResize = [this] {
        Picture2.Move(120, 120, InsideWidth() - 240, std::max(60.0, InsideHeight() - 240));
    };
}

void StatusDlg::Form_Load() { Show(false); }

namespace {

// Time since the window was last repainted; invalid before the first time.
QElapsedTimer& LastRepaint() {
    static QElapsedTimer timer;
    return timer;
}

}  // namespace

void ShowProgress(int done, int total) {
    if (total < 1) return;
    float percent = static_cast<float>(done) / static_cast<float>(total) * 100.0f;
    if (percent > 100.0f) percent = 100.0f;

    StatusDlg& dlg = FormOf<StatusDlg>();
    DrawingSurface& bar = dlg.Picture2.Surface();
    bar.Line(0, 0, bar.ScaleWidth() / 100.0 * static_cast<double>(percent), bar.ScaleHeight(), QBColor(12),
             LineBox::FilledBox);

    QElapsedTimer& last = LastRepaint();
    if (last.isValid() && last.elapsed() < 50) return;
    last.start();
    dlg.Picture2.Refresh();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
