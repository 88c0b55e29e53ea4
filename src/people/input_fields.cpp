#include "people/input_fields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

bool StrictNumber(std::string_view text, double& value) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    int digits = 0, points = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            if (++points > 1) return false;
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    value = std::strtod(std::string(text).c_str(), nullptr);
    return std::isfinite(value);
}

double StrictValue(std::string_view text) {
    double v = 0.0;
    return StrictNumber(text, v) ? v : 0.0;
}

std::string PlainNumberText(double value) {
    if (value == 0.0) return "0";  // also for -0
    char buf[64];
    // Whole numbers without a point; fractions with the digits a single
    // precision value carries, trailing zeros dropped.
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.0f", value);
        return buf;
    }
    std::snprintf(buf, sizeof buf, "%.7g", value);
    std::string s = buf;
    if (s.find('e') != std::string::npos) {
        std::snprintf(buf, sizeof buf, "%.7f", value);
        s = buf;
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}
