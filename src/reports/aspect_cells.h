#pragma once
// Pieces shared by the aspect grids: row labels and five-character cells.
#include <string>

struct Settings;

// Seven characters: two blanks, the first three letters of the body's name
// and two blanks; "N.N", "S.N" and "Chi" for the nodes and Chiron.
std::string RowLabel(const Settings& s, int body);
// "---  " for code 1 (no aspect); otherwise the aspect's angle right-aligned
// in three places and two blanks (" 60  ", "120  ", "  0  ").
std::string AngleCell(const Settings& s, int code);
