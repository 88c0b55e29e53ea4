#pragma once
// The runs over the names list, computing side. The couple batch runs score
// every admissible pair with the interchart cosmodynes ("All vs All" lists
// each pair and closes with averages; "One vs All" lists the pairs of the
// selected person sorted by harmony). The criteria runs put every admissible
// pair through a one-day scan against the criteria window's pairs. Each
// loads the records into f as the input windows would hold them; the window
// side copies f into the windows at the end.
#include <string>

#include "scans/names_pairs.h"

struct ProgramState;

// Whether "All vs All"'s lines can fit the output buffer; says so when not.
bool CoupleAllVsAllFits(const ProgramState& ps);

NamesRunEnd CoupleAllVsAll(ProgramState& ps, NamesRunFields& f);
NamesRunEnd CoupleOneVsAll(ProgramState& ps, NamesRunFields& f, const std::string& selectedName);
NamesRunEnd CriteriaAllVsAll(ProgramState& ps, NamesRunFields& f);
NamesRunEnd CriteriaOneVsAll(ProgramState& ps, NamesRunFields& f, const std::string& selectedName);
