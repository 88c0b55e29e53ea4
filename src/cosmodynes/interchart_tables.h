#pragma once
// The last block of a printed interchart report: the POWER and HARMONY
// tables of the body pairs, chart A's bodies down the left edge and chart
// B's across the top. Every line is kept for the clipboard copy too.
#include <string>

struct ProgramState;

// The column heading of one table: the word ("POWER" or "HARMONY") padded to
// 8 characters, then the column names for 13..15 bodies with or without
// Chiron.
std::string TableHeading(const std::string& word, int bodiesShown, bool chiron);
// A table cell: the value under "#0.00" padded to 6 and a blank, or "  ---- "
// when it shows as zero.
std::string TableCell(float value);

void PrintPowerHarmonyTables(ProgramState& ps);
