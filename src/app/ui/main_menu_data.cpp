// The Data menu's listing reports: each item starts a page, lists and shows
// the page.
#include "app/ui/main_window.h"
#include "app/ui/ui_state.h"
#include "cosmodynes/dual_cosmodynes.h"
#include "cosmodynes/interchart_menu_reports.h"
#include "program_state.h"
#include "reports/report_menu.h"
#include "scoring/couple_aspect_report.h"
#include "scoring/natal_aspect_report.h"
#include "scoring/score_grids.h"
#include "scoring/ui/organizational_fit_print.h"

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
    // The Magi Society reports and the fit page: their items stay hidden.
    mnuDataMagiCouple.Click = [this] { mnuDataMagiCouple_Click(); };
    mnuDataMagiNatal.Click = [this] { mnuDataMagiNatal_Click(); };
    mnuGrids.Click = [this] { mnuGrids_Click(); };
    mnuDataNatal7Steps.Click = [this] { mnuDataNatal7Steps_Click(); };
    mnuDataAnalysis.Click = [this] { mnuDataAnalysis_Click(); };
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

// The Magi Society reports and the fit page.
void TANDRELL::mnuDataMagiCouple_Click() { DataMagiCouple(UiState()); }
void TANDRELL::mnuDataMagiNatal_Click() { DataMagiNatal(UiState()); }
void TANDRELL::mnuGrids_Click() { DataGrids(UiState()); }
void TANDRELL::mnuDataNatal7Steps_Click() { PrintOrganizationalFit(UiState()); }
void TANDRELL::mnuDataAnalysis_Click() { DataAnalysis(UiState()); }
