#include "scans/pair_criteria.h"

#include <cmath>

#include "app/output_buffer.h"
#include "chart/angle_helpers.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

constexpr unsigned kAll4 = kSextile | kTrine | kOpposition | kConjunction;
constexpr unsigned kSTC = kSextile | kTrine | kConjunction;

// Composite rows: both bodies are composite longitudes; the sextile orb is
// the row's own orb option.
constexpr std::array<PairCriterion, 9> kComposite{{
    {1, 1, 10, kAll4, 53, 53, true, "     Composite Sun ", " composite Moon.", nullptr},
    {2, 1, 3, kAll4, 53, 53, true, "     Composite Sun ", " composite Venus.", nullptr},
    {3, 1, 5, kAll4, 53, 53, true, "     Composite Sun ", " composite Jupiter.", nullptr},
    {4, 10, 3, kAll4, 53, 53, true, "     Composite Moon ", " composite Venus.", nullptr},
    {5, 10, 5, kSTC, 53, 53, false, "     Composite Moon ", " composite Jupiter.", nullptr},
    {6, 3, 4, kOpposition | kConjunction, 51, 51, false, nullptr, nullptr,
     "     Composite Venus conjunct composite Mars."},
    {7, 3, 4, kSextile | kTrine, 51, 51, false, "     Composite Venus ", " composite Mars.", nullptr},
    {8, 3, 5, kAll4, 51, 51, true, "     Composite Venus ", " composite Jupiter.", nullptr},
    {19, 3, 13, kSTC, 51, 51, false, "     Composite Venus ", " composite Chiron.", nullptr},
}};

}  // namespace

const std::array<PairCriterion, 9>& CompositeCriteria() { return kComposite; }

DayComposite ComputeDayComposite(const std::array<double, 16>& natal, const std::array<double, 14>& day) {
    DayComposite dc;
    for (int i = 1; i <= 13; ++i) {
        const double a = natal[i], b = day[i];
        double d = std::fabs(a - b);
        double c = (a + b) / 2;
        if (d >= 180 && std::fabs(c - a) > 90 && std::fabs(c - b) > 90) c += 180;
        if (d > 180) d = std::fabs(360 - d);
        if (d > 150) dc.MidpointMarks[i - 1] = 'A';
        dc.Longitudes[i] = Normalize360(c);
    }
    return dc;
}

int PairAspectCode(ProgramState& ps, const PairCriterion& c, double x, double y, bool marked) {
    ScanState& s = ps.scans;
    double sep = std::fabs(x - y);
    if (sep > 180) sep = 360 - sep;
    s.Separation = sep;
    const float orb = ps.settings.OptionValues[c.OrbOption];
    const float sorb = ps.settings.OptionValues[c.SextileOrbOption];
    int code = 1;
    if (c.Aspects & kSextile) {
        if (c.SextileOrbOption != c.OrbOption) {
            // A sextile orb of its own is compared in single precision.
            const float fs = static_cast<float>(sep);
            const float lo = 60.0f - sorb, hi = 60.0f + sorb;
            if (fs >= lo && fs <= hi) code = 3;
        } else {
            const float lo = 60.0f - sorb, hi = 60.0f + sorb;
            if (sep >= lo && sep <= hi) code = 3;
        }
    }
    if (c.Aspects & kTrine) {
        const float lo = 120.0f - orb, hi = 120.0f + orb;
        if (sep >= lo && sep <= hi) code = 5;
    }
    if (c.Aspects & kOpposition) {
        const float lo = 180.0f - orb;
        if (sep >= lo) code = 6;
        if (c.MarkRule && code == 6 && marked) code = 2;
    }
    if ((c.Aspects & kConjunction) && sep <= orb) code = 2;
    s.SignOrCode = code;
    return code;
}

namespace {

std::string AspectWord(const ProgramState& ps, int code) {
    const std::string& names = ps.settings.AspectNames;
    const size_t from = static_cast<size_t>(code) * 12 - 12;
    std::string word = from < names.size() ? names.substr(from, 11) : std::string();
    word.erase(word.find_last_not_of(' ') + 1);
    return word;
}

}  // namespace

bool TestPairCriterion(ProgramState& ps, const PairCriterion& c, double x, double y, bool marked) {
    ScanState& s = ps.scans;
    if (s.ParamsChecks[c.Gate] != 1) return false;
    const int code = PairAspectCode(ps, c, x, y, marked);
    if (code <= 1) return false;
    std::string& line = ps.output.CurrentLine;
    const std::string& nl = ps.settings.NewLine;
    if (s.FirstHitDone == 0) {
        if (s.BatchMode == 0)
            line = "  " + FormatDateText(ps.chart.DateText, "dd mmm yyyy", ps.settings.DateOrder) + ": " +
                   s.DaySummary + nl;
        else
            line = s.DaySummary;
        s.FirstHitDone = 1;
    }
    if (c.FixedText) line += c.FixedText;
    else line += std::string(c.Prefix) + AspectWord(ps, code) + c.Suffix;
    line += nl;
    ++s.DayHitCount;
    return true;
}

void RunDayCriteria(ProgramState& ps, const std::array<double, 14>& day) {
    ScanState& s = ps.scans;
    const DayComposite dc = ComputeDayComposite(ps.chart.NatalLongitudes, day);
    s.DayHitCount = 0;
    for (const PairCriterion& c : CompositeCriteria()) {
        const bool marked = c.MarkRule && (dc.MidpointMarks[c.BodyX - 1] == 'A' || dc.MidpointMarks[c.BodyY - 1] == 'A');
        TestPairCriterion(ps, c, dc.Longitudes[c.BodyX], dc.Longitudes[c.BodyY], marked);
    }
    for (const PairCriterion& c : SynastryCriteria())
        TestPairCriterion(ps, c, ps.chart.NatalLongitudes[c.BodyX], day[c.BodyY], false);
    if (Val(s.ParamsText1) <= s.DayHitCount) AppendLine(ps);
}
