#pragma once
// Time values of one chart moment (Julian day, centuries, sidereal time,
// RAMC, obliquity, MC, Ascendant and the four auxiliary angles), the
// sidereal corrections of the zodiac modes, the calendar conversions and the
// caption prefix chosen by the zodiac mode.
#include <array>

struct ChartState;
struct ProgramState;

// Reads the inputs chosen by ChartKind and writes the time values of the
// moment. Leaves Ramc in radians, ObliquityRad as minus the obliquity, the
// sidereal time's whole hours, minutes and seconds in LoopI, LoopK and RectX
// and the signed latitude in degrees in LoopJ.
void ComputeChartTime(ChartState& cs);

// Nutation in longitude, SVP and ayanamsa for the moment set by the time
// step; options 219 to 222 give a typed ayanamsa.
void CalcSiderealCorrections(ChartState& cs, const std::array<float, 287>& OptionValues);
void CalcSiderealCorrections(ProgramState& ps);

// Julian day number (noon) of JdnYear/JdnMonth/JdnDay into JdnResult:
// Julian calendar up to day number 2299171, Gregorian after it.
void DateToJulianDay(ChartState& cs);

// The Gregorian date of JulianDay as text into DateText, in the regional
// order (2 year/month/day, 1 day/month/year, else month/day/year).
void JulianDayToDateText(ChartState& cs, int DateOrder);

// CaptionPrefix by option 198.
void SetCaptionPrefix(ProgramState& ps);
