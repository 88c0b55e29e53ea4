#include "people/input_fields.h"

#include <cmath>
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
