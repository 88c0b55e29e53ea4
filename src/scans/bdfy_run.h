#pragma once
// "BDFY": the second data set stepped one day at a time from its date, the
// full chart run with its interchart cosmodyne report each day, and one line
// per day in "BDFY_data.csv": the date, chart A's dual-cosmodyne totals and
// the power and harmony of ten bodies of the day's chart B with their ranks.
#include "scans/names_pairs.h"

struct ProgramState;

// days: 1..32000. The diurnal date of f is moved day by day and put back at
// the end, when the entered date is computed once more. False when the
// entered data are refused (nothing written).
bool BdfyRun(ProgramState& ps, NamesRunFields& f, int days);
