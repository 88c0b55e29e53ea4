#include "scans/names_runs.h"

#include "app/output_buffer.h"
#include "app/number_padding.h"
#include "people/chart_run.h"
#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "platform/screen_pointer.h"
#include "program_state.h"
#include "scans/batch_score_list.h"
#include "scans/best_days_report.h"
#include "scans/pair_chart_cache.h"
#include "scans/run_progress.h"
#include "scans/scan_engines.h"
#include "scans/scan_tables.h"

namespace {

const char* const kNoPairMessage = "No pair of the list was scored, so there are no averages to give.";

enum class Walk { AllVsAll, OneVsAll };
enum class Scoring { Couple, Criteria };

struct RunShape {
    Walk walk;
    Scoring scoring;
};

// The set-up every run shares: quiet, dated lines as asked, output and
// batch list emptied.
void StartRun(ProgramState& ps, int datedLines) {
    ps.chart.QuietMode = 1;
    ps.scans.DatedLines = datedLines;
    ps.chart.CompositeLatText.clear();
    ps.people.NamesListStale = 0;
    EmptyOutput(ps.output);
    ps.scans.BatchLines.assign(2, "");
    ps.scans.BatchLineCount = 0;
}

// The end step, also after a failure.
void EndRun(ProgramState& ps) {
    ps.chart.QuietMode = 0;
    ps.scans.DatedLines = 0;
    ps.scans.BatchMode = 0;
    ps.people.SecondPersonChecked = 0;
    SetMousePointer(kDefaultPointer);
}

NamesRunEnd Fail(ProgramState& ps, Walk walk) {
    CloseProgress();
    const bool all = walk == Walk::AllVsAll;
    MsgBox(all ? kAllVsAllErrorMessage : kOneVsAllErrorMessage, MsgButtons::OK, "Error!", MsgIcon::Critical);
    EndRun(ps);
    return all ? NamesRunEnd::BadRecord : NamesRunEnd::NoSelection;
}

bool WalksBothOrders(const ProgramState& ps) { return ps.settings.OptionValues[36] != 0; }

// One pair, loaded and checked. Returns false on a record that cannot be
// read; scored tells whether the pair reached its scoring.
struct PairRunner {
    ProgramState& ps;
    NamesRunFields& f;
    PairInputGuard guard;
    Scoring scoring;
    bool anyScanned = false;
    PairChartCache cache{std::max(NamesRecordCount(ps), 0)};

    bool ComputeCharts(int i, int j) {
        if (!ps.scans.CacheNamesCharts) return ComputeChartsFromFields(ps, f.Natal, f.Diurnal);
        return ComputeChartsFromFields(ps, f.Natal, f.Diurnal,
                                       [this, i, j](ProgramState& p, const DataSetFields& n, const DataSetFields& d) {
                                           cache.ComputePair(p, i, j, n, d);
                                       });
    }

    bool Run(int i, int j, bool& computed) {
        computed = false;
        if (!NamesMayPair(ps.people.NamesName[i], ps.people.NamesName[j], ps.scans.NamesCheck2 == 1)) return true;
        if (!LoadRecordAsNatal(ps, f, i) || !LoadRecordAsDiurnal(ps, f, j)) return false;
        if (!YearsWithinGap(ps, i, j)) return true;
        if (guard.Refused(i, j)) return true;
        if (!ComputeCharts(i, j)) {
            guard.NoteRefusal(ps, f, i, j);
            return true;
        }
        computed = true;
        ++f.ChartsComputed;
        return true;
    }

    void Score() {
        if (scoring == Scoring::Couple) {
            InterchartCosmodynes(ps);
            return;
        }
        ps.scans.BatchMode = 1;
        BestDaysReport(ps, 0);
        ps.scans.BatchMode = 0;
        anyScanned = true;
    }

    // Every pair of the list with the progress bar: each record against
    // those after it, or against all others when both orders are walked; a
    // blank line after each record's row when asked. False on a record that
    // cannot be read.
    bool RunAllVsAll(int n, bool blankAfterRow) {
        const bool both = WalksBothOrders(ps);
        for (int i = 0; i <= (both ? n - 1 : n - 2); ++i) {
            for (int j = 0; j < n; ++j) {
                if (both ? j == i : j <= i) continue;
                if (n > 2) ShowRunProgress((n - 2) * i + j, (n - 2) * (n - 1));
                bool computed = false;
                if (!Run(i, j, computed)) return false;
                if (computed) Score();
            }
            if (blankAfterRow) AppendBlankLine(ps);
        }
        return true;
    }

    // The selected record against every other one with the progress bar;
    // beforeScore() runs before each pair that is scored. False on a record
    // that cannot be read.
    template <typename BeforeScore>
    bool RunOneVsAll(int sel, int n, BeforeScore beforeScore) {
        for (int j = 0; j < n; ++j) {
            ShowRunProgress(j, n - 1);
            if (j == sel) continue;
            bool computed = false;
            if (!Run(sel, j, computed)) return false;
            if (!computed) continue;
            beforeScore();
            Score();
        }
        return true;
    }
};

}  // namespace

