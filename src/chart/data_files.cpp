#include "chart/data_files.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/text_file.h"
#include "program_state.h"

namespace {

// Calls fn(value, line) for every number of a file whose numbers are
// separated by commas or line ends, in order, with the number of its line
// (from 1), until fn returns false. Empty fields give 0, as an empty item
// does when such a file is read item by item.
template <typename Fn>
void ForEachNumber(const std::string& bytes, Fn fn) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    int line = 1;
    while (p < end) {
        const char* fieldEnd = p;
        while (fieldEnd < end && *fieldEnd != ',' && *fieldEnd != '\n' && *fieldEnd != '\r') ++fieldEnd;
        const bool blankLineEnd = (fieldEnd == p) && fieldEnd < end && (*fieldEnd == '\n' || *fieldEnd == '\r');
        if (!blankLineEnd) {
            if (!fn(Val(std::string_view(p, static_cast<size_t>(fieldEnd - p))), line)) return;
        }
        p = fieldEnd;
        // One comma ends a field; a CR LF (or LF, or CR) ends a line and the field on it.
        if (p < end && *p == ',') {
            ++p;
        } else {
            while (p < end && (*p == '\r' || *p == '\n')) {
                p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
                ++line;
            }
        }
    }
}

// Tells the user which lines of a data file hold numbers its single
// precision table cannot take; they count as 0.
void ReportTooLarge(const std::string& name, const std::vector<int>& lines) {
    if (lines.empty()) return;
    std::string where = LineNumbersText(lines);
    where[0] = 'L';
    MsgBox(where + " of the data file " + name + (lines.size() == 1 ? " holds" : " hold") +
               " a number too large to use. Such a number counts as 0.",
           MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
}

// Tells the user that a data file holds fewer lines (or values) than its
// table needs (a damaged install); the entries it does not reach count as 0.
void ReportShortFile(const std::string& name, std::size_t held, std::size_t needed,
                     const std::string& units = "lines") {
    if (held >= needed) return;
    MsgBox("The data file " + name + " holds " + std::to_string(held) + " of the " + std::to_string(needed) + " " +
               units + " its table needs. The " + units + " missing count as 0.",
           MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
}

std::optional<std::string> OpenDataFile(const ProgramState& ps, const std::string& name) {
    auto bytes = ReadFileBytes(JoinPath(ps.settings.AppPath, name));
    if (!bytes) MsgBox("The data file " + name + " could not be read. Its table stays empty.", MsgButtons::OK,
                       "File Not Found", MsgIcon::Exclamation);
    return bytes;
}

// The whole part of a table number, held within the range of int; outOfRange
// is set when the number had to be held at an end.
int WholeTableValue(double v, bool& outOfRange) {
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (std::isnan(v)) {
        outOfRange = true;
        return 0;
    }
    const double whole = std::trunc(v);
    if (whole < lo || whole > hi) {
        outOfRange = true;
        return whole < lo ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(whole);
}

template <size_t N>
void LoadWholeNumbers(const ProgramState& ps, const std::string& name, std::array<int, N>& table) {
    table.fill(0);
    auto bytes = OpenDataFile(ps, name);
    if (!bytes) return;
    size_t i = 0;
    bool outOfRange = false;
    ForEachNumber(*bytes, [&](double v, int) {
        table[i++] = WholeTableValue(v, outOfRange);
        return i < N;
    });
    if (outOfRange)
        MsgBox("The data file " + name + " holds a number its table cannot take. It was held at the nearest value it can.",
               MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
    // The wheel places its cusp texts and ring positions with these values,
    // so a file cut short is told.
    ReportShortFile(name, i, N, "values");
}

}  // namespace

double PointsLineValue(const char* line, int length) {
    int p = 0;  // 1-based position of the first "=", 0 when there is none
    for (int i = 0; i < length; ++i)
        if (line[i] == '=') {
            p = i + 1;
            break;
        }
    const int take = length - p - 1;
    if (take <= 0) return 0.0;
    return Val(std::string_view(line + (length - take), static_cast<size_t>(take)));
}

void LoadDataFiles(ProgramState& ps) {
    ChartState& cs = ps.chart;

    LoadWholeNumbers(ps, "HCDATA.DAT", cs.HcData);

    for (auto& plane : cs.PointsCube)
        for (auto& row : plane) row.fill(0.0f);
    if (auto bytes = OpenDataFile(ps, "DATA_VALUES_USED.DAT")) {
        const std::vector<std::string> lines = SplitTextLines(*bytes);
        std::vector<int> tooLarge;
        size_t n = 0;
        for (int i = 0; i <= 10; ++i)
            for (int j = 0; j <= 10; ++j)
                for (int k = 0; k <= 8; ++k, ++n) {
                    if (n >= lines.size()) continue;  // a short file leaves the rest at 0
                    const std::string& line = lines[n];
                    const std::optional<float> read = ToSingle(PointsLineValue(line.data(), static_cast<int>(line.size())));
                    if (!read) tooLarge.push_back(static_cast<int>(n) + 1);
                    const float value = read.value_or(0.0f);
                    // Both orders are written, so the later of two mirrored
                    // lines decides both elements.
                    cs.PointsCube[k][j][i] = value;
                    cs.PointsCube[k][i][j] = cs.PointsCube[k][j][i];
                }
        ReportTooLarge("DATA_VALUES_USED.DAT", tooLarge);
        ReportShortFile("DATA_VALUES_USED.DAT", lines.size(), n);
    }

    LoadWholeNumbers(ps, "RADIUS.DAT", cs.RingRadius);

    cs.ChironLongitudeTable.assign(60000, 0.0f);
    cs.ChironDeclinationTable.assign(60000, 0.0f);
    if (auto bytes = OpenDataFile(ps, "CHIRON.DAT")) {
        size_t index = 0;
        std::vector<int> tooLarge;
        ForEachNumber(*bytes, [&](double v, int line) {
            const std::optional<float> read = ToSingle(v);
            if (!read && (tooLarge.empty() || tooLarge.back() != line)) tooLarge.push_back(line);
            // Numbers alternate: longitude, then declination of the same day.
            if (index % 2 == 0)
                cs.ChironLongitudeTable[index / 2] = read.value_or(0.0f);
            else
                cs.ChironDeclinationTable[index / 2] = read.value_or(0.0f);
            ++index;
            return index < 2 * cs.ChironLongitudeTable.size();
        });
        ReportTooLarge("CHIRON.DAT", tooLarge);
        // One line per day: a longitude and a declination.
        ReportShortFile("CHIRON.DAT", index / 2, cs.ChironLongitudeTable.size());
    }
}
