#pragma once
// The close of a batch of scored entries: BatchLines sorted by the score at
// the end of each entry, highest first, those whose score reaches the names
// window's threshold (taken without sign) appended to the report, and the
// page shown.
#include <string>

struct ProgramState;

// The score of an entry: the number that ends it, read whole (blanks after
// it skipped; digits, the decimal point and a leading minus). 0 when the
// entry does not end in a number.
double BatchEntryScore(const std::string& entry);

// Lists entries 0..BatchLineCount-1 and leaves BatchLineCount one lower (or
// 0). An empty batch lists and shows nothing; a batch of one entry is listed
// unless listSingleEntry is false. The exchange sort is skipped when both
// BestDaysMode and NoBatchSort are 1.
void SortAndListBatchScores(ProgramState& ps, bool listSingleEntry = true);
