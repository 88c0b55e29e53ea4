#pragma once
// The graph table file "out_1.csv" in the program folder: the hand-over from
// the series and around-the-clock runs to the graph window. Line 1 is the
// row count (" 3 "), then one line per row: the quoted date text and the
// twelve values, comma-separated, CR LF line ends.
#include <optional>
#include <string>
#include <vector>

#include "platform/dates.h"
#include "scans/graph_state.h"

struct ProgramState;

inline constexpr const char* kGraphFileName = "out_1.csv";

// The file's path in the program folder.
std::string GraphFilePath(const std::string& appPath);

// A value as the file writes it: "." always, no leading zero, no blank
// (.25, -3, 1.5E+07); at most seven significant digits unless more are
// needed for the text to read back as the same single-precision value.
std::string GraphNumberText(float value);

// A row's date text: the mask of the regional date order (2 "yyyy/mm/dd",
// 1 "dd/mm/yyyy", otherwise "mm/dd/yyyy"), "/" the regional separator.
std::string GraphDateText(const DateTime& date, int dateOrder);

// The whole file for rows 1..count of the table.
std::string GraphFileText(const std::vector<GraphRow>& values, const std::vector<std::string>& dates, int count);

// Writes rows 1..count of the graph table as the whole file. False (after a
// message naming the file) when it cannot be written.
bool WriteGraphFile(ProgramState& ps, int count);

// The table as the graph window reads it back.
struct GraphTable {
    int RowCount = 0;
    std::vector<std::string> TableDates;  // 0..RowCount
    std::vector<GraphRow> TableValues;    // 0..RowCount
    std::vector<int> TooLarge;            // lines (from 1) with a number too large to use, read as 0
};

// Reads the text of a graph file: at most the count's rows; fewer rows
// present make the count smaller. nullopt when there is no count of 1 or
// more (or no row at all).
std::optional<GraphTable> ParseGraphFile(const std::string& bytes);

// Reads the program folder's graph file. When it is missing, unreadable or
// holds no table, the user is told with a message naming it and nullopt
// comes back. Numbers too large to use are told once, with their lines.
std::optional<GraphTable> ReadGraphFile(const std::string& appPath);
