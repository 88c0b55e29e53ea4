#include "platform/dates.h"

#include <QDateTime>
#include <QLocale>
#include <cctype>
#include <vector>

namespace {

constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kMonthNames[12] = {"january", "february", "march",     "april",   "may",      "june",
                                         "july",    "august",   "september", "october", "november", "december"};

char g_dateSeparator = '/';
std::function<DateTime()> g_clock;

std::string Pad2(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

size_t RunLength(std::string_view s, size_t i) {
    size_t n = 1;
    while (i + n < s.size() && Lower(s[i + n]) == Lower(s[i])) ++n;
    return n;
}

bool StartsWithNoCase(std::string_view s, size_t i, std::string_view what) {
    if (s.size() - i < what.size()) return false;
    for (size_t k = 0; k < what.size(); ++k)
        if (Lower(s[i + k]) != what[k]) return false;
    return true;
}

// The unquoted text of a Qt date or time format, so letters inside quotes
// are not taken for fields.
std::string Unquoted(const QString& format) {
    std::string out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted) {
            out += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : ' ';
        }
    }
    return out;
}

}  // namespace

std::string MonthAbbrev(int month) { return month >= 1 && month <= 12 ? kMonths[month - 1] : ""; }

int MonthFromName(std::string_view name) {
    if (name.size() < 3) return 0;
    std::string lower;
    for (char c : name) lower += Lower(c);
    for (int m = 0; m < 12; ++m) {
        const std::string_view full = kMonthNames[m];
        if (lower.size() <= full.size() && full.substr(0, lower.size()) == lower) return m + 1;
    }
    return 0;
}

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

DateTime AddDays(const DateTime& dt, int days) {
    const QDate d = QDate(dt.Year, dt.Month, dt.Day).addDays(days);
    DateTime out = dt;
    out.Year = d.year();
    out.Month = d.month();
    out.Day = d.day();
    return out;
}

std::string FormatDate(const DateTime& dt, std::string_view mask) {
    bool twelveHour = false;
    for (size_t i = 0; i < mask.size(); ++i)
        if (StartsWithNoCase(mask, i, "am/pm")) twelveHour = true;

    std::string out;
    bool afterHour = false;  // an "m" right after an hour token means minutes
    for (size_t i = 0; i < mask.size();) {
        const char c = Lower(mask[i]);
        if (StartsWithNoCase(mask, i, "am/pm")) {
            const bool upper = std::isupper(static_cast<unsigned char>(mask[i]));
            out += dt.Hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
            continue;
        }
        const size_t n = RunLength(mask, i);
        switch (c) {
            case 'd':
                out += n >= 2 ? Pad2(dt.Day) : std::to_string(dt.Day);
                afterHour = false;
                break;
            case 'm':
                if (afterHour && n <= 2) {
                    out += n == 2 ? Pad2(dt.Minute) : std::to_string(dt.Minute);
                } else if (n >= 3) {
                    out += MonthAbbrev(dt.Month);
                } else {
                    out += n == 2 ? Pad2(dt.Month) : std::to_string(dt.Month);
                }
                afterHour = false;
                break;
            case 'y': {
                if (n >= 3) {
                    std::string y = std::to_string(dt.Year);
                    if (y.size() < 4) y.insert(0, 4 - y.size(), '0');
                    out += y;
                } else {
                    out += Pad2(dt.Year % 100);
                }
                afterHour = false;
                break;
            }
            case 'h': {
                int h = dt.Hour;
                if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
                out += n >= 2 ? Pad2(h) : std::to_string(h);
                afterHour = true;
                break;
            }
            case 'n':
                out += n >= 2 ? Pad2(dt.Minute) : std::to_string(dt.Minute);
                afterHour = false;
                break;
            case 's':
                out += n >= 2 ? Pad2(dt.Second) : std::to_string(dt.Second);
                afterHour = false;
                break;
            case '/':
                out.append(n, g_dateSeparator);
                break;
            default:
                out.append(mask.substr(i, n));
                break;
        }
        i += n;
    }
    return out;
}

