#include "scans/names_pairs.h"

#include <cmath>

#include "people/input_checks.h"
#include "people/name_record.h"
#include "people/person_fields.h"
#include "platform/dialogs.h"
#include "platform/numbers.h"
#include "program_state.h"

namespace {

std::string Mid(const std::string& s, size_t from1, size_t count) {
    if (from1 - 1 >= s.size()) return std::string();
    return s.substr(from1 - 1, count);
}

bool LoadRecord(ProgramState& ps, DataSetFields& f, int k) {
    PeopleState& p = ps.people;
    if (ps.settings.DateOrder == 2) p.NamesDate[k] = YearFirstDate(p.NamesDate[k]);
    const NameRecord record{p.NamesName[k],  p.NamesDate[k],      p.NamesTime[k],     p.NamesAmPm[k],
                            p.NamesZone[k],  p.NamesLongitude[k], p.NamesLatitude[k], p.NamesEmail[k]};
    const auto values = DecodeNameRecord(record);
    if (!values) return false;
    FillPersonFields(f, *values, record.Email);
    return true;
}

}  // namespace

bool NamesMayPair(const std::string& a, const std::string& b, bool oneToOne) {
    if (oneToOne) return Mid(a, 5, 2) == Mid(b, 5, 2);
    const bool sameStart = Mid(a, 1, 2) == Mid(b, 1, 2);
    const bool marked = !a.empty() && (a[0] == 'm' || a[0] == 'w');
    return !(sameStart && marked);
}

int NamesRecordCount(const ProgramState& ps) { return static_cast<int>(ps.people.NamesName.size()) - 1; }

int SelectedRecord(const ProgramState& ps, const std::string& selectedName) {
    if (selectedName.empty()) return -1;
    const int n = NamesRecordCount(ps);
    for (int k = 0; k < n; ++k)
        if (ps.people.NamesName[k] == selectedName) return k;
    return -1;
}

std::string FirstNameOf(const std::string& name) {
    const size_t blank = name.size() > 2 ? name.find(' ', 2) : std::string::npos;
    return blank == std::string::npos ? name : name.substr(0, blank);
}

bool LoadRecordAsNatal(ProgramState& ps, NamesRunFields& f, int k) {
    ps.people.SecondPersonChecked = 0;
    ps.people.LastClickedName = k;
    f.NatalName = ps.people.NamesName[k];
    ps.people.NatalNameText = f.NatalName;
    return LoadRecord(ps, f.Natal, k);
}

bool LoadRecordAsDiurnal(ProgramState& ps, NamesRunFields& f, int k) {
    ps.people.SecondPersonChecked = 1;
    ps.people.SecondPersonCaption = ps.people.NamesName[k];
    ps.people.RunPersonName = ps.people.NamesName[k];
    return LoadRecord(ps, f.Diurnal, k);
}

bool YearsWithinGap(const ProgramState& ps, int i, int j) {
    const auto a = ParseRecordDate(ps.people.NamesDate[i]);
    const auto b = ParseRecordDate(ps.people.NamesDate[j]);
    if (!a || !b) return false;
    return std::abs(a->Year - b->Year) <= Val(ps.scans.NamesText2);
}

void PairInputGuard::NoteRefusal(ProgramState& ps, const NamesRunFields& f, int i, int j) {
    SilentDialogs silent;
    const int savedError = ps.chart.InputError;
    const bool mm = ps.chart.HouseSystemCode == "M" || ps.chart.HouseSystemCode == "I";
    if (!RunInputChecks(ps, f.Natal, f.Natal, mm)) refused_[i] = true;
    if (!RunInputChecks(ps, f.Diurnal, f.Diurnal, mm)) refused_[j] = true;
    ps.chart.InputError = savedError;
}
