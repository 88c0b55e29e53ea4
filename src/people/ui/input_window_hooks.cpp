#include "people/ui/input_window_hooks.h"

#include "app/ui/main_window.h"
#include "app/ui/tip_window.h"
#include "platform/ui/form_registry.h"

namespace {

// The main window when it is loaded; the input windows never load it.
TANDRELL* MainWindow() { return FormLoaded<TANDRELL>() ? &FormOf<TANDRELL>() : nullptr; }

}  // namespace

InputWindowHooks DefaultInputHooks() {
    InputWindowHooks h;
    h.UnloadTip = [] { UnloadForm<frmTip>(); };
    h.FocusMainWindow = [] {
        if (TANDRELL* m = MainWindow()) m->activateWindow();
    };
    h.SecondPersonMenuItems = [] {
        SecondPersonMenu menu;
        TANDRELL* m = MainWindow();
        if (!m) return menu;
        menu.mnuDataTransits = &m->mnuDataTransits;
        menu.mnuDataTransitData = &m->mnuDataTransitData;
        menu.mnuDataTransitsAspectstoNatal = &m->mnuDataTransitsAspectstoNatal;
        menu.mnuDataTransitAspectsToTransits = &m->mnuDataTransitAspectsToTransits;
        menu.mnuWheelsSingleTransits = &m->mnuWheelsSingleTransits;
        menu.mnuWheelsDualNatTran = &m->mnuWheelsDualNatTran;
        menu.mnuWheelsDualNatTranMagi = &m->mnuWheelsDualNatTranMagi;
        menu.mnuWheelsDualNatTran_Venus = &m->mnuWheelsDualNatTran_Venus;
        menu.mnuWheelsSingleComposite = &m->mnuWheelsSingleComposite;
        menu.mnuDataComposite = &m->mnuDataComposite;
        menu.mnuDataCompositeDC = &m->mnuDataCompositeDC;
        return menu;
    };
    h.HouseChecks = []() -> std::optional<std::array<bool, 8>> {
        std::array<bool, 8> checks{};
        TANDRELL* m = MainWindow();
        if (!m) return std::nullopt;
        const MenuItem* items[8] = {&m->mnuHouseRegiomontanus, &m->mnuHouseKoch,     &m->mnuHouseCampanus,
                                    &m->mnuHousePorphyry,      &m->mnuHouseEqualAsc, &m->mnuHouseEqualMC,
                                    &m->mnuHouseMeridian,      &m->mnuHouseMorinus};
        for (int i = 0; i < 8; ++i) checks[i] = items[i]->Checked();
        return checks;
    };
    h.ShowChartMenus = [] {
        if (TANDRELL* m = MainWindow()) {
            m->mnuData.SetVisible(true);
            m->mnuWheels.SetVisible(true);
            m->mnuInputData.SetVisible(true);
        }
    };
    h.ChartMenusVisible = [] {
        TANDRELL* m = MainWindow();
        return m && m->mnuInputData.Visible();
    };
    return h;
}

InputWindowHooks& InputHooks() {
    static InputWindowHooks hooks = DefaultInputHooks();
    return hooks;
}
