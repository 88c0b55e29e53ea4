#include "scans/graph_table_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/options_file.h"
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

// An item of the file and the line it starts on (from 1).
struct FileItem {
    std::string text;
    int line = 1;
};

// Items of the file in order across commas and line ends; a quoted item
// keeps its commas and loses its quotes.
std::vector<FileItem> FileItems(const std::string& bytes) {
    std::vector<FileItem> items;
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    int line = 1;
    // A line ends at an LF, or at a CR not followed by one.
    const auto endsLine = [&](std::size_t at) {
        return bytes[at] == '\n' || (bytes[at] == '\r' && (at + 1 == n || bytes[at + 1] != '\n'));
    };
    while (i < n) {
        while (i < n && (bytes[i] == ' ' || bytes[i] == '\t')) ++i;
        FileItem item;
        item.line = line;
        if (i < n && bytes[i] == '"') {
            ++i;
            while (i < n && bytes[i] != '"') {
                if (endsLine(i)) ++line;
                item.text += bytes[i++];
            }
            if (i < n) ++i;  // closing quote
            while (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') ++i;
        } else {
            while (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') item.text += bytes[i++];
        }
        items.push_back(item);
        if (i < n && bytes[i] == ',') {
            ++i;
            if (i == n) items.push_back(FileItem{std::string(), line});
        } else {
            // A line end closes the item; empty lines add nothing.
            while (i < n && (bytes[i] == '\r' || bytes[i] == '\n')) line += endsLine(i++);
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
    const std::vector<FileItem> items = FileItems(bytes);
    int count = 0;
    if (items.empty() || !IsWholeCount(items[0].text, count) || count < 1) return std::nullopt;
    if (count > kMaxGraphRows) count = kMaxGraphRows;
    GraphTable t;
    t.TableDates.assign(static_cast<std::size_t>(count) + 1, std::string());
    t.TableValues.assign(static_cast<std::size_t>(count) + 1, GraphRow{});
    std::size_t k = 1;
    int row = 0;
    while (row < count && k < items.size()) {
        ++row;
        t.TableDates[row] = items[k++].text;
        for (int c = 1; c <= 12 && k < items.size(); ++c, ++k) {
            // A number beyond single precision counts as 0.
            const std::optional<float> value = ToSingle(Val(items[k].text));
            if (!value && (t.TooLarge.empty() || t.TooLarge.back() != items[k].line)) t.TooLarge.push_back(items[k].line);
            t.TableValues[row][c] = value.value_or(0.0f);
        }
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
    else
        ReportTooLarge(path, table->TooLarge, "Such a number counts as 0.");
    return table;
}
