#pragma once
// The four chart tables read once at start from the program folder.
struct ProgramState;

// Reads "HCDATA.DAT", "DATA_VALUES_USED.DAT", "RADIUS.DAT" and "CHIRON.DAT"
// from AppPath into their tables. A file that is missing gives one "File Not
// Found" message naming it and leaves its table at 0; a short file loads what
// it has (a file shorter than its table is told, once, by name and count);
// values beyond a table's size are ignored.
void LoadDataFiles(ProgramState& ps);

// The value of one "label = value" line: the number that starts two
// characters after the first "=" (from the second character when there is
// no "="), 0 when none.
double PointsLineValue(const char* line, int length);
