#pragma once
// What the runs over the names list share: the boxes a run writes (copied
// into the input windows by the window side at its end), the pair walk with
// its pairing and birth-year rules, and the loading of a record into a data
// set as a click in the names list loads it.
#include <string>
#include <vector>

#include "people/input_fields.h"

struct ProgramState;

// The input windows' boxes a run over the names list reads and writes.
struct NamesRunFields {
    DataSetFields Natal, Diurnal;
    std::string NatalName;  // the natal window's name box
    int ChartsComputed = 0; // chart runs the input checks let through
};

// How a run over the names list ended.
enum class NamesRunEnd {
    Done,
    Refused,       // said why and did not start
    BadRecord,     // a record could not be read: the run's error message shown
    NoSelection,   // "One vs All" without a selected name (or a list of one)
};

inline constexpr const char* kAllVsAllErrorMessage =
    "Format error or typographical error in selected data. Please correct this data entry by "
    "clicking on the Edit this List command button in the Names window and editing the data "
    "associated with your chosen name.";
inline constexpr const char* kOneVsAllErrorMessage = "Please select a name from the list above, then try again.";

// Whether names a and b may form a pair: with "1 to 1" ticked only when
// their characters 5 and 6 agree; otherwise not when their first two
// characters agree and a begins with "m" or "w" (case counts).
bool NamesMayPair(const std::string& a, const std::string& b, bool oneToOne);

// The number of records of the loaded names list.
int NamesRecordCount(const ProgramState& ps);

// The first record whose name equals the selected text; -1 when none.
int SelectedRecord(const ProgramState& ps, const std::string& selectedName);

// The first name of a label: the name up to the first blank found from its
// third character on, the whole name when there is none.
std::string FirstNameOf(const std::string& name);

// Loads record k (its stored date turned year-first once when the date
// order is 2) into the natal or the diurnal data set. False when the
// record cannot be read.
bool LoadRecordAsNatal(ProgramState& ps, NamesRunFields& f, int k);
bool LoadRecordAsDiurnal(ProgramState& ps, NamesRunFields& f, int k);

// Whether the two records' birth years lie within the names window's
// "Yrs difference" box.
bool YearsWithinGap(const ProgramState& ps, int i, int j);

// The input check of a pair, its message shown once per record: a record
// refused once is not offered again, and its later pairs are not scored.
class PairInputGuard {
public:
    explicit PairInputGuard(int records) : refused_(records, false) {}
    bool Refused(int i, int j) const { return refused_[i] || refused_[j]; }
    // After a refused chart run of pair (i, j): finds, without messages,
    // which of the two records the checks refuse, and remembers it.
    void NoteRefusal(ProgramState& ps, const NamesRunFields& f, int i, int j);

private:
    std::vector<bool> refused_;
};
