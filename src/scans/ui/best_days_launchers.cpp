// The window sides of the scans that start at the natal person's birthday
// in a chosen year: "Best Days for You", "G" and "T" of the names window and
// "Search" of the criteria window; and "Best Days" over years of chart A.
#include <optional>

#include "app/output_buffer.h"
#include "app/ui/ui_state.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/names_window.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/screen_pointer.h"
#include "platform/ui/form_registry.h"
#include "program_state.h"
#include "people/ui/input_window_hooks.h"
#include "scans/best_days_over_years.h"
#include "scans/best_days_report.h"
#include "scans/ui/graph_chart_window.h"
#include "scans/ui/params_window.h"
#include "scans/ui/run_windows.h"
#include "scans/ui/scan_run_handlers.h"

namespace {

enum class Launcher { BestDaysForYou, G, T, Search };

const char* const kYearPrompt = "Enter starting year (calcs start at birthday) for analysis:";

// Asks for the starting year and puts the natal birthday of that year into
// the second data set; an empty answer leaves it. "T" asks again while the
// year is below 1900, each time with the year box as it now stands, but its
// Cancel ends the run (false), so the prompt always has a way out.
bool AskStartingYear(Launcher which) {
    InputD& natal = FormOf<InputD>();
    InputD1& second = FormOf<InputD1>();
    for (;;) {
        const std::string defaultYear =
            (which == Launcher::G || which == Launcher::T) ? second.txtDiurnalYear.Text() : natal.txtYear.Text();
        const std::optional<std::string> reply = InputBox(kYearPrompt, "Starting Year", defaultYear);
        if (!reply && which == Launcher::T) return false;
        const std::string answer = reply.value_or("");
        if (!answer.empty()) {
            second.txtDiurnalMonth.SetText(natal.txtMonth.Text());
            second.txtDiurnalDay.SetText(natal.txtDay.Text());
            second.txtDiurnalYear.SetText(answer);
        }
        if (which != Launcher::T || Val(answer) >= 1900) return true;
    }
}

void Launch(Launcher which) {
    ProgramState& ps = UiState();
    RunGuard guard(ps);
    if (!guard.Active()) return;
    ScanState& s = ps.scans;
    InputD1& second = FormOf<InputD1>();
    // The start date goes into the second data set's boxes: a second person
    // gets their own date back at the end; a transit moment keeps the start
    // date, from which the next default year is read.
    RunInputsKept kept(ps, second.chk2ndPerson.Value() == 1 ? PutBack::Second : PutBack::None);
    const bool angleReset = which == Launcher::BestDaysForYou || which == Launcher::Search;
    if (angleReset) {
        second.Option1.SetValue(true);
        FormOf<Params>().Check21.SetValue(1);
    }
    if (which == Launcher::BestDaysForYou) FormOf<Names>().Text1.SetText("0");
    if (!AskStartingYear(which)) return;
    HideWindowsForRun();
    EmptyOutput(ps.output);
    ComputeCharts(ps);

    // A refused input ends the run here; the resets below still run.
    if (ps.chart.InputError == 0) {
        if (which != Launcher::Search) {
            s.BestDaysMode = 1;
            if (which == Launcher::BestDaysForYou) s.UseAllBodies = -1;
            if (which == Launcher::G || which == Launcher::T) s.NoBatchSort = 1;
            s.PerDayResult = which == Launcher::T ? 1 : 0;
            s.BatchLines.assign(2, "");
            s.BatchLineCount = 0;
        }
        BestDaysReport(ps, AskScanYears(" 1"));
        RefreshReportText();
    }

    s.UseAllBodies = 0;
    s.BestDaysMode = 0;
    s.NoBatchSort = 0;
    s.PerDayResult = 0;
    if (angleReset) {
        second.Option2.SetValue(true);
        FormOf<Params>().Check21.SetValue(0);
    }
    if (which == Launcher::BestDaysForYou) FormOf<Names>().Text1.SetText("40");
    if (which == Launcher::G) PowerHarmonyGraphFiles(ps, s.ScanDayCount);
    if (which == Launcher::T) PowerHarmonyGraphFile2(ps, s.ScanDayCount);
    ShowWindowsWhenNoInputMenu();
}

void BestDaysOverYears() {
    ProgramState& ps = UiState();
    RunGuard guard(ps);
    if (!guard.Active()) return;
    // The days are written into a copy of the boxes only: the natal window
    // keeps the person's own date.
    RunInputsKept kept(ps, PutBack::None);
    InputD1& second = FormOf<InputD1>();
    second.Option1.SetValue(true);
    HideWindowsForRun();
    EmptyOutput(ps.output);
    TakeChartRunSettings(ps);
    NamesRunFields f = GatherRunFields();
    BestDaysForYears(ps, f, AskScanYears(" .25"));
    if (ps.chart.InputError == 0 && ps.output.OutputLineCount > 0) {
        CallHook(InputHooks().ShowChartMenus);
        second.chkRelationship.SetValue(0);
    }
    second.Option2.SetValue(true);
    SetMousePointer(kDefaultPointer);
    RefreshReportText();
    ShowWindowsWhenNoInputMenu();
}

}  // namespace

void Params::Command1_Click() { Launch(Launcher::Search); }

void InstallBestDaysHandlers(NamesRunHooks& h) {
    h.Command2_Click = [] { BestDaysOverYears(); };
    h.Command3_Click = [] { Launch(Launcher::BestDaysForYou); };
    h.Command4_Click = [] { Launch(Launcher::G); };
    h.Command5_Click = [] { Launch(Launcher::T); };
}
