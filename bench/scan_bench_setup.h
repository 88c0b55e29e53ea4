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
#include "people/chart_run.h"
#include "people/input_fields.h"
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

// One data set as the input windows hand it over.
inline DataSetFields BenchFields(const char* m, const char* d, const char* y, const char* h, const char* min, bool am,
                                 const char* zone, const char* lonDeg, const char* lonMin, bool east,
                                 const char* latDeg, const char* latMin) {
    DataSetFields f;
    f.Month = m, f.Day = d, f.Year = y, f.Hour = h, f.Minute = min, f.AM = am, f.Zone = zone;
    f.LongDeg = lonDeg, f.LongMin = lonMin, f.East = east, f.West = !east, f.LatDeg = latDeg, f.LatMin = latMin;
    return f;
}

// The couple of the series benchmarks (14 March 1962 against the sky of
// 1 January 2024, Placidus), charted quietly on a prepared state.
inline void ChartSeriesCouple(ProgramState& ps, DataSetFields& natal, DataSetFields& diurnal) {
    PrepareScanBench(ps);
    natal = BenchFields("3", "14", "1962", "9", "30", false, "5", "75", "10", false, "40", "43");
    diurnal = BenchFields("1", "1", "2024", "12", "0", false, "5", "75", "10", false, "40", "43");
    ps.chart.QuietMode = 1;
    ComputeChartsFromFields(ps, natal, diurnal);
    ps.chart.QuietMode = 0;
}
