#include "wheels/ui/aspect_list_window.h"

#include <QFont>
#include <QPlainTextEdit>
#include <algorithm>

#include "app/options_file.h"
#include "app/ui/ui_state.h"
#include "app/ui/wait_cursor.h"
#include "platform/painter_surface.h"
#include "platform/units.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "wheels/aspect_list.h"
#include "wheels/ui/wheels_window.h"

namespace {

constexpr double kListWidth = 2400;  // twips

// Beside the wheel window when it is open and there is room on its right;
// at the right of the screen otherwise.
void PlaceBesideWheel(CWAspect& list) {
    double left = 0, top = 0, height = 7200;
    if (FormLoaded<Wheels>()) {
        const Wheels& wheel = FormOf<Wheels>();
        left = wheel.Left() + wheel.Width();
        top = wheel.Top();
        height = wheel.Height();
    }
    const double screen = ScreenWidthTwips();
    if (screen > 0) left = std::max(0.0, std::min(left, screen - kListWidth));
    list.Move(left, top, kListWidth, height);
}

}  // namespace

QString AspectListDisplayText(const std::string& list) {
    QString text;
    for (unsigned char c : list) {
        if (c == '\r') continue;
        if (c >= 128) {
            text += GlyphText(std::string(1, static_cast<char>(c)));
        } else {
            text += QChar(c);
        }
    }
    return text;
}

CWAspect::CWAspect() : Text1(Container(), true) {
    SetCaption("Aspects");
    Text1.PlainTextEdit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1.PlainTextEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
    OnLoad = [this] { Form_Load(); };
    OnResize = [this] { Form_Resize(); };
}

void CWAspect::Form_Load() {
    WaitCursor wait;
    PlaceBesideWheel(*this);
    Show();
    Text1.PlainTextEdit()->clear();
    QFont font(kGlyphFontName);
    font.setPointSizeF(12);
    Text1.PlainTextEdit()->setFont(font);
    // A missing orb file is reported once and leaves the earlier orbs.
    LoadOrbsFile(UiState().settings);
    FillAspectList();
}

void CWAspect::Form_Resize() { Text1.Move(0, 0, InsideWidth(), InsideHeight()); }

void CWAspect::FillAspectList() {
    Text1.PlainTextEdit()->setPlainText(AspectListDisplayText(BuildAspectList(AspectListInputOf(UiState()))));
}
