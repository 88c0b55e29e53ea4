#pragma once
// A program state for the scan benchmarks: the shipped options and data
// tables, the constant tables and a program folder of its own under the
// system's temporary folder.
#include <filesystem>
#include <string>

#include "app/constant_tables.h"
#include "app/options_file.h"
#include "chart/data_files.h"
#include "chart/planet_theory.h"
#include "platform/app_path.h"
#include "platform/numbers.h"
#include "program_state.h"
#include "reports/report_menu.h"

inline void PrepareScanBench(ProgramState& ps) {
    SetDecimalSeparator('.');
    InstallChartHeaders();
    Settings& s = ps.settings;
    s.AppPath = std::string(TANDRELL_SOURCE_DIR) + "/data";
    ReadOptionsFile(s);
    LoadDataFiles(ps);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tandrell_scan_bench";
    std::filesystem::create_directories(folder);
    s.AppPath = folder.string();
    MakeReportsFolder(s.AppPath);
    FillConstantTables(ps);
    InitOrbitalElements(ps.chart);
    s.DateOrder = 0;
    ps.chart.HouseSystemCode = "P";
}
