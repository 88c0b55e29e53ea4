#include "platform/numbers.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

char g_decimalSeparator = '.';

// The decimal form of a non-negative finite x to `sig` significant digits:
// the digits without leading or trailing zeros of the mantissa trimmed, and
// the count of digits that stand before the point (may be zero or negative).
struct DecimalDigits {
    std::string digits;  // "" for zero
    int pointPos = 0;
};

DecimalDigits ToDecimal(double ax, int sig) {
    DecimalDigits d;
    if (ax == 0.0) return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific, sig - 1);
    const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    d.pointPos = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Whole and fraction digits of ax rounded half away from zero to `decimals`
// places, rounding the `sig`-digit decimal form. The whole part has no
// leading zeros ("" for zero); the fraction has exactly `decimals` digits.
void RoundToPlaces(double ax, int sig, int decimals, std::string& whole, std::string& frac) {
    const DecimalDigits d = ToDecimal(ax, sig);
    whole.clear();
    frac.clear();
    if (d.pointPos <= 0) {
        frac.assign(static_cast<size_t>(-d.pointPos), '0');
        frac += d.digits;
    } else if (static_cast<size_t>(d.pointPos) >= d.digits.size()) {
        whole = d.digits;
        whole.append(static_cast<size_t>(d.pointPos) - d.digits.size(), '0');
    } else {
        whole = d.digits.substr(0, static_cast<size_t>(d.pointPos));
        frac = d.digits.substr(static_cast<size_t>(d.pointPos));
    }
    const size_t places = static_cast<size_t>(decimals);
    bool carry = frac.size() > places && frac[places] >= '5';
    if (frac.size() > places) frac.resize(places);
    frac.append(places - frac.size(), '0');
    for (size_t i = frac.size(); carry && i-- > 0;) {
        if (frac[i] == '9') {
            frac[i] = '0';
        } else {
            ++frac[i];
            carry = false;
        }
    }
    for (size_t i = whole.size(); carry && i-- > 0;) {
        if (whole[i] == '9') {
            whole[i] = '0';
        } else {
            ++whole[i];
            carry = false;
        }
    }
    if (carry) whole.insert(whole.begin(), '1');
    const size_t nz = whole.find_first_not_of('0');
    whole.erase(0, nz == std::string::npos ? whole.size() : nz);
}

std::string NonFinite(double x) {
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Inf" : "Inf";
}

std::string FormatMasked(double value, int sig, std::string_view mask) {
    if (!std::isfinite(value)) return NonFinite(value);
    const size_t point = mask.find('.');
    const std::string_view intMask = mask.substr(0, point);
    const std::string_view fracMask = point == std::string_view::npos ? std::string_view{} : mask.substr(point + 1);

    int minWhole = 0;
    bool zeroSeen = false;
    for (char c : intMask) {
        if (c == '0') zeroSeen = true;
        if ((c == '0' || c == '#') && zeroSeen) ++minWhole;
    }
    int places = 0, minPlaces = 0;
    for (char c : fracMask) {
        if (c == '0' || c == '#') ++places;
        if (c == '0') minPlaces = places;
    }

    std::string whole, frac;
    RoundToPlaces(std::fabs(value), sig, places, whole, frac);
    if (whole.size() < static_cast<size_t>(minWhole)) whole.insert(0, static_cast<size_t>(minWhole) - whole.size(), '0');
    while (frac.size() > static_cast<size_t>(minPlaces) && frac.back() == '0') frac.pop_back();

    std::string out;
    if (value < 0) out += '-';
    out += whole;
    if (point != std::string_view::npos) {
        out += g_decimalSeparator;
        out += frac;
    }
    return out;
}

// Str's text of a finite number to `sig` significant digits.
std::string StrText(double x, int sig) {
    if (!std::isfinite(x)) return NonFinite(x);
    std::string out = x < 0 ? "-" : " ";
    const DecimalDigits d = ToDecimal(std::fabs(x), sig);
    if (d.digits.empty()) return out + "0";
    const int exponent = d.pointPos - 1;
    if (exponent < -5 + 1 || exponent >= sig) {
        // Exponent form: one digit, the rest after the point, "E", sign, two digits at least.
        out += d.digits[0];
        if (d.digits.size() > 1) out += "." + d.digits.substr(1);
        out += exponent < 0 ? "E-" : "E+";
        const int ae = std::abs(exponent);
        if (ae < 10) out += '0';
        out += std::to_string(ae);
        return out;
    }
    if (d.pointPos <= 0) {
        out += '.';
        out.append(static_cast<size_t>(-d.pointPos), '0');
        out += d.digits;
    } else if (static_cast<size_t>(d.pointPos) >= d.digits.size()) {
        out += d.digits;
        out.append(static_cast<size_t>(d.pointPos) - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, static_cast<size_t>(d.pointPos));
        out += '.';
        out += d.digits.substr(static_cast<size_t>(d.pointPos));
    }
    return out;
}

}  // namespace

double Int(double x) { return std::floor(x); }
double Fix(double x) { return std::trunc(x); }

int CInt(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::nearbyint(x);
    if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    std::string digits;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    bool any = false, dot = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            any = true;
        } else if (c == '.' && !dot) {
            digits += c;
            dot = true;
        } else if (c == ' ' || c == '\t') {
            continue;  // blanks inside a number are skipped, as in "1 000"
        } else {
            break;
        }
    }
    if (!any) return 0.0;
    // An exponent follows only directly after the mantissa.
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (text[j] == '-' || text[j] == '+') exp += text[j++];
        const size_t start = exp.size();
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') exp += text[j++];
        if (exp.size() > start) digits += exp;
    }
    // from_chars reads "." whatever the C locale says, unlike strtod.
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    double value = 0.0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (res.ec == std::errc::result_out_of_range) value = digits.find("e-") != std::string::npos ? 0.0 : HUGE_VAL;
    return negative ? -value : value;
}

std::optional<float> ToSingle(double x) {
    if (!(std::fabs(x) <= static_cast<double>(std::numeric_limits<float>::max()))) return std::nullopt;
    return static_cast<float>(x);
}

std::string LineNumbersText(const std::vector<int>& lines) {
    if (lines.empty()) return "";
    if (lines.size() == 1) return "line " + std::to_string(lines[0]);
    std::string text = "lines ";
    const size_t shown = std::min<size_t>(lines.size(), 10);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) text += (i + 1 == shown && shown == lines.size()) ? " and " : ", ";
        text += std::to_string(lines[i]);
    }
    if (shown < lines.size()) text += ", ...";
    return text;
}

std::string Str(double x) { return StrText(x, 15); }
std::string Str(float x) { return StrText(static_cast<double>(x), 7); }

std::string Format(double value, std::string_view mask) { return FormatMasked(value, 15, mask); }
std::string Format(float value, std::string_view mask) { return FormatMasked(static_cast<double>(value), 7, mask); }

void SetDecimalSeparator(char sep) { g_decimalSeparator = sep; }
char DecimalSeparator() { return g_decimalSeparator; }

char LocaleDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80) return static_cast<char>(point[0].unicode());
    return '.';
}