bool CoupleAllVsAllFits(const ProgramState& ps) {
    const long long n = NamesRecordCount(ps);
    const long long pairs = WalksBothOrders(ps) ? n * (n - 1) : n * (n - 1) / 2;
    // Header lines, one line per pair, the blank line of each page shown and
    // the two averages.
    if (pairs + 3 + 1 + 2 + 1 <= kMaxOutputLines) return true;
    MsgBox("The names list has too many pairs for the report: All vs All would write " + std::to_string(pairs) +
               " lines, more than the report can hold (" + std::to_string(kMaxOutputLines) +
               "). Please use a shorter names list.",
           MsgButtons::OK, "Warning!", MsgIcon::Exclamation);
    return false;
}

NamesRunEnd CoupleAllVsAll(ProgramState& ps, NamesRunFields& f) {
    ScanState& s = ps.scans;
    StartRun(ps, 1);
    AppendBlankLine(ps);
    ps.output.CurrentLine = "  All vs All - ('P' = Power, 'P*H' = Power times Harmony, 'H' = Harmony)";
    AppendLine(ps);
    AppendBlankLine(ps);
    OpenProgress();

    const int n = NamesRecordCount(ps);
    s.BatchPowerSum = s.BatchHarmonySum = s.BatchPHSum = 0;
    s.BatchPairCount = 0;
    PairRunner runner{ps, f, PairInputGuard(std::max(n, 0)), Scoring::Couple};
    if (!runner.RunAllVsAll(n, false)) return Fail(ps, Walk::AllVsAll);
    ShowOutput(ps);
    CloseProgress();
    if (s.BatchPairCount == 0) {
        MsgBox(kNoPairMessage, MsgButtons::OK, "Information", MsgIcon::Information);
    } else {
        ps.output.CurrentLine =
            "  Average Harmony = " + PadSignedNumber(Format(s.BatchHarmonySum / s.BatchPairCount, "#0.00"));
        AppendLine(ps);
        ps.output.CurrentLine =
            "  Average Power * Harmony = " + PadSignedNumber(Format(s.BatchPHSum / s.BatchPairCount, "#0.00"));
        AppendLine(ps);
        ShowOutput(ps);
    }
    EndRun(ps);
    return NamesRunEnd::Done;
}

NamesRunEnd CoupleOneVsAll(ProgramState& ps, NamesRunFields& f, const std::string& selectedName) {
    StartRun(ps, 0);
    AppendBlankLine(ps);
    OpenProgress();
    const int n = NamesRecordCount(ps);
    const int sel = SelectedRecord(ps, selectedName);
    if (sel < 0 || n - 1 < 1) return Fail(ps, Walk::OneVsAll);

    PairRunner runner{ps, f, PairInputGuard(n), Scoring::Couple};
    bool header = false;
    const bool walked = runner.RunOneVsAll(sel, n, [&] {
        if (header) return;
        const std::string label = FirstNameOf(f.NatalName) + " (" +
                                  FormatDateText(ps.chart.NatalDateText, "dd mmm yyyy", ps.settings.DateOrder) + ", " +
                                  f.Natal.Email + ")";
        ps.output.CurrentLine = "  " + label + " vs All - ('P' = Power, 'P*H' = Power times Harmony, 'H' = Harmony)";
        AppendLine(ps);
        header = true;
    });
    if (!walked) return Fail(ps, Walk::OneVsAll);
    ShowOutput(ps);
    CloseProgress();
    SortAndListBatchScores(ps);
    EndRun(ps);
    return NamesRunEnd::Done;
}

NamesRunEnd CriteriaAllVsAll(ProgramState& ps, NamesRunFields& f) {
    StartRun(ps, 1);
    OpenProgress();
    const int n = NamesRecordCount(ps);
    PairRunner runner{ps, f, PairInputGuard(std::max(n, 0)), Scoring::Criteria};
    if (!runner.RunAllVsAll(n, true)) return Fail(ps, Walk::AllVsAll);
    // The scans of a run leave the table file of the last pair scanned.
    if (runner.anyScanned) WriteScanTable(ps, kBestDaysTableFile, BestDaysTableText(ps.scans, ps.scans.BatchLineCount));
    ShowOutput(ps);
    CloseProgress();
    if (ps.settings.OptionValues[36] != 1) SortAndListBatchScores(ps, false);
    EndRun(ps);
    return NamesRunEnd::Done;
}

NamesRunEnd CriteriaOneVsAll(ProgramState& ps, NamesRunFields& f, const std::string& selectedName) {
    StartRun(ps, 1);
    AppendBlankLine(ps);
    OpenProgress();
    const int n = NamesRecordCount(ps);
    const int sel = SelectedRecord(ps, selectedName);
    if (sel < 0 || n - 1 < 1) return Fail(ps, Walk::OneVsAll);
    PairRunner runner{ps, f, PairInputGuard(n), Scoring::Criteria};
    if (!runner.RunOneVsAll(sel, n, [] {})) return Fail(ps, Walk::OneVsAll);
    if (runner.anyScanned) WriteScanTable(ps, kBestDaysTableFile, BestDaysTableText(ps.scans, ps.scans.BatchLineCount));
    ShowOutput(ps);
    CloseProgress();
    EndRun(ps);
    return NamesRunEnd::Done;
}
