#include "people/relationship_chart.h"

#include <cmath>
#include <vector>

#include "chart/angle_helpers.h"
#include "chart/chart_state.h"
#include "chart/time_scale.h"
#include "people/city_record.h"
#include "people/input_fields.h"
#include "platform/numbers.h"

namespace {

// Decimal degrees of a deg.mm value, negated on the given side.
double SignedDecimal(float degMin, bool negative) {
    const double d = HMToDecimal(std::fabs(static_cast<double>(degMin)));
    return negative ? -d : d;
}

// Whole minutes of an h.mm (or deg.mm) value, the minutes read to the
// nearest whole one.
long WholeMinutes(double hm) {
    const double whole = Int(hm);
    return static_cast<long>(whole) * 60 + std::lround((hm - whole) * 100.0);
}

// Minutes of time on the 24-hour clock: 12 counts as 0, P.M. adds 12 hours.
long ClockMinutes(float time, const std::string& amPm) {
    double t = time;
    if (Int(t) == 12) t -= 12;
    long m = WholeMinutes(t);
    if (amPm == "P.M.") m += 12 * 60;
    return m;
}

double DayNumberOf(ChartState& cs, int day, int month, int year) {
    cs.JdnDay = day;
    cs.JdnMonth = month;
    cs.JdnYear = year;
    DateToJulianDay(cs);
    return cs.JdnResult;
}

// The last day number the reader of date texts counts in the Julian
// calendar: a typed date is Julian while its Julian day count is at most
// 2299171 (15 October 1582 included), so the day number 2299161 must be
// written as 5 October 1582 to be read back as itself; from 2299162 (16
// October 1582) on the Gregorian date reads back right.
constexpr double kLastJulianCalendarDay = 2299161.0;

// The day number whose Gregorian date has the same day, month and year as
// the Julian calendar date of the given day number: handed to the date text
// writer, which writes Gregorian dates, it gives the Julian date's text.
double GregorianDayOfJulianDate(double dayNumber) {
    const long c = static_cast<long>(dayNumber) + 32082;
    const long d = (4 * c + 3) / 1461;
    const long e = c - 1461 * d / 4;
    const long m = (5 * e + 2) / 153;
    const long day = e - (153 * m + 2) / 5 + 1;
    const long month = m + 3 - 12 * (m / 10);
    const long year = d - 4800 + m / 10;
    const long a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long mm = month + 12 * a - 3;
    return static_cast<double>(day + (153 * mm + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

std::vector<std::string> SplitSlash(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/') parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

}  // namespace

std::string FirstWord(const std::string& name) {
    const size_t blank = name.find(' ');
    return blank == std::string::npos ? name : name.substr(0, blank);
}

RelationshipFill CalcRelationshipValues(ChartState& cs, const std::string& nameA, const std::string& nameB,
                                        int dateOrder) {
    RelationshipFill fill;
    // Zone.
    cs.NatalZone = (cs.NatalZone + cs.DiurnalZone) / 2;

    // Place, in whole minutes of arc.
    const double lonA = SignedDecimal(cs.NatalLongitude, cs.WorkEastWest == "EAST");
    const double lonB = SignedDecimal(cs.DiurnalLongitude, cs.SecondEastWest == "EAST");
    const double latA = SignedDecimal(cs.NatalLatitude, cs.WorkNorthSouth == "SOUTH");
    const double latB = SignedDecimal(cs.DiurnalLatitude, cs.SecondNorthSouth == "SOUTH");
    const double meanLon = (lonB + lonA) / 2, meanLat = (latB + latA) / 2;
    cs.WorkEastWest = meanLon >= 0 ? "WEST" : "EAST";
    cs.WorkNorthSouth = meanLat >= 0 ? "NORTH" : "SOUTH";
    const long lonMinutes = std::lround(std::fabs(meanLon) * 60.0);
    const long latMinutes = std::lround(std::fabs(meanLat) * 60.0);
    cs.NatalLongitude = static_cast<float>(lonMinutes / 60 + (lonMinutes % 60) / 100.0);
    cs.NatalLatitude = static_cast<float>(latMinutes / 60 + (latMinutes % 60) / 100.0);

    // Time: the mean on the 24-hour clock, back to the 12-hour clock.
    const long a = ClockMinutes(cs.NatalTime, cs.NatalAmPm);
    const long b = ClockMinutes(cs.DiurnalTime, cs.SecondAmPm);
    const long mean = std::lround((a + b) / 2.0);
    long hour = mean / 60;
    const long minute = mean % 60;
    if (hour < 12) {
        cs.NatalAmPm = "A.M.";
        if (hour == 0 && minute == 0) hour = 12;
    } else {
        cs.NatalAmPm = "P.M.";
        if (!(hour == 12 && minute == 0)) hour -= 12;
    }
    cs.NatalTime = static_cast<float>(hour + minute / 100.0);

    // Date: the mean day number; half a day more moves the time on 12 hours.
    const double dayA = DayNumberOf(cs, cs.NatalDay, cs.NatalMonth, cs.NatalYear);
    const double dayB = DayNumberOf(cs, cs.DiurnalDay, cs.DiurnalMonth, cs.DiurnalYear);
    cs.JulianDay = (dayA + dayB) / 2;
    if (cs.JulianDay != Int(cs.JulianDay)) {
        cs.JulianDay = Int(cs.JulianDay);
        if (cs.NatalAmPm == "A.M.") {
            cs.NatalAmPm = "P.M.";
        } else {
            cs.NatalAmPm = "A.M.";
            cs.JulianDay += 1;
        }
    }
    // The text is written in the calendar its reader applies, so that it
    // reads back as the mean day on either side of the calendar switch.
    const double meanDay = cs.JulianDay;
    if (meanDay <= kLastJulianCalendarDay) cs.JulianDay = GregorianDayOfJulianDate(meanDay);
    JulianDayToDateText(cs, dateOrder);
    cs.JulianDay = meanDay;
    cs.NatalDateText = cs.DateText;
    // The date parts by the regional order, read by the separators so that
    // a year of fewer than four digits reads as well.
    const std::vector<std::string> parts = SplitSlash(cs.DateText);
    auto part = [&](size_t i) { return i < parts.size() ? CInt(Val(parts[i])) : 0; };
    if (dateOrder == 2) {
        cs.NatalYear = part(0), cs.NatalMonth = part(1), cs.NatalDay = part(2);
    } else if (dateOrder == 1) {
        cs.NatalDay = part(0), cs.NatalMonth = part(1), cs.NatalYear = part(2);
    } else {
        cs.NatalMonth = part(0), cs.NatalDay = part(1), cs.NatalYear = part(2);
    }

    fill.Name = FirstWord(nameA) + " & " + FirstWord(nameB) + " relationship";
    fill.Month = std::to_string(cs.NatalMonth);
    fill.Day = std::to_string(cs.NatalDay);
    fill.Year = std::to_string(cs.NatalYear);
    fill.Hour = std::to_string(hour);
    fill.Minute = std::to_string(minute);
    fill.AM = cs.NatalAmPm == "A.M.";
    fill.LongDeg = std::to_string(lonMinutes / 60);
    fill.East = cs.WorkEastWest == "EAST";
    fill.Zone = PlainNumberText(cs.NatalZone);
    fill.LongMin = std::to_string(lonMinutes % 60);
    fill.LatDeg = std::to_string(latMinutes / 60);
    fill.South = cs.WorkNorthSouth == "SOUTH";
    fill.LatMin = std::to_string(latMinutes % 60);
    return fill;
}
