#pragma once
// Dates and times as the program writes and reads them: "dd mmm yyyy" with
// the English month abbreviations Jan..Dec in files and reports, date texts
// in the regional date order, the regional clock, and an injectable clock so
// that tests can fix "now".
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLocale;

struct DateTime {
    int Year = 1900;
    int Month = 1;
    int Day = 1;
    int Hour = 0;  // 0..23
    int Minute = 0;
    int Second = 0;
};

// "Jan".."Dec" for 1..12; "" otherwise.
std::string MonthAbbrev(int month);
// 1..12 for a month name or its abbreviation (any case, at least three
// letters: "mar", "March"); 0 when it is none.
int MonthFromName(std::string_view name);
// Whether the day exists in that month of the Gregorian calendar.
bool IsValidDate(int year, int month, int day);

// The date `days` days later (earlier when negative), across month and
// year ends and 29 February; the time of day is kept.
DateTime AddDays(const DateTime& dt, int days);

// A date and time under a mask. Tokens: d dd (day), m mm (month, or minutes
// right after an hour token), mmm (Jan..Dec), yy yyyy (year), h hh (hour on
// the 24-hour clock, or on the 12-hour clock when the mask holds AM/PM),
// n nn (minutes), s ss (seconds), AM/PM or am/pm, "/" the regional date
// separator; any other character is written as it stands.
std::string FormatDate(const DateTime& dt, std::string_view mask);
// FormatDate appended to `out`.
void AppendFormattedDate(std::string& out, const DateTime& dt, std::string_view mask);

// A date text read as a date: "05 Mar 1960" (a month name anywhere, the
// other two numbers day and year), or three numbers separated by "/", "-",
// "." or blanks in the regional date order (0 month-day-year, 1 day-month-
// year, 2 year-month-day; a first number of three or four digits is always
// a year, so "1960/03/05" reads in any order). Two-digit years 0..29 mean
// 2000..2029, 30..99 mean 1930..1999. nullopt when it is not a valid date.
// Reading allocates nothing.
std::optional<DateTime> ParseDate(std::string_view text, int dateOrder);

// A date text reformatted under a mask ("dd mmm yyyy"); a text that is not a
// date is returned unchanged.
std::string FormatDateText(std::string_view text, std::string_view mask, int dateOrder);
// FormatDateText appended to `out`: no allocation beyond what `out` needs to
// grow, so a string kept between runs is reused.
void AppendDateText(std::string& out, std::string_view text, std::string_view mask, int dateOrder);

// The time as the regional clock writes it with seconds: "3:20:05 PM" on a
// 12-hour clock (timeFormat 0), "15:20:05" on a 24-hour clock (1).
std::string RegionalTimeText(const DateTime& dt, int timeFormat);

// The regional date separator that "/" in a date mask writes ('/' unless set).
void SetDateSeparator(char sep);
char DateSeparator();

// Regional settings taken from a locale (the system locale at start):
// the date order 0 month-day-year, 1 day-month-year, 2 year-month-day; the
// clock 0 for 12-hour, 1 for 24-hour; the date separator of its short format.
int LocaleDateOrder(const QLocale& locale);
int LocaleTimeFormat(const QLocale& locale);
char LocaleDateSeparator(const QLocale& locale);
int SystemDateOrder();
int SystemTimeFormat();
char SystemDateSeparator();

// The present local date and time, from the installed clock.
DateTime Now();
// Installs the clock that Now reads; an empty function restores the system
// clock. Tests fix "now" with SetClock([] { return DateTime{...}; }).
void SetClock(std::function<DateTime()> clock);
