// The Data menu's listing reports: each item starts a page, lists and shows
// the page.
#include "app/ui/main_window.h"
#include "app/ui/ui_state.h"
#include "cosmodynes/dual_cosmodynes.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "program_state.h"
#include "reports/report_menu.h"

void TANDRELL::WireDataMenu() {
    mnuDataNatalData.Click = [this] { mnuDataNatalData_Click(); };
    mnuDataNatalAspects.Click = [this] { mnuDataNatalAspects_Click(); };
    mnuCoLAspects.Click = [this] { mnuCoLAspects_Click(); };
    mnuDataCosmodynes.Click = [this] { mnuDataCosmodynes_Click(); };
    mnuDataTransitData.Click = [this] { mnuDataTransitData_Click(); };
    mnuDataTransitsAspectstoNatal.Click = [this] { mnuDataTransitsAspectstoNatal_Click(); };
    mnuDataTransitAspectsToTransits.Click = [this] { mnuDataTransitAspectsToTransits_Click(); };
    mnuDataComposite.Click = [this] { mnuDataComposite_Click(); };
    mnuDataCompositeDC.Click = [this] { mnuDataCompositeDC_Click(); };
    mnuDataVZ_DC.Click = [this] { mnuDataVZ_DC_Click(); };
    mnuDataInterchartAspects.Click = [this] { mnuDataInterchartAspects_Click(); };
    mnuDataTransitCosmodynes.Click = [] { TransitCosmodynes(UiState()); };
    mnuDataTransitCosmodynesAspects.Click = [] { TransitCosmodynesWithAspects(UiState()); };
}

void TANDRELL::mnuDataNatalData_Click() { DataNatalData(UiState()); }
void TANDRELL::mnuDataNatalAspects_Click() { DataNatalAspects(UiState()); }
void TANDRELL::mnuCoLAspects_Click() { CoLAspects(UiState()); }
void TANDRELL::mnuDataCosmodynes_Click() { DataCosmodynes(UiState()); }
void TANDRELL::mnuDataTransitData_Click() { DataTransitData(UiState()); }
void TANDRELL::mnuDataTransitsAspectstoNatal_Click() { DataTransitsAspectstoNatal(UiState()); }
void TANDRELL::mnuDataTransitAspectsToTransits_Click() { DataTransitAspectsToTransits(UiState()); }
void TANDRELL::mnuDataComposite_Click() { DataComposite(UiState()); }
void TANDRELL::mnuDataCompositeDC_Click() { DualCompositeCosmodynes(UiState()); }
void TANDRELL::mnuDataVZ_DC_Click() { DualVenusZodiacCosmodynes(UiState()); }
void TANDRELL::mnuDataInterchartAspects_Click() { DataInterchartAspects(UiState()); }
