// The main window's Wheels menu: each item sets up its wheel, then the main
// window shows the wheel window anew.
#include "app/ui/main_window.h"
#include "app/ui/ui_state.h"
#include "app/ui/wheel_window_hook.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "wheels/ui/astro_line_window.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_setup.h"

namespace {

void ShowWheelsAnew() {
    UnloadForm<Wheels>();
    FormOf<Wheels>().Show();
}

void OpenDual(TANDRELL& w, DualFiller filler) {
    ProgramState& ps = UiState();
    ps.wheels.VenusZodiacFlag = filler == DualFiller::Venus ? 1 : 0;
    FillDualWheelLegend(ps, filler);
    w.ShowWheelsWindow();
}

void OpenComposite(TANDRELL& w) {
    ProgramState& ps = UiState();
    const std::optional<std::string> answer = AskCompositeLatitude(ps);
    if (!answer) {
        ps.chart.CompositeLatText.clear();
        return;
    }
    SetUpCompositeWheel(ps, *answer);
    w.ShowWheelsWindow();
}

}  // namespace

void InstallWheelWindows(TANDRELL& w) {
    WheelHooks().ShowWheels = ShowWheelsAnew;
    w.mnuWheelsSingleNatal.Click = [&w] {
        SetUpNatalWheel(UiState(), false);
        w.ShowWheelsWindow();
    };
    w.mnuWheelsSingleNatalMagi.Click = [&w] {
        SetUpNatalWheel(UiState(), true);
        w.ShowWheelsWindow();
    };
    w.mnuWheelsSingleTransits.Click = [&w] {
        SetUpTransitWheel(UiState());
        w.ShowWheelsWindow();
    };
    w.mnuWheelsSingleComposite.Click = [&w] { OpenComposite(w); };
    w.mnuWheelsSingleVenusZodiac.Click = [&w] {
        SetUpVenusZodiacWheel(UiState());
        w.ShowWheelsWindow();
    };
    w.mnuWheelsDualNatTran.Click = [&w] { OpenDual(w, DualFiller::Plain); };
    w.mnuWheelsDualNatTranMagi.Click = [&w] { OpenDual(w, DualFiller::Magi); };
    w.mnuWheelsDualNatTran_Venus.Click = [&w] { OpenDual(w, DualFiller::Venus); };
    w.mnuWheelsAstroLine.Click = [] {
        UnloadForm<AstrLine>();
        FormOf<AstrLine>().Show();
    };
}
