#pragma once
// The checks run before every chart: completeness of both data sets, the
// latitude limit of the quadrant house systems, and the ranges of each data
// set. Each failing group shows its message (title "Warning!") and sets
// InputError; none clears it. Boxes are read by their leading number.
//
// Beyond the listed groups, each range check ends with one group that
// refuses what the readers or the chart computation cannot take: a box that
// is not a number as a whole, a negative value in a box that holds no sign,
// a date that is not in the calendar (31 February), a latitude beyond 90
// degrees. It stays quiet about a data set that a listed group has already
// reported, so the listed groups' message counts stand.
#include "people/input_fields.h"

struct ProgramState;

inline constexpr const char* kNatalInputMessage = "Error in natal input data section. Please correct.";
inline constexpr const char* kDiurnalInputMessage = "Error in diurnal input data section. Please correct.";
inline constexpr const char* kLatitudeMessage =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

// Beyond the limit of the quadrant house formulas: above 66 degrees 00
// minutes (the Meridian and Morinus systems have no limit).
bool LatitudeTooHigh(double degrees, double minutes);
// The house systems the checks let past that limit.
bool HouseSystemTakesAnyLatitude(const std::string& houseSystemCode);
// Shows the latitude message as the checks do.
void LatitudeWarning();

void NatalInputError(ProgramState& ps);
void DiurnalInputError(ProgramState& ps);

void CheckInputPresent(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal);
// meridianOrMorinus: the Meridian or the Morinus house item is checked.
void CheckLatitude(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                   bool meridianOrMorinus);
void CheckNatalRanges(ProgramState& ps, const DataSetFields& natal);
void CheckDiurnalRanges(ProgramState& ps, const DataSetFields& diurnal);

// InputError = 0, then the four checks in order. True when none failed.
bool RunInputChecks(ProgramState& ps, const DataSetFields& natal, const DataSetFields& diurnal,
                    bool meridianOrMorinus);
