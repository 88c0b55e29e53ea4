#pragma once
// The time-zone list "TZ.DAT": three comma-separated fields per zone (name of
// at most 32 characters, abbreviation of at most 4, hours West positive),
// the picker's list lines and the zone a clicked line stands for.
#include <optional>
#include <string>
#include <vector>

struct TimeZoneRecord {
    std::string Name;
    std::string Abbreviation;
    std::string Hours;
};

// Records read three fields at a time across line ends, empty lines passed
// over; a record whose name is empty or only blanks is passed over too, and
// reading goes on. Corrupt is set at a name longer than 32 characters, an
// abbreviation longer than 4 or a record cut short; the records before it
// are kept.
struct TimeZoneReadResult {
    std::vector<TimeZoneRecord> Records;
    bool Corrupt = false;
};
TimeZoneReadResult ReadTimeZoneRecords(const std::vector<std::string>& lines);

// Reads "TZ.DAT" in the program folder: "File Not Found" when it cannot be
// opened, "The file TZ.DAT is corrupt." when a record is faulty.
std::vector<TimeZoneRecord> LoadTimeZoneFile(const std::string& appPath);

// The list line: name padded to 32, " - ", abbreviation right-aligned in 4,
// " =", then the hours aligned so that whole parts end in column 45.
std::string TimeZoneListLine(const TimeZoneRecord& record);

// The zone a list line stands for: the first record whose name equals the
// line's text before its first "-", blanks trimmed. nullopt when none does.
std::optional<size_t> FindTimeZone(const std::vector<TimeZoneRecord>& records, const std::string& listLine);

// What a click writes: the leading number of the hours, East when below 0.
struct TimeZoneChoice {
    double Hours = 0.0;
    bool East = false;
};
TimeZoneChoice ChooseTimeZone(const TimeZoneRecord& record);
