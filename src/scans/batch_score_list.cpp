#include "scans/batch_score_list.h"

#include <cmath>
#include <utility>
#include <vector>

#include "app/output_buffer.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double BatchEntryScore(const std::string& entry) {
    size_t end = entry.find_last_not_of(' ');
    if (end == std::string::npos || !IsDigit(entry[end])) return 0.0;
    const char sep = DecimalSeparator();
    size_t from = end;
    while (from > 0 && (IsDigit(entry[from - 1]) || entry[from - 1] == '.' || entry[from - 1] == sep)) --from;
    if (from > 0 && entry[from - 1] == '-') --from;
    std::string number = entry.substr(from, end - from + 1);
    for (char& c : number)
        if (c == sep) c = '.';
    return Val(number);
}

void SortAndListBatchScores(ProgramState& ps, bool listSingleEntry) {
    ScanState& s = ps.scans;
    int c = s.BatchLineCount;
    if (c > 0) {
        c -= 1;
        s.BatchLineCount = c;
    } else {
        return;
    }
    if (c == 0 && !listSingleEntry) return;

    std::vector<std::string>& lines = s.BatchLines;
    if (static_cast<int>(lines.size()) < c + 1) lines.resize(c + 1);
    // Each entry's score is read once; the sort exchanges scores with lines.
    std::vector<double> keys(c + 1);
    for (int k = 0; k <= c; ++k) keys[k] = BatchEntryScore(lines[k]);
    if (!(s.BestDaysMode == 1 && s.NoBatchSort == 1)) {
        for (int i = 0; i < c; ++i)
            for (int j = i + 1; j <= c; ++j)
                if (keys[i] < keys[j]) {
                    std::swap(keys[i], keys[j]);
                    std::swap(lines[i], lines[j]);
                }
    }
    AppendBlankLine(ps);
    const double threshold = Val(s.NamesText1);
    for (int k = 0; k <= c; ++k) {
        ps.output.CurrentLine = lines[k];
        if (std::fabs(keys[k]) >= threshold) AppendLine(ps);
    }
    ShowOutput(ps);
}
