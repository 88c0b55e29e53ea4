#include "scans/best_days_report.h"

#include <array>
#include <string>
#include <vector>

#include "app/output_buffer.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/screen_pointer.h"
#include "program_state.h"
#include "scans/aspect_balance.h"
#include "scans/batch_score_list.h"
#include "scans/pair_criteria.h"
#include "scans/run_progress.h"
#include "scans/scan_days.h"
#include "scans/scan_engines.h"
#include "scans/scan_tables.h"

namespace {

std::string LeftTrimmed(const std::string& text) {
    const size_t from = text.find_first_not_of(' ');
    return from == std::string::npos ? std::string() : text.substr(from);
}

// The bodies of the per-body table, in its column order.
constexpr std::array<int, 12> kTableBodies = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15};

// The best-days line of the day just scored, with its per-body values.
void StoreBestDaysLine(ProgramState& ps) {
    ScanState& s = ps.scans;
    const std::string date = FormatDateText(ps.chart.DateText, "dd mmm yyyy", ps.settings.DateOrder);
    std::array<float, 24> values{};
    std::string line;
    if (s.PerDayResult == 0) {
        line = "  " + date + ": " + LeftTrimmed(ps.output.CurrentLine);
        const CosmodyneState& c = ps.cosmodynes;
        for (size_t k = 0; k < kTableBodies.size(); ++k) {
            const int b = kTableBodies[k];
            values[2 * k] = static_cast<float>(c.AspectPower[b]);
            values[2 * k + 1] = static_cast<float>(c.Harmony[b] - c.Discord[b]);
        }
    } else {
        line = "  " + date + ": " + std::to_string(s.AspectBalance);
    }
    if (static_cast<int>(s.BatchLines.size()) <= s.BatchLineCount) s.BatchLines.resize(s.BatchLineCount + 1);
    s.BatchLines[s.BatchLineCount] = std::move(line);
    if (static_cast<int>(s.DayBodyDynes.size()) <= s.BatchLineCount) s.DayBodyDynes.resize(s.BatchLineCount + 1);
    s.DayBodyDynes[s.BatchLineCount] = values;
    ++s.BatchLineCount;
    s.BatchLines.resize(s.BatchLineCount + 1);
    s.DayBodyDynes.resize(s.BatchLineCount + 1);
}

}  // namespace

float AskScanYears(const char* defaultText) {
    const auto answer = InputBox("Enter number of years:", "Number of Years", defaultText);
    return answer ? static_cast<float>(Val(*answer)) : 0.0f;
}

void BestDaysReport(ProgramState& ps, float years) {
    ScanState& s = ps.scans;
    ChartState& cs = ps.chart;
    OutputState& out = ps.output;
    const bool batch = s.BatchMode != 0;
    int last = 0;
    if (!batch) {
        if (!(years > 0)) return;
        if (!DaysFit(years)) {
            MsgBox(kTooManyDaysMessage, MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
            return;
        }
        last = ScanLastDay(years);
    }
    s.DayBodyDynes.assign(2, {});
    if (!batch) OpenProgress();
    for (int c = 1; c <= 13; ++c) cs.WorkCusps[c] = cs.NatalCusps[c];

    const int days = last + 1;
    std::vector<std::array<double, 14>> dayLongitudes(std::max(days, 0));
    std::vector<std::string> dayHouses(std::max(days, 0));
    if (s.BestDaysMode == 1) {
        s.BatchLines.reserve(std::max(days, 0) + 1);
        s.DayBodyDynes.reserve(std::max(days, 0) + 1);
    }

    if (!batch) {
        StartReport(ps);
        StartReportWithHeader(ps);
        AppendBlankLine(ps);
        if (s.BestDaysMode == 1 && s.PerDayResult == 0) {
            out.CurrentLine = "  Best Days for You According to Cosmodynes";
            AppendLine(ps);
        }
    }
    s.ScanDayCount = last;
    s.DaySummary.clear();
    s.FirstHitDone = 0;

    std::array<double, 14> savedLongitudes{}, savedDeclinations{};
    for (int i = 0; i <= last; ++i) {
        if (last >= 1 && !batch) ShowRunProgress(i, last);
        std::array<double, 14>& day = dayLongitudes[i];
        if (!batch) {
            s.FirstHitDone = 0;
            ComputeScanDay(ps, i);
            for (int k = 1; k <= 13; ++k) day[k] = cs.WorkLongitudes[k];
            dayHouses[i] = cs.HouseString;
        } else {
            for (int k = 1; k <= 13; ++k) day[k] = cs.SecondLongitudes[k];
            dayHouses[i] = cs.HouseStringB;
        }

        cs.QuietMode = 1;
        if (s.BestDaysMode == 0) {
            s.BatchLines.assign(2, "");
            s.BatchLineCount = 0;
        }
        for (int k = 1; k <= 13; ++k) {
            savedLongitudes[k] = cs.SecondLongitudes[k];
            cs.SecondLongitudes[k] = day[k];
            savedDeclinations[k] = cs.SecondDeclinations[k];
            cs.SecondDeclinations[k] = cs.WorkDeclinations[k];
        }
        std::string savedHouses = std::move(cs.HouseStringB);
        cs.HouseStringB = dayHouses[i];
        if (batch) out.CurrentLine.clear();

        if (s.PerDayResult == 1) CountAspectBalance(ps);
        else InterchartCosmodynes(ps);
        if (out.CurrentLine.find("(P*H") != std::string::npos) s.DaySummary = LeftTrimmed(out.CurrentLine);

        for (int k = 1; k <= 13; ++k) {
            day[k] = cs.SecondLongitudes[k];
            cs.SecondLongitudes[k] = savedLongitudes[k];
            cs.WorkDeclinations[k] = cs.SecondDeclinations[k];
            cs.SecondDeclinations[k] = savedDeclinations[k];
        }
        dayHouses[i] = std::move(cs.HouseStringB);
        cs.HouseStringB = std::move(savedHouses);
        if (!batch) cs.QuietMode = 0;

        if (s.BestDaysMode == 1) StoreBestDaysLine(ps);
        else RunDayCriteria(ps, day);
    }

    // A criteria run of no day holds no line of its own: the header only.
    // A one-pair scan of a run over the names list leaves the file to the
    // run, which writes it once for its last pair.
    const bool noDay = last < 0 && s.BestDaysMode != 1;
    if (!batch) WriteScanTable(ps, kBestDaysTableFile, BestDaysTableText(s, noDay ? 0 : s.BatchLineCount));
    if (s.BestDaysMode == 1) SortAndListBatchScores(ps);
    else if (!batch) ShowOutput(ps);
    if (!batch) {
        CloseProgress();
        SetMousePointer(kDefaultPointer);
    }
}
