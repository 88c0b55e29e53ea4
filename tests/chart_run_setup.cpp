#include "chart_run_setup.h"

#include <utility>

#include "app/constant_tables.h"
#include "app/options_file.h"
#include "chart/data_files.h"
#include "chart/planet_theory.h"
#include "platform/app_path.h"
#include "platform/numbers.h"
#include "reports/report_menu.h"
#include "test_support.h"

namespace testsupport {

void PrepareChartRun(ProgramState& ps, std::string programFolder) {
    SetDecimalSeparator('.');
    InstallChartHeaders();
    Settings& s = ps.settings;
    s.AppPath = ShippedDataDir();
    ReadOptionsFile(s);
    LoadDataFiles(ps);
    s.AppPath = std::move(programFolder);
    MakeReportsFolder(s.AppPath);
    FillConstantTables(ps);
    InitOrbitalElements(ps.chart);
}

}  // namespace testsupport
