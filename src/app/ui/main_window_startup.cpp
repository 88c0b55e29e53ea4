// The main window's start-up sequence.
#include <QFont>

#include "app/constant_tables.h"
#include "app/options_file.h"
#include "app/settings_file.h"
#include "app/ui/main_window.h"
#include "app/ui/report_window.h"
#include "app/ui/ui_state.h"
#include "app/ui/window_links.h"
#include "chart/data_files.h"
#include "chart/planet_theory.h"
#include "chart/time_scale.h"
#include "platform/numbers.h"
#include "platform/screen_pointer.h"
#include "platform/app_path.h"
#include "platform/dialogs.h"
#include "platform/font_registry.h"
#include "platform/single_instance.h"
#include "platform/text_file.h"
#include "platform/units.h"
#include "program_state.h"
#include "reports/report_menu.h"

namespace {

// The mode flags every run starts with cleared. Flags of the scans, scores
// and cosmodynes are cleared with their state, which starts at 0.
void ClearModeFlags(ProgramState& ps) {
    ps.chart.QuietMode = 0;
    ps.chart.AroundClockMode = 0;
    ps.output.OutputLineCount = 0;
    ps.people.NamesListStale = 0;
}

// The working values the chart run starts from.
void SetWorkingStartValues(ProgramState& ps) {
    ps.chart.Pi = 3.1415926535;
    ps.chart.KmPerAU = 149597870;
    ps.chart.RetrogradeFlags = std::string(15, ' ');
    ps.chart.HouseString = "---- --------- -----" + std::string(130, ' ');
}

}  // namespace

void TANDRELL::Form_Load() {
    ProgramState& ps = UiState();
    Settings& s = ps.settings;
    MainWindowEnvironment& env = MainWindowSetup();

    instance_ = std::make_unique<SingleInstance>(env.InstanceLockPath);
    if (!instance_->TryAcquire()) {
        instance_.reset();
        MsgBox("TANDRELL is already running. For your protection you cannot have more than one copy of "
               "TANDRELL running at a time.",
               MsgButtons::OK, "WARNING!", MsgIcon::Critical);
        EndProgram();
        return;
    }
    Timer1.start();

    s.AppPath = env.ProgramFolder();
    // Report pages go to the report window, headed by the chart headers.
    InstallReportWindow(ps, [this] { Show(); });
    InstallChartHeaders();
    LinkInputWindowsTo(*this);
    ReadOptionsFile(s);
    SetCaptionPrefix(ps);
    fontId_ = AddFontFile(JoinPath(s.AppPath, "tandrell.ttf")).Id;

    // The notice stays up while the data files load, then waits for its OK.
    s.TitleAcknowledged = 0;
    const bool notice = LoadStartupNotice(ps);
    LoadDataFiles(ps);
    if (notice) WaitForStartupNotice(ps);

    SetMousePointer(kHourglassPointer);
    s.OutputFontName = "COURIER NEW";
    LoadSettings(s);
    Move(s.MainWindowLeft, s.MainWindowTop, s.MainWindowWidth, s.MainWindowHeight);
    GetDateTimeFormat(s, env.DateOrder(), env.TimeFormat());
    SetDecimalSeparator(env.DecimalSeparator());
    ClearModeFlags(ps);
    s.MainFontName = ToCp1252(font().family());
    s.MainFontSize = font().pointSizeF();
    ChooseScreenSize(s, ScreenWidthTwips(), ScreenTwipsPerPixel());
    SetWorkingStartValues(ps);
    FillConstantTables(ps);
    InitOrbitalElements(ps.chart);

    CheckHouseItemByOption(s.OptionValues[27]);
    // Enabled again when the diurnal window holds a second person.
    mnuWheelsSingleComposite.SetEnabled(false);
    mnuDataComposite.SetEnabled(false);
    mnuDataCompositeDC.SetEnabled(false);

    Show();
    ps.people.NamesListStale = 1;
    ShowInputWindows(ps);
    if (s.OptionValues[40] != 0) ShowTipWindow();
    SetMousePointer(kDefaultPointer);

    // Usually there already; a failure changes nothing.
    MakeReportsFolder(s.AppPath);
}

void TANDRELL::CheckHouseItemByOption(float option27) {
    std::array<MenuItem*, 10> items = HouseItems();
    int system = 1;  // Placidus for any value not naming another system
    for (int k = 2; k <= 9; ++k)
        if (option27 == static_cast<float>(k)) system = k;
    items[static_cast<size_t>(system)]->SetChecked(true);
}
