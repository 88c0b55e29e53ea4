#include "scans/ui/run_windows.h"

#include "app/ui/report_window.h"
#include "app/ui/status_window.h"
#include "chart/chart_driver.h"
#include "people/chart_run.h"
#include "people/ui/compute_charts.h"
#include "people/ui/input_boxes.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/input_window_link.h"
#include "platform/dialogs.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/form_registry.h"
#include "platform/ui/text_box.h"
#include "program_state.h"
#include "scans/run_progress.h"

RunGuard::RunGuard(ProgramState& ps) : ps_(ps), active_(!ps.scans.RunActive) {
    if (active_) ps_.scans.RunActive = true;
}

RunGuard::~RunGuard() {
    if (active_) ps_.scans.RunActive = false;
}

void TakeChartRunSettings(ProgramState& ps) {
    InputD& natal = FormOf<InputD>();
    InputD1& second = FormOf<InputD1>();
    ps.people.NatalNameText = natal.txtName.Text();
    ps.people.SecondPersonChecked = second.chk2ndPerson.Value();
    ps.people.SecondPersonCaption = second.chk2ndPerson.Caption();
    ps.chart.UseChiron = second.chkChiron.Value() == 1;
    ps.chart.AnglesSetting = second.Option1.Value() ? 0 : second.Option2.Value() ? 1 : 2;
    if (InputHooks().HouseChecks)
        if (const auto houses = InputHooks().HouseChecks()) ps.chart.HouseSystemCode = HouseCodeFromChecks(*houses);
}

NamesRunFields GatherRunFields() {
    NamesRunFields f;
    f.Natal = FormOf<InputD>().Fields();
    f.Diurnal = FormOf<InputD1>().Fields();
    f.NatalName = FormOf<InputD>().txtName.Text();
    return f;
}

namespace {

void Put(const InputBoxes& b, const DataSetFields& f) {
    b.Month->SetText(f.Month);
    b.Day->SetText(f.Day);
    b.Year->SetText(f.Year);
    b.Hour->SetText(f.Hour);
    b.Minute->SetText(f.Minute);
    (f.AM ? b.AM : b.PM)->SetValue(true);
    b.LongDeg->SetText(f.LongDeg);
    (f.East ? b.East : b.West)->SetValue(true);
    b.Zone->SetText(f.Zone);
    b.LongMin->SetText(f.LongMin);
    b.LatDeg->SetText(f.LatDeg);
    (f.South ? b.South : b.North)->SetValue(true);
    b.LatMin->SetText(f.LatMin);
    b.Email->SetText(f.Email);
}

}  // namespace

void PutRunFields(const NamesRunFields& f) {
    FormOf<InputD>().txtName.SetText(f.NatalName);
    Put(NatalInputBoxes(), f.Natal);
    Put(DiurnalInputBoxes(), f.Diurnal);
}

RunInputsKept::RunInputsKept(ProgramState& ps, PutBack which) : ps_(ps), which_(which), before_(GatherRunFields()) {}

RunInputsKept::~RunInputsKept() {
    PutBackNow();
    TakeChartRunSettings(ps_);
    ComputeChartsQuietly(ps_, FormOf<InputD>().Fields(), FormOf<InputD1>().Fields());
}

void RunInputsKept::PutBackNow() {
    // The boxes get back what the user typed: the typing warnings of their
    // change handlers have nothing to say about it.
    SilentDialogs silent;
    if (which_ == PutBack::Both) Put(NatalInputBoxes(), before_.Natal);
    if (which_ != PutBack::None) Put(DiurnalInputBoxes(), before_.Diurnal);
}

void HideWindowsForRun() {
    HideInputAndListWindows();
    CallHook(InputHooks().UnloadTimeZonePicker);
    CallHook(InputHooks().UnloadTip);
}

void RefreshReportText() {
    if (FormLoaded<OutputD1>()) FormOf<OutputD1>().RichText1.Widget()->update();
}

void ShowWindowsWhenNoInputMenu() {
    if (InputHooks().ChartMenusVisible && InputHooks().ChartMenusVisible()) return;
    ShowInputAndListWindows();
}

std::function<void()>& ShowInputMenuHook() {
    static std::function<void()> hook;
    return hook;
}

void InstallProgressWindow() {
    RunProgressHooks& h = RunProgress();
    h.Open = [] {
        StatusDlg& dlg = FormOf<StatusDlg>();
        dlg.Show();
        dlg.Picture2.Surface().Cls();
    };
    h.Show = [](int done, int total) { ShowProgress(done, total); };
    h.Close = [] { UnloadForm<StatusDlg>(); };
}
