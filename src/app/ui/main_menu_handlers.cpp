// The main menu's handlers: File, Input, Houses, Options and Help.
#include "app/help_text.h"
#include "app/options_file.h"
#include "app/output_buffer.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_state.h"
#include "app/ui/window_links.h"
#include "chart/chart_driver.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "program_state.h"

void TANDRELL::WireMenu() {
    mnuFileExit.Click = [this] { mnuFileExit_Click(); };
    mnuInputData.Click = [this] { mnuInputData_Click(); };

    mnuHousePlacidus.Click = [this] { mnuHousePlacidus_Click(); };
    mnuHouseRegiomontanus.Click = [this] { mnuHouseRegiomontanus_Click(); };
    mnuHouseKoch.Click = [this] { mnuHouseKoch_Click(); };
    mnuHouseCampanus.Click = [this] { mnuHouseCampanus_Click(); };
    mnuHousePorphyry.Click = [this] { mnuHousePorphyry_Click(); };
    mnuHouseEqualAsc.Click = [this] { mnuHouseEqualAsc_Click(); };
    mnuHouseEqualMC.Click = [this] { mnuHouseEqualMC_Click(); };
    mnuHouseMeridian.Click = [this] { mnuHouseMeridian_Click(); };
    mnuHouseMorinus.Click = [this] { mnuHouseMorinus_Click(); };

    WireDataMenu();

    mnuOptions.Click = [this] { mnuOptions_Click(); };

    mnuHelpTipoftheDay.Click = [this] { mnuHelpTipoftheDay_Click(); };
    mnuHelpAbout.Click = [this] { mnuHelpAbout_Click(); };
    for (const HelpTopic& topic : HelpTopics()) {
        const std::string file = topic.file;
        topic.item->Click = [this, file] { ShowHelpTopic(file); };
    }
}

// ---------------------------------------------------------------- Input

void TANDRELL::mnuInputData_Click() {
    ProgramState& ps = UiState();
    if (ps.scans.RunActive) return;  // not while a graph run lets events through
    ps.chart.AroundClockMode = 0;
    ps.output.OutputLineCount = 0;
    if (ps.chart.ChartName != "Now") ps.people.NamesListStale = 0;
    ps.output.ReportSaveFile.clear();
    if (!SecondPersonChecked()) ps.wheels.WheelSwitched = 0;

    UnloadResultWindows();
    ps.chart.CompositeLatText.clear();
    ShowInputWindowsForInput(ps);
}

// ---------------------------------------------------------------- Houses

void TANDRELL::ClearHouseChecks() {
    for (MenuItem* item : HouseItems())
        if (item) item->SetChecked(false);
}

std::string TANDRELL::CheckedHouseCode() {
    const std::array<MenuItem*, 10> items = HouseItems();
    std::array<bool, 8> others{};
    for (size_t k = 2; k <= 9; ++k) others[k - 2] = items[k]->Checked();
    return HouseCodeFromChecks(others);
}

void TANDRELL::ApplyHouseSystem() {
    ProgramState& ps = UiState();
    mnuInputData_Click();
    ps.chart.HouseSystemCode = CheckedHouseCode();
    RecomputeChartsFromInput(ps);
}

void TANDRELL::SelectHouseItem(MenuItem& item) {
    if (UiState().scans.RunActive) return;  // not while a graph run lets events through
    ClearHouseChecks();
    item.SetChecked(true);
    ApplyHouseSystem();
}

void TANDRELL::mnuHousePlacidus_Click() { SelectHouseItem(mnuHousePlacidus); }
void TANDRELL::mnuHouseRegiomontanus_Click() { SelectHouseItem(mnuHouseRegiomontanus); }
void TANDRELL::mnuHouseKoch_Click() { SelectHouseItem(mnuHouseKoch); }
void TANDRELL::mnuHouseCampanus_Click() { SelectHouseItem(mnuHouseCampanus); }
void TANDRELL::mnuHousePorphyry_Click() { SelectHouseItem(mnuHousePorphyry); }
void TANDRELL::mnuHouseEqualAsc_Click() { SelectHouseItem(mnuHouseEqualAsc); }
void TANDRELL::mnuHouseEqualMC_Click() { SelectHouseItem(mnuHouseEqualMC); }
void TANDRELL::mnuHouseMeridian_Click() { SelectHouseItem(mnuHouseMeridian); }
void TANDRELL::mnuHouseMorinus_Click() { SelectHouseItem(mnuHouseMorinus); }

// ---------------------------------------------------------------- Options

void TANDRELL::mnuOptions_Click() {
    const ProgramState& ps = UiState();
    if (!ReadFileBytes(OptionsFilePath(ps.settings))) {
        MsgBox("File Not Found", MsgButtons::OK, "Warning!", MsgIcon::Information);
        return;
    }
    ShowOptionsEditor();
}

// ---------------------------------------------------------------- Help

void TANDRELL::mnuHelpTipoftheDay_Click() { ShowTipWindow(); }

void TANDRELL::mnuHelpAbout_Click() { ShowAboutWindow(); }

void TANDRELL::ShowHelpTopic(const std::string& helpFileName) {
    ProgramState& ps = UiState();
    ps.output.HelpFileName = helpFileName;
    ShowHelpText(ps);
}
