#include "people/input_checks.h"

#include <cmath>

#include "platform/dates.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

using ErrorFn = void (*)(ProgramState&);

void Warn(const char* message) { MsgBox(message, MsgButtons::OK, "Warning!", MsgIcon::Information); }

// Completeness of one data set; westBound: the zone may not lie below -2
// while West is set.
void PresentGroups(ProgramState& ps, const DataSetFields& f, ErrorFn error) {
    if (Val(f.Month) == 0 || Val(f.Day) == 0 || Val(f.Year) == 0) error(ps);
    if (f.Month.empty() || f.Day.empty() || f.Year.empty()) error(ps);
    if (f.Hour.empty() || f.Minute.empty() || f.Zone.empty()) error(ps);
    if (f.LongDeg.empty() || f.LongMin.empty()) error(ps);
    if (f.LatDeg.empty() || f.LatMin.empty()) error(ps);
    if (Val(f.Zone) < -2 && f.West) error(ps);
}

bool LatitudeTooHigh(const DataSetFields& f) {
    const double deg = Val(f.LatDeg), min = Val(f.LatMin);
    return deg > 66 || (deg >= 66 && min > 0);
}

// The date the readers will take: each box rounded to a whole number.
bool CalendarDate(const DataSetFields& f) {
    const int y = CInt(StrictValue(f.Year)), m = CInt(StrictValue(f.Month)), d = CInt(StrictValue(f.Day));
    if (IsValidDate(y, m, d)) return true;
    // Before the Gregorian reform every fourth year has a 29 February.
    return y >= 1 && y < 1583 && y % 4 == 0 && m == 2 && d == 29;
}

// Whether the listed groups already reported the date.
bool DateAlreadyReported(const DataSetFields& f, bool natal) {
    const double m = Val(f.Month), d = Val(f.Day), y = Val(f.Year);
    if (m == 0 || d == 0 || y == 0 || f.Month.empty() || f.Day.empty() || f.Year.empty()) return true;
    if (m > 12 || d > 31 || y > 2099) return true;
    return natal && y < 100;
}

// The closing group: what passes the listed groups but cannot be computed.
bool Unsound(const DataSetFields& f, bool natal) {
    const std::string* boxes[] = {&f.Month,   &f.Day,     &f.Year,   &f.Hour,   &f.Minute,
                                  &f.Zone,    &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin};
    double v = 0.0;
    for (const std::string* box : boxes)
        if (!box->empty() && !StrictNumber(*box, v)) return true;
    // Boxes that hold no sign: the sides are in the option pairs.
    const std::string* unsigned_boxes[] = {&f.Hour, &f.Minute, &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin};
    for (const std::string* box : unsigned_boxes)
        if (StrictValue(*box) < 0) return true;
    if (!DateAlreadyReported(f, natal) && !CalendarDate(f)) return true;
    // No house system and no reader can take a place beyond the pole.
    if (StrictValue(f.LatDeg) + StrictValue(f.LatMin) / 60.0 > 90.0) return true;
    return false;
}

void RangeGroups(ProgramState& ps, const DataSetFields& f, ErrorFn error, bool natal) {
    if (Val(f.Month) > 12 || Val(f.Day) > 31 || Val(f.Year) > 2099) error(ps);
    if (Val(f.Hour) > 12 || Val(f.Minute) > 59) error(ps);
    if (Val(f.Zone) > 12 || Val(f.Zone) < -13) error(ps);
    if (Val(f.LongDeg) > 180 || Val(f.LongMin) > 59) error(ps);
    if (Val(f.LatMin) > 59) error(ps);
    if (natal && Val(f.Year) < 100) error(ps);
    if (Unsound(f, natal)) error(ps);
}

}  // namespace

void NatalInputError(ProgramState& ps) {
    ps.chart.InputError = 1;
    Warn(kNatalInputMessage);
}

void DiurnalInputError(ProgramState& ps) {
    ps.chart.InputError = 1;
    Warn(kDiurnalInputMessage);
}

void CheckInputPresent(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal) {
    PresentGroups(ps, natal, NatalInputError);
    PresentGroups(ps, diurnal, DiurnalInputError);
}

void CheckLatitude(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                   bool meridianOrMorinus) {
    if (meridianOrMorinus) return;
    if (LatitudeTooHigh(natal) || LatitudeTooHigh(diurnal)) {
        ps.chart.InputError = 1;
        Warn(kLatitudeMessage);
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
