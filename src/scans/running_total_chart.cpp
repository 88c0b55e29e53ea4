#include "scans/running_total_chart.h"

#include <algorithm>

#include "platform/dates.h"
#include "platform/numbers.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The number between the character after `from` and the next `until` (or the line's end).
double NumberBetween(std::string_view line, std::size_t from, char until) {
    if (from == npos || from + 1 > line.size()) return 0;
    std::string_view rest = line.substr(from + 1);
    const std::size_t end = rest.find(until);
    return Val(end == npos ? rest : rest.substr(0, end));
}

}  // namespace

double RunningTotalLineValue(std::string_view line, RunningTotalKind kind) {
    switch (kind) {
        case RunningTotalKind::PowerTimesHarmony: {
            const std::size_t ph = line.find("P*H");
            if (ph == npos) return 0;
            return NumberBetween(line, line.find('=', ph), ')');
        }
        case RunningTotalKind::PowerByHarmony: {
            const std::size_t p = line.find("P =");
            if (p == npos) return 0;
            const double power = NumberBetween(line, p + 2, '(');
            const std::size_t close = line.find(')', p);
            if (close == npos) return 0;
            const std::size_t eq = line.find('=', close);
            if (eq == npos || eq + 1 >= line.size()) return 0;
            // The harmony is read one character short of the line's end.
            const double harmony = Val(line.substr(eq + 1, line.size() - eq - 2));
            return power * harmony;
        }
        case RunningTotalKind::AspectBalance: {
            const std::size_t colon = line.find(':');
            if (colon == npos) return 0;
            return Val(line.substr(colon + 1));
        }
    }
    return 0;
}

RunningTotalChart BuildRunningTotalChart(const std::vector<std::string>& lines, int lineCount, int dayCount,
                                         RunningTotalKind kind, const std::string& chartName, int dateOrder) {
    RunningTotalChart chart;
    chart.Title = "Power*Harmony for " + chartName + "     ";
    const int present = std::min(lineCount, static_cast<int>(lines.size()));
    const int rows = std::min(dayCount, present);
    double total = 0;
    for (int r = 1; r <= rows; ++r) {
        const std::string& line = lines[r - 1];
        total += RunningTotalLineValue(line, kind);
        chart.Values.push_back(total);
        const std::size_t start = line.find_first_not_of(' ');
        const std::string date = start == std::string::npos ? std::string() : line.substr(start, 11);
        chart.Labels.push_back(FormatDateText(date, "mm/dd/yy", dateOrder));
    }
    return chart;
}

std::string SafeChartFileName(const std::string& chartName) {
    std::string name = chartName;
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127 || std::string_view("/\\:*?\"<>|").find(c) != npos) c = '_';
    }
    for (char& c : name) {
        if (c != '.') break;
        c = '_';
    }
    return name.empty() ? "chart" : name;
}

const char* RunningTotalFileEnding(RunningTotalKind kind) {
    switch (kind) {
        case RunningTotalKind::PowerTimesHarmony: return "0.bmp";
        case RunningTotalKind::PowerByHarmony: return "1.bmp";
        case RunningTotalKind::AspectBalance: return "2.bmp";
    }
    return "0.bmp";
}