std::optional<DateTime> ParseDate(std::string_view text, int dateOrder) {
    std::vector<std::string> parts;
    std::string cur;
    auto flush = [&] {
        if (!cur.empty()) parts.push_back(cur);
        cur.clear();
    };
    for (char c : text) {
        if (c == '/' || c == '-' || c == '.' || c == ',' || c == ' ' || c == '\t' || c == g_dateSeparator) {
            flush();
        } else if (!cur.empty() && std::isdigit(static_cast<unsigned char>(c)) !=
                                       std::isdigit(static_cast<unsigned char>(cur.back()))) {
            flush();  // "05Mar1960"
            cur += c;
        } else {
            cur += c;
        }
    }
    flush();
    if (parts.size() != 3) return std::nullopt;

    int month = 0;
    std::vector<std::string> numbers;
    for (const auto& p : parts) {
        if (std::isdigit(static_cast<unsigned char>(p[0]))) {
            numbers.push_back(p);
        } else {
            if (month != 0) return std::nullopt;
            month = MonthFromName(p);
            if (month == 0) return std::nullopt;
        }
    }
    for (const auto& n : numbers)
        if (n.size() > 4) return std::nullopt;
    auto year = [](const std::string& s) {
        const int v = std::stoi(s);
        if (s.size() <= 2) return v < 30 ? 2000 + v : 1900 + v;
        return v;
    };
    DateTime dt;
    if (month != 0) {
        if (numbers.size() != 2) return std::nullopt;
        const bool yearFirst = numbers[0].size() >= 3 || std::stoi(numbers[0]) > 31;
        dt.Day = std::stoi(numbers[yearFirst ? 1 : 0]);
        dt.Year = year(numbers[yearFirst ? 0 : 1]);
        dt.Month = month;
    } else if (numbers[0].size() >= 3 || dateOrder == 2) {
        dt.Year = year(numbers[0]);
        dt.Month = std::stoi(numbers[1]);
        dt.Day = std::stoi(numbers[2]);
    } else if (dateOrder == 1) {
        dt.Day = std::stoi(numbers[0]);
        dt.Month = std::stoi(numbers[1]);
        dt.Year = year(numbers[2]);
    } else {
        dt.Month = std::stoi(numbers[0]);
        dt.Day = std::stoi(numbers[1]);
        dt.Year = year(numbers[2]);
    }
    if (!IsValidDate(dt.Year, dt.Month, dt.Day)) return std::nullopt;
    return dt;
}

std::string FormatDateText(std::string_view text, std::string_view mask, int dateOrder) {
    const auto dt = ParseDate(text, dateOrder);
    return dt ? FormatDate(*dt, mask) : std::string(text);
}

std::string RegionalTimeText(const DateTime& dt, int timeFormat) {
    return FormatDate(dt, timeFormat == 1 ? "hh:nn:ss" : "h:nn:ss AM/PM");
}

void SetDateSeparator(char sep) { g_dateSeparator = sep; }
char DateSeparator() { return g_dateSeparator; }

int LocaleDateOrder(const QLocale& locale) {
    const std::string f = Unquoted(locale.dateFormat(QLocale::ShortFormat));
    const size_t d = f.find('d'), m = f.find('M'), y = f.find('y');
    if (y != std::string::npos && y < d && y < m) return 2;
    if (d != std::string::npos && (m == std::string::npos || d < m)) return 1;
    return 0;
}

int LocaleTimeFormat(const QLocale& locale) {
    const std::string f = Unquoted(locale.timeFormat(QLocale::ShortFormat));
    return f.find_first_of("aA") == std::string::npos ? 1 : 0;
}

char LocaleDateSeparator(const QLocale& locale) {
    const std::string f = Unquoted(locale.dateFormat(QLocale::ShortFormat));
    for (size_t i = 1; i < f.size(); ++i) {
        const char c = f[i];
        if (!std::isalpha(static_cast<unsigned char>(c)) && std::isalpha(static_cast<unsigned char>(f[i - 1])) &&
            c != ' ')
            return c;
    }
    return '/';
}

int SystemDateOrder() { return LocaleDateOrder(QLocale::system()); }
int SystemTimeFormat() { return LocaleTimeFormat(QLocale::system()); }
char SystemDateSeparator() { return LocaleDateSeparator(QLocale::system()); }

DateTime Now() {
    if (g_clock) return g_clock();
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return DateTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void SetClock(std::function<DateTime()> clock) { g_clock = std::move(clock); }
