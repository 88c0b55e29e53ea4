#include "platform/dates.h"

#include <QDateTime>
#include <QLocale>
#include <array>
#include <cctype>

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

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The value of a run of at most four digits.
int DigitsValue(std::string_view digits) {
    int v = 0;
    for (char c : digits) v = v * 10 + (c - '0');
    return v;
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
    for (int m = 0; m < 12; ++m) {
        const std::string_view full = kMonthNames[m];
        if (name.size() <= full.size() && StartsWithNoCase(name, 0, full.substr(0, name.size()))) return m + 1;
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
    std::string out;
    AppendFormattedDate(out, dt, mask);
    return out;
}

void AppendFormattedDate(std::string& out, const DateTime& dt, std::string_view mask) {
    bool twelveHour = false;
    for (size_t i = 0; i < mask.size(); ++i)
        if (StartsWithNoCase(mask, i, "am/pm")) twelveHour = true;

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
}

std::optional<DateTime> ParseDate(std::string_view text, int dateOrder) {
    // The text falls into parts at the separators and wherever digits meet
    // other characters ("05Mar1960"); each part is a view into the text, so
    // reading a date allocates nothing. A date has exactly three parts.
    std::array<std::string_view, 3> parts;
    size_t count = 0, start = 0, length = 0;
    auto flush = [&] {
        if (length == 0) return true;
        if (count == parts.size()) return false;
        parts[count++] = text.substr(start, length);
        length = 0;
        return true;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '/' || c == '-' || c == '.' || c == ',' || c == ' ' || c == '\t' || c == g_dateSeparator) {
            if (!flush()) return std::nullopt;
            continue;
        }
        if (length != 0 && IsDigit(c) != IsDigit(text[i - 1]) && !flush()) return std::nullopt;
        if (length++ == 0) start = i;
    }
    if (!flush() || count != parts.size()) return std::nullopt;

    int month = 0;
    std::array<std::string_view, 3> numbers;
    size_t numberCount = 0;
    for (const std::string_view p : parts) {
        if (IsDigit(p[0])) {
            numbers[numberCount++] = p;
        } else {
            if (month != 0) return std::nullopt;
            month = MonthFromName(p);
            if (month == 0) return std::nullopt;
        }
    }
    for (size_t k = 0; k < numberCount; ++k)
        if (numbers[k].size() > 4) return std::nullopt;
    auto year = [](std::string_view s) {
        const int v = DigitsValue(s);
        if (s.size() <= 2) return v < 30 ? 2000 + v : 1900 + v;
        return v;
    };
    DateTime dt;
    if (month != 0) {
        if (numberCount != 2) return std::nullopt;
        const bool yearFirst = numbers[0].size() >= 3 || DigitsValue(numbers[0]) > 31;
        dt.Day = DigitsValue(numbers[yearFirst ? 1 : 0]);
        dt.Year = year(numbers[yearFirst ? 0 : 1]);
        dt.Month = month;
    } else if (numbers[0].size() >= 3 || dateOrder == 2) {
        dt.Year = year(numbers[0]);
        dt.Month = DigitsValue(numbers[1]);
        dt.Day = DigitsValue(numbers[2]);
    } else if (dateOrder == 1) {
        dt.Day = DigitsValue(numbers[0]);
        dt.Month = DigitsValue(numbers[1]);
        dt.Year = year(numbers[2]);
    } else {
        dt.Month = DigitsValue(numbers[0]);
        dt.Day = DigitsValue(numbers[1]);
        dt.Year = year(numbers[2]);
    }
    if (!IsValidDate(dt.Year, dt.Month, dt.Day)) return std::nullopt;
    return dt;
}

std::string FormatDateText(std::string_view text, std::string_view mask, int dateOrder) {
    std::string out;
    AppendDateText(out, text, mask, dateOrder);
    return out;
}

void AppendDateText(std::string& out, std::string_view text, std::string_view mask, int dateOrder) {
    if (const auto dt = ParseDate(text, dateOrder)) AppendFormattedDate(out, *dt, mask);
    else out.append(text);
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
