#include "people/input_checks.h"

#include <array>
#include <cmath>

#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

using ErrorFn = void (*)(ProgramState&);

void Warn(const char* message) { MsgBox(message, MsgButtons::OK, "Warning!", MsgIcon::Information); }

// The completeness groups of one data set, in order; true where a group
// fails. The zone may not lie below -2 while West is set.
std::array<bool, 6> PresentGroupFailures(const DataSetFields& f) {
    return {Val(f.Month) == 0 || Val(f.Day) == 0 || Val(f.Year) == 0,
            f.Month.empty() || f.Day.empty() || f.Year.empty(),
            f.Hour.empty() || f.Minute.empty() || f.Zone.empty(),
            f.LongDeg.empty() || f.LongMin.empty(),
            f.LatDeg.empty() || f.LatMin.empty(),
            Val(f.Zone) < -2 && f.West};
}

// The range groups of one data set, in order; the year's lower bound holds
// for the natal set only.
std::array<bool, 6> RangeGroupFailures(const DataSetFields& f, bool natal) {
    return {Val(f.Month) > 12 || Val(f.Day) > 31 || Val(f.Year) > 2099,
            Val(f.Hour) > 12 || Val(f.Minute) > 59,
            Val(f.Zone) > 12 || Val(f.Zone) < -13,
            Val(f.LongDeg) > 180 || Val(f.LongMin) > 59,
            Val(f.LatMin) > 59,
            natal && Val(f.Year) < 100};
}

bool AnyFails(const std::array<bool, 6>& groups) {
    for (bool failed : groups)
        if (failed) return true;
    return false;
}

bool LatitudeTooHigh(const DataSetFields& f) { return ::LatitudeTooHigh(Val(f.LatDeg), Val(f.LatMin)); }

// The date the readers will take: each box rounded to a whole number.
bool CalendarDate(const DataSetFields& f) {
    const int y = CInt(StrictValue(f.Year)), m = CInt(StrictValue(f.Month)), d = CInt(StrictValue(f.Day));
    if (IsValidDate(y, m, d)) return true;
    // Before the Gregorian reform every fourth year has a 29 February.
    return y >= 1 && y < 1583 && y % 4 == 0 && m == 2 && d == 29;
}

// The closing group: what passes the listed groups but cannot be computed.
// A data set that a listed group has reported already gets no further
// message, so the count of messages stays that of the listed groups.
bool Unsound(const DataSetFields& f, bool natal) {
    if (AnyFails(PresentGroupFailures(f)) || AnyFails(RangeGroupFailures(f, natal))) return false;
    const std::string* boxes[] = {&f.Month,   &f.Day,     &f.Year,   &f.Hour,   &f.Minute,
                                  &f.Zone,    &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin};
    double v = 0.0;
    for (const std::string* box : boxes)
        if (!box->empty() && !StrictNumber(*box, v)) return true;
    // Boxes that hold no sign: the sides are in the option pairs.
    const std::string* unsigned_boxes[] = {&f.Hour, &f.Minute, &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin};
    for (const std::string* box : unsigned_boxes)
        if (StrictValue(*box) < 0) return true;
    if (!CalendarDate(f)) return true;
    // No house system and no reader can take a place beyond the pole.
    if (StrictValue(f.LatDeg) + StrictValue(f.LatMin) / 60.0 > 90.0) return true;
    return false;
}

void ReportFailures(ProgramState& ps, const std::array<bool, 6>& groups, ErrorFn error) {
    for (bool failed : groups)
        if (failed) error(ps);
}

void RangeGroups(ProgramState& ps, const DataSetFields& f, ErrorFn error, bool natal) {
    ReportFailures(ps, RangeGroupFailures(f, natal), error);
    if (Unsound(f, natal)) error(ps);
}

}  // namespace

bool LatitudeTooHigh(double degrees, double minutes) { return degrees > 66 || (degrees >= 66 && minutes > 0); }

bool HouseSystemTakesAnyLatitude(const std::string& houseSystemCode) {
    return houseSystemCode == "M" || houseSystemCode == "I";
}

void LatitudeWarning() { Warn(kLatitudeMessage); }

void NatalInputError(ProgramState& ps) {
    ps.chart.InputError = 1;
    Warn(kNatalInputMessage);
}

void DiurnalInputError(ProgramState& ps) {
    ps.chart.InputError = 1;
    Warn(kDiurnalInputMessage);
}

void CheckInputPresent(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    ReportFailures(ps, PresentGroupFailures(natal), NatalInputError);
    ReportFailures(ps, PresentGroupFailures(diurnal), DiurnalInputError);
}

void CheckLatitude(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                   bool meridianOrMorinus) {
    if (meridianOrMorinus) return;
    if (LatitudeTooHigh(natal) || LatitudeTooHigh(diurnal)) {
        ps.chart.InputError = 1;
        LatitudeWarning();
    }
}

void CheckNatalRanges(ProgramState& ps, const DataSetFields& natal) {
    RangeGroups(ps, natal, NatalInputError, true);
}

void CheckDiurnalRanges(ProgramState& ps, const DataSetFields& diurnal) {
    RangeGroups(ps, diurnal, DiurnalInputError, false);
}

bool RunInputChecks(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                    bool meridianOrMorinus) {
    ps.chart.InputError = 0;
    CheckInputPresent(ps, natal, diurnal);
    CheckLatitude(ps, natal, diurnal, meridianOrMorinus);
    CheckNatalRanges(ps, natal);
    CheckDiurnalRanges(ps, diurnal);
    return ps.chart.InputError == 0;
}
