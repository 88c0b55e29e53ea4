#include "scan_window_fixture.h"

#include <QCoreApplication>
#include <QEvent>

#include "app/ui/status_window.h"
#include "app/ui/ui_state.h"
#include "chart_run_setup.h"
#include "people/ui/input_diurnal_window.h"
#include "people/ui/input_natal_window.h"
#include "people/ui/input_window_hooks.h"
#include "people/ui/input_window_link.h"
#include "people/ui/names_window.h"
#include "people/ui/people_window_hooks.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "platform/ui/form_registry.h"
#include "scans/ui/params_window.h"
#include "test_support.h"

namespace {

void FillPersonBoxes(TextBox* name, const InputBoxes& b, const fixtures::Person& p) {
    if (name) name->SetText(p.name);
    b.Month->SetText(std::to_string(p.month));
    b.Day->SetText(std::to_string(p.day));
    b.Year->SetText(std::to_string(p.year));
    const int hour = static_cast<int>(p.time);
    b.Hour->SetText(std::to_string(hour));
    b.Minute->SetText(std::to_string(static_cast<int>(std::lround((p.time - hour) * 100))));
    (p.amPm == "A.M." ? b.AM : b.PM)->SetValue(true);
    const double lon = std::fabs(p.longitude), lat = std::fabs(p.latitude);
    b.LongDeg->SetText(std::to_string(static_cast<int>(lon)));
    (p.longitude < 0 ? b.East : b.West)->SetValue(true);
    b.Zone->SetText(Str(p.zone).substr(p.zone < 0 ? 0 : 1));
    b.LongMin->SetText(std::to_string(static_cast<int>(std::lround((lon - static_cast<int>(lon)) * 100))));
    b.LatDeg->SetText(std::to_string(static_cast<int>(lat)));
    (p.latitude < 0 ? b.South : b.North)->SetValue(true);
    b.LatMin->SetText(std::to_string(static_cast<int>(std::lround((lat - static_cast<int>(lat)) * 100))));
}

}  // namespace

void ScanWindowTest::SetUp() {
    testsupport::PrepareChartRun(ps, testsupport::MakeTempDir());
    ps.settings.DateOrder = 0;
    ps.settings.TimeFormat = 1;
    SetUiState(&ps);
    const std::string names = JoinPath(ps.settings.AppPath, "NAMES.FIL");
    testsupport::WriteBytes(names, testsupport::ReadBytes(JoinPath(testsupport::ShippedDataDir(), "NAMES.FIL")));
    ps.settings.CurrentNamesFile = names;
    InputHooks() = DefaultInputHooks();
    InstallPeopleWindowHooks();
    InstallScanWindowHooks();
    dialogs = std::make_unique<DialogResponder>();
}

void ScanWindowTest::TearDown() {
    dialogs.reset();
    RemoveScanWindowHooks();
    RemovePeopleWindowHooks();
    InputHooks() = DefaultInputHooks();
    UnloadForm<StatusDlg>();
    UnloadForm<Params>();
    UnloadForm<Names>();
    UnloadForm<InputD>();
    UnloadForm<InputD1>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScanWindowTest::FillCouple(const fixtures::Couple& couple) {
    FormOf<InputD>();
    InputD1& second = FormOf<InputD1>();
    FillPersonBoxes(&FormOf<InputD>().txtName, NatalInputBoxes(), couple.a);
    FillPersonBoxes(nullptr, DiurnalInputBoxes(), couple.b);
    if (couple.secondPerson) {
        second.chk2ndPerson.SetValue(1);
        SetSecondPersonName(couple.b.name);
    }
    ps.chart.HouseSystemCode = couple.houseSystemCode;
}

std::string ScanWindowTest::AppFile(const std::string& name) const {
    return testsupport::ReadBytes(JoinPath(ps.settings.AppPath, name));
}

std::vector<std::string> ScanWindowTest::CsvLines(const std::string& name) const {
    return SplitTextLines(AppFile(name));
}

std::vector<std::string> ScanWindowTest::BufferLines() const {
    return {ps.output.OutputBuffer.begin(), ps.output.OutputBuffer.begin() + ps.output.OutputLineCount};
}
