#pragma once
// The table files of the best-days runs, in the program folder: fields
// separated by ", ", nothing quoted, lines ended by CR LF, numbers with "."
// whatever the regional separator.
#include <string>

struct ProgramState;
struct ScanState;

inline constexpr const char* kBestDaysTableFile = "best_days_for_you_data.csv";
inline constexpr const char* kBdfyTableFile = "BDFY_data.csv";

// "best_days_for_you_data.csv": the header, then BatchLines 0..count-1,
// each followed by the 24 per-body values of its line (0.00 where the
// per-body table holds no line).
std::string BestDaysTableText(const ScanState& s, int count);
// "BDFY_data.csv": the header, then days 0..days-1 of DayLines and DayValues.
std::string BdfyTableText(const ScanState& s, int days);

// Writes a table file into the program folder. A file that cannot be
// written is named in a message; false then.
bool WriteScanTable(const ProgramState& ps, const std::string& fileName, const std::string& text);
