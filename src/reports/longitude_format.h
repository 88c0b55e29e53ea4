#pragma once
// Longitude and angle texts of the listings, and the house-system names.
#include <string>

struct ProgramState;

// Appends the longitude in LoopK to CurrentLine as degrees, sign letters and
// rounded minutes: nine characters, "05 LEO 42".
void FormatLongitude(ProgramState& ps);
// Appends the longitude in LoopK as degrees, sign letters, minutes and
// seconds, both truncated: fourteen characters, "05 LEO 42m 07s".
void FormatLongitudeDMS(ProgramState& ps);
// An angle as degrees, minutes and rounded seconds with a trailing blank:
// "23d 26m 12s ". Seconds that round to 60 carry into the minutes.
std::string FormatDMS(double x);

// Sets LoopK and appends its FormatLongitude / FormatLongitudeDMS text.
void AppendLongitude(ProgramState& ps, double longitude);
void AppendLongitudeDMS(ProgramState& ps, double longitude);
// Appends a declination or ecliptic latitude as degrees, "N" or "S" ("S"
// when negative) and rounded minutes: "05 N 42".
void AppendDeclination(ProgramState& ps, double declination);
// Appends the solstice point of a longitude, in the FormatLongitude form.
void AppendSolsticePoint(ProgramState& ps, double longitude);

// The name of a house system code ("P" -> "Placidus"); "" for an unknown code.
std::string HouseSystemTitle(const std::string& code);
// Stores the name of HouseSystemCode in element 7 of WheelHeader1; an
// unknown code leaves it as it was.
void HouseSystemName(ProgramState& ps);
