#pragma once
// One person of a names file: eight comma-separated fields on one line.
#include <optional>
#include <string>

struct NameRecord {
    std::string Name;       // as typed; no comma
    std::string Date;       // "dd mmm yyyy", English month abbreviation
    std::string Time;       // hours + minutes / 100 on the 12-hour clock, mask "##.#0"
    std::string AmPm;       // "A" or "P"
    std::string TimeZone;   // hours, West positive, text as typed
    std::string Longitude;  // degrees + minutes / 100, West positive, mask "#00#.#0"
    std::string Latitude;   // degrees + minutes / 100, North positive, mask "#0#.#0"
    std::string Email;      // possibly empty
};

// The record as one line of the file: its eight fields joined by commas.
std::string FormatNameRecord(const NameRecord& record);
// A line that holds exactly eight fields, or nullopt.
std::optional<NameRecord> ParseNameRecordLine(const std::string& line);

// A number with two decimals and a point, the whole part written with at
// least minWholeDigits digits: 0 for "##.#0", 2 for "#0#.#0", 3 for "#00#.#0".
// Halves round away from zero.
std::string FormatNameNumber(double value, int minWholeDigits);

// "dd mmm yyyy" with the English month abbreviations.
std::string FormatRecordDate(int day, int month, int year);

struct RecordDate {
    int Day = 0;
    int Month = 0;
    int Year = 0;
};
// Reads "dd mmm yyyy" (or the year-first form "yyyy mmm dd"; the month may
// also be written out in full); nullopt when the text is not a valid date.
std::optional<RecordDate> ParseRecordDate(const std::string& text);

// With the year-first date order a stored "05 Mar 1960" becomes "1960 Mar 05";
// a text already turned has a blank as its fifth character.
std::string YearFirstDate(const std::string& date);

// The input-window values a record gives (names list click).
struct NameRecordValues {
    RecordDate Date;
    int Hour = 0;
    int Minute = 0;
    bool AM = false;
    double Zone = 0.0;
    int LongDeg = 0;
    int LongMin = 0;
    bool East = false;
    int LatDeg = 0;
    int LatMin = 0;
    bool South = false;
};
// nullopt when the date cannot be read or a number is too large for a box.
std::optional<NameRecordValues> DecodeNameRecord(const NameRecord& record);

// Upper case in the program's 8-bit code page (names compare this way).
std::string UpperCaseText(const std::string& text);
