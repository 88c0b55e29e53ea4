#include "people/name_record.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "people/comma_fields.h"
#include "platform/dates.h"
#include "platform/numbers.h"
#include "platform/text_file.h"

namespace {

// Numbers whose whole part a box cannot take are a fault of the record.
bool Representable(double value) { return std::fabs(value) < 1e9; }

bool AllDigits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A day or year written in digits; 0 (no valid day or year) when it is
// beyond the range of int rather than wrapped into it.
int DateNumber(const std::string& digits) {
    int value = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return res.ec == std::errc() ? value : 0;
}

// Whole part and minutes of degrees.minutes (or hours.minutes).
void SplitDotMinutes(double value, int& whole, int& minutes) {
    const double a = std::fabs(value);
    whole = static_cast<int>(std::floor(a));
    minutes = static_cast<int>(std::lround((a - whole) * 100.0));
    if (minutes >= 100) {  // 5.999 and the like
        ++whole;
        minutes -= 100;
    }
}

}  // namespace

std::string FormatNameRecord(const NameRecord& r) {
    return r.Name + "," + r.Date + "," + r.Time + "," + r.AmPm + "," + r.TimeZone + "," + r.Longitude + "," +
           r.Latitude + "," + r.Email;
}

std::optional<NameRecord> ParseNameRecordLine(const std::string& line) {
    const auto f = SplitCommaLine(line);
    if (f.size() != 8) return std::nullopt;
    return NameRecord{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
}

std::string FormatNameNumber(double value, int minWholeDigits) {
    // Round the decimal value as shown to 15 significant digits, halves away from zero.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(value));
    const long long hundredths = std::llround(std::strtod(buf, nullptr) * 100.0);
    const long long whole = hundredths / 100;
    const int frac = static_cast<int>(hundredths % 100);
    std::string wholeText = whole == 0 ? "" : std::to_string(whole);
    if (static_cast<int>(wholeText.size()) < minWholeDigits)
        wholeText = std::string(static_cast<size_t>(minWholeDigits) - wholeText.size(), '0') + wholeText;
    std::snprintf(buf, sizeof buf, ".%02d", frac);
    return (value < 0 && hundredths != 0 ? "-" : "") + wholeText + buf;
}

std::string FormatRecordDate(int day, int month, int year) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d %s %04d", day, MonthAbbrev((month - 1) % 12 + 1).c_str(), year);
    return buf;
}

std::optional<RecordDate> ParseRecordDate(const std::string& text) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : text) {
        if (c == ' ') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    if (parts.size() != 3 || !AllDigits(parts[0]) || !AllDigits(parts[2])) return std::nullopt;
    const int month = MonthFromName(parts[1]);
    RecordDate d;
    d.Month = month;
    if (parts[0].size() == 4 && parts[2].size() <= 2) {  // year first
        d.Year = DateNumber(parts[0]);
        d.Day = DateNumber(parts[2]);
    } else {
        d.Day = DateNumber(parts[0]);
        d.Year = DateNumber(parts[2]);
    }
    if (!IsValidDate(d.Year, d.Month, d.Day)) return std::nullopt;
    return d;
}

std::optional<NameRecordValues> DecodeNameRecord(const NameRecord& r) {
    const auto date = ParseRecordDate(r.Date);
    if (!date) return std::nullopt;
    const double t = Val(r.Time), z = Val(r.TimeZone), g = Val(r.Longitude), b = Val(r.Latitude);
    if (!Representable(t) || !Representable(z) || !Representable(g) || !Representable(b)) return std::nullopt;
    NameRecordValues v;
    v.Date = *date;
    SplitDotMinutes(t, v.Hour, v.Minute);
    v.AM = UpperCaseText(r.AmPm) == "A";
    v.Zone = z;
    SplitDotMinutes(g, v.LongDeg, v.LongMin);
    v.East = g < 0;
    SplitDotMinutes(b, v.LatDeg, v.LatMin);
    v.South = b < 0;
    return v;
}

std::string UpperCaseText(const std::string& text) { return ToCp1252(FromCp1252(text).toUpper()); }

std::string YearFirstDate(const std::string& d) {
    if (d.size() < 5 || d[4] == ' ') return d;
    const size_t firstBlank = d.find(' ');
    if (firstBlank == std::string::npos) return d;
    std::string year = d.size() >= 4 ? d.substr(d.size() - 4) : d;
    year.erase(0, year.find_first_not_of(' '));
    const std::string month = d.substr(firstBlank + 1, 3);
    std::string day = d.substr(0, firstBlank);
    if (day.size() < 2) day.insert(0, 2 - day.size(), '0');
    return year + " " + month + " " + day;
}
