#pragma once
// The numeric options file "OPTIONS.OPT" (defaults in "OPTIONS.MAS"), the
// orb files "*.ORB" and the regional date and clock format.
//
// Both files hold one number a line: the value is the first 7 characters of
// the line read as a number (blanks skipped, no number gives 0); the rest of
// the line is comment. Reading stops at the end of the file or at the first
// empty line, and values the file does not reach keep their earlier value.
#include <string>
#include <vector>

struct ProgramState;
struct Settings;

// The numbers of the lines, read by the rule above, at most maxCount of them.
// A number beyond single precision's range reads as 0; TooLarge lists the
// numbers of its lines (from 1).
struct NumberLines {
    std::vector<float> Numbers;
    std::vector<int> TooLarge;
};
NumberLines ReadNumberLines(const std::vector<std::string>& lines, int maxCount);
std::vector<float> ParseNumberLines(const std::vector<std::string>& lines, int maxCount);

std::string OptionsFilePath(const Settings& s);
std::string MasterOptionsFilePath(const Settings& s);

// Reads "OPTIONS.OPT" into OptionValues 1..286. A missing file keeps the
// earlier values and tells the user ("File Not Found"); false then. A number
// too large to use is reported once for the file, with its lines, and the
// option takes its value from "OPTIONS.MAS" (keeps its earlier value when
// that has none to give).
bool ReadOptionsFile(Settings& s);
// Reads CurrentOrbFile into OrbValues 1..17, the same way; an orb too large
// to use counts as 0.
bool LoadOrbsFile(Settings& s);

// Restore Default: copies "OPTIONS.MAS" over "OPTIONS.OPT". On failure the
// user is told and "OPTIONS.OPT" stays as it was. OptionValues are not read.
bool RestoreDefaultOptions(const Settings& s);

// Stores the regional date order (0 month-day-year, 1 day-month-year,
// 2 year-month-day) and clock (0 12-hour, 1 24-hour) found by the platform;
// an unknown value counts as 0.
void GetDateTimeFormat(Settings& s, int dateOrder, int timeFormat);

// Tells the user, once for the file, that the given lines (from 1) hold a
// number too large to use, and what is used instead; nothing when none.
void ReportTooLarge(const std::string& path, const std::vector<int>& lines, const std::string& instead);

// Tells the user that a file the program needs was not found.
void ReportFileNotFound(const std::string& path);
