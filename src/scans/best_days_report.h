#pragma once
// The day-by-day relationship scan: chart A held, chart B moved on one day
// at a time from its computed moment, each day scored against chart A. In
// the best-days modes (BestDaysMode 1) every day gives a line of BatchLines,
// written to "best_days_for_you_data.csv" and listed by the batch score
// list; in the criteria modes every day is tested against the criteria
// window's pairs and printed when it meets enough of them. With BatchMode 1
// (runs over the names list) one day is scanned: chart B as computed, no
// page of its own.
struct ProgramState;

// years is the answer to "Number of Years" (ignored in batch mode). A span
// that is not positive returns at once; one longer than the day counters
// hold says so and returns.
void BestDaysReport(ProgramState& ps, float years);

// The prompt of the number of years; the answer's leading number (0 for
// Cancel or none).
float AskScanYears(const char* defaultText);
