#pragma once
// The main window: the program's first window and its owner for the whole
// run. Loading it runs the start-up sequence; its timer keeps the caption
// clock; File, Exit (or closing it) runs the exit sequence and ends the
// program. The menu bar and its handlers are in main_menu.h and
// main_menu_handlers.cpp.
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/ui/main_menu.h"
#include "platform/ui/form.h"

class SingleInstance;
struct ProgramState;

// What start-up takes from its surroundings. The program uses the defaults;
// tests point the program folder and the lock file at temporary ones.
struct MainWindowEnvironment {
    // Sets up the program folder (seeded from the shipped data) and returns it.
    std::function<std::string()> ProgramFolder;
    // The lock file of the single-instance check.
    std::string InstanceLockPath;
    // The regional date order and clock.
    std::function<int()> DateOrder;
    std::function<int()> TimeFormat;
    // The regional decimal separator that report numbers are written with.
    std::function<char()> DecimalSeparator = [] { return '.'; };
    // Ends the program: closes every window without its unload handlers and
    // leaves the event loop.
    std::function<void()> EndProgram;
};

// The environment start-up and exit use; ResetMainWindowEnvironment puts the
// program's defaults back.
MainWindowEnvironment& MainWindowSetup();
void ResetMainWindowEnvironment();

// The caption the clock writes: the prefix, the date "dd mmm yyyy", five
// blanks and the time as the regional clock writes it.
std::string ClockCaption(const std::string& captionPrefix, int timeFormat);

class TANDRELL : public Form, public MainMenu {
public:
    TANDRELL();
    ~TANDRELL() override;

    // Rewrites the caption every 1000 ms from the moment the window loads.
    QTimer Timer1;

    // --- the window's events
    void Form_Load();
    void Form_Unload(int& cancel);
    void Timer1_Timer();

    // --- shared procedures of the main window
    // Common ending of the wheel menu items once they have prepared the wheel.
    void ShowWheelsWindow();
    // Unchecks all nine house items.
    void ClearHouseChecks();
    // Computes the charts again from the input windows after a house change.
    void ApplyHouseSystem();
    // The house system code of the checked house item ("P" when none).
    std::string CheckedHouseCode();

    // --- menu handlers
    void mnuFileExit_Click();
    void mnuInputData_Click();
    void mnuHousePlacidus_Click();
    void mnuHouseRegiomontanus_Click();
    void mnuHouseKoch_Click();
    void mnuHouseCampanus_Click();
    void mnuHousePorphyry_Click();
    void mnuHouseEqualAsc_Click();
    void mnuHouseEqualMC_Click();
    void mnuHouseMeridian_Click();
    void mnuHouseMorinus_Click();
    void mnuDataNatalData_Click();
    void mnuDataNatalAspects_Click();
    void mnuCoLAspects_Click();
    void mnuDataCosmodynes_Click();
    void mnuDataTransitData_Click();
    void mnuDataTransitsAspectstoNatal_Click();
    void mnuDataTransitAspectsToTransits_Click();
    void mnuDataComposite_Click();
    void mnuDataCompositeDC_Click();
    void mnuDataVZ_DC_Click();
    void mnuDataInterchartAspects_Click();
    // The Magi Society reports and the fit page (hidden items).
    void mnuDataMagiCouple_Click();
    void mnuDataMagiNatal_Click();
    void mnuGrids_Click();
    void mnuDataNatal7Steps_Click();
    void mnuDataAnalysis_Click();
    void mnuOptions_Click();
    void mnuHelpTipoftheDay_Click();
    void mnuHelpAbout_Click();
    // Every help topic item: sets HelpFileName and lists the topic.
    void ShowHelpTopic(const std::string& helpFileName);

    // True once the program has ended: after the exit sequence, or when
    // another copy was already running.
    bool Ended() const { return ended_; }

private:
    void WireMenu();
    void WireDataMenu();
    void SelectHouseItem(MenuItem& item);
    void CheckHouseItemByOption(float option27);
    void EndProgram();

    std::unique_ptr<SingleInstance> instance_;
    int fontId_ = -1;
    bool ended_ = false;
};
