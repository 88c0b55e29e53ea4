#include "app/ui/main_window.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QMenuBar>
#include <QWidget>

#include "app/settings_file.h"
#include "app/ui/ui_state.h"
#include "app/ui/wheel_window_hook.h"
#include "app/ui/window_links.h"
#include "platform/app_path.h"
#include "platform/dates.h"
#include "platform/drawing_surface.h"
#include "platform/font_registry.h"
#include "platform/numbers.h"
#include "platform/screen_pointer.h"
#include "platform/single_instance.h"
#include "platform/text_file.h"
#include "platform/units.h"
#include "program_state.h"

namespace {

// Hides every window (no unload handler runs) and leaves the event loop.
void CloseEverythingAndQuit() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

MainWindowEnvironment DefaultEnvironment() {
    MainWindowEnvironment env;
    env.ProgramFolder = [] { return SetUpProgramFolder(); };
    env.InstanceLockPath = DefaultInstanceLockPath();
    env.DateOrder = [] { return SystemDateOrder(); };
    env.TimeFormat = [] { return SystemTimeFormat(); };
    env.DecimalSeparator = [] { return LocaleDecimalSeparator(); };
    env.EndProgram = CloseEverythingAndQuit;
    return env;
}

}  // namespace

MainWindowEnvironment& MainWindowSetup() {
    static MainWindowEnvironment env = DefaultEnvironment();
    return env;
}

void ResetMainWindowEnvironment() { MainWindowSetup() = DefaultEnvironment(); }

std::string ClockCaption(const std::string& captionPrefix, int timeFormat) {
    const DateTime now = Now();
    return captionPrefix + FormatDate(now, "dd mmm yyyy") + "     " + RegionalTimeText(now, timeFormat);
}

TANDRELL::TANDRELL() : Form(), MainMenu(menuBar()) {
    SetCaption("Tandrell");
    // The window's own font; the menu bar keeps the system's.
    menuBar()->setFont(QApplication::font());
    setFont(QFont(QString::fromStdString(MapFontName("Courier New"))));
    // The client area in the window colour, as it grows too.
    const QColor face = palette().color(QPalette::Window);
    Surface().SetBackColor(RGB(face.red(), face.green(), face.blue()));

    Timer1.setInterval(1000);
    QObject::connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    OnLoad = [this] { Form_Load(); };
    OnUnload = [this](int& cancel) { Form_Unload(cancel); };
    WireMenu();
}

TANDRELL::~TANDRELL() {
    // A window let go without the exit sequence still gives the font back.
    if (fontId_ >= 0) RemoveFontFile(fontId_);
    ReleaseMainWindowLinks(*this);
}

void TANDRELL::Timer1_Timer() {
    const ProgramState& ps = UiState();
    SetCaption(ClockCaption(ps.chart.CaptionPrefix, ps.settings.TimeFormat));
}

void TANDRELL::Form_Unload(int& cancel) {
    cancel = 0;
    // Not while a graph run lets window events through.
    if (UiState().scans.RunActive) {
        cancel = 1;
        return;
    }
    // Closing the window is File, Exit.
    if (!ended_) mnuFileExit_Click();
}

void TANDRELL::mnuFileExit_Click() {
    if (ended_) return;
    ended_ = true;
    Timer1.stop();
    Settings& s = UiState().settings;

    if (fontId_ >= 0) RemoveFontFile(fontId_);
    fontId_ = -1;

    // The INI file keeps the window's place as it is now.
    s.MainWindowTop = CInt(Top());
    s.MainWindowLeft = CInt(Left());
    s.MainWindowHeight = CInt(Height());
    s.MainWindowWidth = CInt(Width());
    SaveSettings(s);

    if (!s.MainFontName.empty()) {
        QFont f(FromCp1252(s.MainFontName));
        if (s.MainFontSize > 0) f.setPointSizeF(s.MainFontSize);
        setFont(f);
    }
    EndProgram();
}

void TANDRELL::EndProgram() {
    ended_ = true;
    Timer1.stop();
    if (instance_) instance_->Release();
    instance_.reset();
    if (MainWindowSetup().EndProgram) MainWindowSetup().EndProgram();
}

void TANDRELL::ShowWheelsWindow() {
    ProgramState& ps = UiState();
    Show();
    SetMousePointer(kHourglassPointer);
    if (!SecondPersonChecked()) ps.wheels.WheelSwitched = 0;
    if (WheelHooks().ShowWheels) WheelHooks().ShowWheels();
    SetMousePointer(kDefaultPointer);
}
