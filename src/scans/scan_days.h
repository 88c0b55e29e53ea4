#pragma once
// Day counts of the long runs and the day step of the day-by-day scan.
#include <string>

struct ProgramState;

// The most days a run may cover: day indexes and line counts stay below
// 32768.
inline constexpr int kMaxRunDays = 32767;
// The message of a span too long for that.
inline constexpr const char* kTooManyDaysMessage =
    "That many years gives more than 32767 days (about 89.7 years). Please enter a shorter span.";

// Whole days in a span of years: Int(years x 365.25).
int DaysInYears(float years);
// The index N of the last day of a scan over the years (days 0..N):
// DaysInYears - 1, so -1 when the span is shorter than a day.
int ScanLastDay(float years);
// Whether a span's days fit the run's counters.
bool DaysFit(float years);

// The number of days an answer to "Number of Days" asks for: the answer's
// number rounded, 0 when it is not positive, at most 32000.
int BdfyDaysFromAnswer(const std::string& answer);

// Day i of the scan: chart B's computed moment moved on by i whole days.
// Sets JulianDay and DateText, the time values, the obliquity and the
// positions of bodies 1..13 in WorkLongitudes and WorkDeclinations, and
// places them in WorkCusps (which the caller has set to chart A's cusps)
// into HouseString.
void ComputeScanDay(ProgramState& ps, int i);
