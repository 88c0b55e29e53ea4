#pragma once
// The readers: the boxes of one input window into the chart input of its
// data set. They check nothing; the input checks run first. Every box is
// read strictly (a text that is not a number as a whole reads as 0, which
// the checks never let through).
#include "people/input_fields.h"

struct ChartState;

// The three date texts joined by "/" in the regional order (2 year/month/
// day, 1 day/month/year, otherwise month/day/year), as they stand.
std::string JoinDateText(const DataSetFields& f, int dateOrder);

// The natal window's data set into NatalDay .. WorkNorthSouth and WheelAmPm.
void ReadNatalInput(ChartState& cs, const DataSetFields& natal, int dateOrder);
// The second window's data set into DiurnalDay .. SecondNorthSouth and
// DiurnalDayOffset (whole years from the natal date last read).
void ReadDiurnalInput(ChartState& cs, const DataSetFields& diurnal, int dateOrder);
