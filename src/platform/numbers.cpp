#include "platform/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

double Int(double x) { return std::floor(x); }
double Fix(double x) { return std::trunc(x); }
int CInt(double x) { return static_cast<int>(std::nearbyint(x)); }

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    std::string digits;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) digits += text[i++];
    bool any = false, dot = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            any = true;
        } else if (c == '.' && !dot) {
            digits += c;
            dot = true;
        } else if (c == ' ') {
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
        size_t start = exp.size();
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) exp += text[j++];
        if (exp.size() > start) digits += exp;
    }
    return std::strtod(digits.c_str(), nullptr);
}
