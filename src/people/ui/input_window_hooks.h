#pragma once
// What the input windows and the chart run need of windows that live
// elsewhere: the names, cities and time-zone windows, the criteria window,
// the tip window and the main window's menus. Each of those windows installs
// its part when it is built into the program; a part that is not installed
// does nothing, so the input windows work on their own.
#include <array>
#include <functional>
#include <string>

class Form;
class MenuItem;

// The main window's menu items whose captions and enabled state follow
// "2nd Person".
struct SecondPersonMenu {
    MenuItem* mnuDataTransits = nullptr;
    MenuItem* mnuDataTransitData = nullptr;
    MenuItem* mnuDataTransitsAspectstoNatal = nullptr;
    MenuItem* mnuDataTransitAspectsToTransits = nullptr;
    MenuItem* mnuWheelsSingleTransits = nullptr;
    MenuItem* mnuWheelsDualNatTran = nullptr;
    MenuItem* mnuWheelsDualNatTranMagi = nullptr;
    MenuItem* mnuWheelsDualNatTran_Venus = nullptr;
    MenuItem* mnuWheelsSingleComposite = nullptr;
    MenuItem* mnuDataComposite = nullptr;
    MenuItem* mnuDataCompositeDC = nullptr;
};

struct InputWindowHooks {
    // --- names list, cities list, time-zone picker
    std::function<void()> ShowNames;            // load if needed, show without waiting
    std::function<void()> HideNames;            // only when loaded
    std::function<void()> HideCities;           // only when loaded
    std::function<Form*()> LoadTimeZonePicker;  // loads it; the caller places and shows it
    std::function<void()> UnloadTimeZonePicker;
    // After "Save to disk" wrote a record: reopen the names list.
    std::function<void()> ReopenNames;
    // The names file "Save to disk" writes into; "" when the user cancels.
    std::function<std::string()> ChooseNamesFile;

    // --- criteria window and tip window
    std::function<void()> ShowParams;
    std::function<void()> HideParams;
    std::function<void()> UnloadTip;

    // --- main window
    std::function<void()> FocusMainWindow;
    std::function<SecondPersonMenu()> SecondPersonMenuItems;
    // Checked state of Regiomontanus, Koch, Campanus, Porphyry, Equal - Asc,
    // Equal - MC, Meridian, Morinus.
    std::function<std::array<bool, 8>()> HouseChecks;
    // Makes Input, Data and Wheels visible; whether Input is visible yet.
    std::function<void()> ShowChartMenus;
    std::function<bool()> ChartMenusVisible;
};

InputWindowHooks& InputHooks();

// Calls a hook when it is installed.
template <class F, class... Args>
void CallHook(const F& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}
