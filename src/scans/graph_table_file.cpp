#include "scans/graph_table_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

// The most rows a graph window can hold: its last row index plus one must
// stay a 16-bit number.
constexpr int kMaxGraphRows = 32766;

std::string WithoutSignBlank(std::string text) {
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    return text;
}

// Items of the file in order across commas and line ends; a quoted item
// keeps its commas and loses its quotes.
std::vector<std::string> FileItems(const std::string& bytes) {
    std::vector<std::string> items;
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        while (i < n && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
        std::string item;
        if (i < n && bytes[i] == '"') {
            ++i;
            while (i < n && bytes[i] != '"') item += bytes[i++];
            if (i < n) ++i;  // closing quote
            while (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') ++i;
        } else {
            while (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') item += bytes[i++];
        }
        items.push_back(item);
        if (i < n && bytes[i] == ',') {
            ++i;
            if (i == n) items.emplace_back();
        } else {
            // A line end (CR LF, LF or CR alone) closes the item; empty lines add nothing.
            while (i < n && (bytes[i] == '\r' || bytes[i] == '\n')) ++i;
        }
    }
    return items;
}

bool IsWholeCount(const std::string& text, int& count) {
    std::size_t b = text.find_first_not_of(' ');
    std::size_t e = text.find_last_not_of(' ');
    if (b == std::string::npos) return false;
    const std::string digits = text.substr(b, e - b + 1);
    if (digits.empty() || digits.size() > 9) return false;
    for (char c : digits)
        if (c < '0' || c > '9') return false;
    count = std::stoi(digits);
    return true;
}

}  // namespace

std::string GraphFilePath(const std::string& appPath) { return JoinPath(appPath, kGraphFileName); }

std::string GraphNumberText(float value) {
    std::string text = WithoutSignBlank(Str(value));
    if (static_cast<float>(Val(text)) == value || !std::isfinite(value)) return text;
    // Seven digits do not give this single back: the fewest of eight or nine
    // that do, nine always being enough.
    for (int digits = 8; digits <= 9; ++digits) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(value));
        text = WithoutSignBlank(Str(std::strtod(buffer, nullptr)));
        if (static_cast<float>(Val(text)) == value) break;
    }
    return text;
}

std::string GraphDateText(const DateTime& date, int dateOrder) {
    const char* mask = dateOrder == 2 ? "yyyy/mm/dd" : dateOrder == 1 ? "dd/mm/yyyy" : "mm/dd/yyyy";
    return FormatDate(date, mask);
}

std::string GraphFileText(const std::vector<GraphRow>& values, const std::vector<std::string>& dates, int count) {
    std::string out = Str(count) + " \r\n";
    for (int r = 1; r <= count; ++r) {
        const std::string date = r < static_cast<int>(dates.size()) ? dates[r] : std::string();
        out += '"' + date + '"';
        const GraphRow row = r < static_cast<int>(values.size()) ? values[r] : GraphRow{};
        for (int c = 1; c <= 12; ++c) out += ',' + GraphNumberText(row[c]);
        out += "\r\n";
    }
    return out;
}

bool WriteGraphFile(ProgramState& ps, int count) {
    const GraphState& g = ps.scans.Graph;
    const std::string path = GraphFilePath(ps.settings.AppPath);
    if (WriteFileBytes(path, GraphFileText(g.GraphValues, g.GraphDates, count))) return true;
    MsgBox("The graph table " + PathToText(path) + " could not be written.", MsgButtons::OK, "Graph",
           MsgIcon::Exclamation);
    return false;
}

std::optional<GraphTable> ParseGraphFile(const std::string& bytes) {
    const std::vector<std::string> items = FileItems(bytes);
    int count = 0;
    if (items.empty() || !IsWholeCount(items[0], count) || count < 1) return std::nullopt;
    if (count > kMaxGraphRows) count = kMaxGraphRows;
    GraphTable t;
    t.TableDates.assign(static_cast<std::size_t>(count) + 1, std::string());
    t.TableValues.assign(static_cast<std::size_t>(count) + 1, GraphRow{});
    std::size_t k = 1;
    int row = 0;
    while (row < count && k < items.size()) {
        ++row;
        t.TableDates[row] = items[k++];
        for (int c = 1; c <= 12 && k < items.size(); ++c) t.TableValues[row][c] = static_cast<float>(Val(items[k++]));
    }
    if (row < 1) return std::nullopt;
    t.RowCount = row;
    t.TableDates.resize(static_cast<std::size_t>(row) + 1);
    t.TableValues.resize(static_cast<std::size_t>(row) + 1);
    return t;
}

std::optional<GraphTable> ReadGraphFile(const std::string& appPath) {
    const std::string path = GraphFilePath(appPath);
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        MsgBox("The graph table " + PathToText(path) + " cannot be read.", MsgButtons::OK, "Graph",
               MsgIcon::Exclamation);
        return std::nullopt;
    }
    std::optional<GraphTable> table = ParseGraphFile(*bytes);
    if (!table)
        MsgBox("The graph table " + PathToText(path) + " holds no table to draw.", MsgButtons::OK, "Graph",
               MsgIcon::Exclamation);
    return table;
}
