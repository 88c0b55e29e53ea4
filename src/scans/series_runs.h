#pragma once
// The cosmodyne series over dates, computing side: one row per day from the
// diurnal data set's moment on, written to "out_1.csv".
//   dual: chart A (the natal chart) against the sky of each day, chart B's
//         own arrays put back after every day;
//   natal: a chart cast for each day at the diurnal data set's time and
//         place, scored as a natal chart; the natal data set borrows the
//         diurnal one's fields for the run and gets its own back.
// The caller has asked for the years (a non-positive answer runs nothing)
// and set the chart run's settings (people.NatalNameText, chart.AnglesSetting,
// chart.HouseSystemCode, chart.UseChiron, the second-person box). Progress
// shows through the scans' progress hooks.
#include <array>
#include <string>

#include "people/input_fields.h"

struct ProgramState;

// The natal fields that the natal series saves: elements 1..13 (month, day,
// year, hour, minute, zone, longitude degrees and minutes, latitude degrees
// and minutes, then "True" or "False" for A.M., East and South).
using SavedNatalInputs = std::array<std::string, 14>;

// Saves the natal fields, then copies the diurnal ones over them (the A.M.,
// East and South choices as they stand; name and e-mail untouched).
SavedNatalInputs SaveNatalInputs(DataSetFields& natal, const DataSetFields& diurnal);
// Puts the saved fields back; "True" (exactly) selects A.M., East, South,
// anything else P.M., West, North.
void RestoreNatalInputs(DataSetFields& natal, const SavedNatalInputs& saved);

// True when the table was computed and written. A span of no day or of more
// days than a table holds, a table that cannot be scaled, or a refused input
// gives a message and leaves the table and the file as they were.
bool ComputeDualDynesSeries(ProgramState& ps, float years);
bool ComputeNatalDynesSeries(ProgramState& ps, DataSetFields& natal, const DataSetFields& diurnal, float years);

// Steps the two series share: the net harmony of bodies 1..10, a date
// text of the regional order as the table writes it, the span's check (a
// message when refused), and the scaling, hand-over and file at the end
// (a message and nothing changed when the table cannot be scaled).
struct CosmodyneState;
struct SeriesTable;
std::array<double, 16> SeriesNetHarmony(const CosmodyneState& c);
std::string SeriesTableDate(const std::string& dateText, int dateOrder);
bool SeriesSpanAccepted(float years);
bool FinishSeries(ProgramState& ps, SeriesTable& t, int rows);
