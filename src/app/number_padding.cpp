#include "app/number_padding.h"

#include "platform/numbers.h"

namespace {

// "-0," or "-0." then digits: a negative number above -1. Its value may read
// as 0 ("-0,5" stops at the comma, "-0.00" rounds to zero), yet it carries a
// minus sign and is padded as a negative number so the field keeps its width.
bool IsNegativeZeroComma(const std::string& text) {
    return text.compare(0, 3, "-0,") == 0 || text.compare(0, 3, "-0.") == 0;
}

std::string Blanks(int n, const std::string& text) { return std::string(static_cast<size_t>(n), ' ') + text; }

}  // namespace

std::string PadNumber2(const std::string& text) { return Blanks(Val(text) < 10 ? 1 : 0, text); }

std::string PadNumber3(const std::string& text) {
    const double v = Val(text);
    return Blanks(v >= 100 ? 0 : v >= 10 ? 1 : 2, text);
}

std::string PadPositive(const std::string& text) {
    if (IsNegativeZeroComma(text)) return text;
    return Blanks(Val(text) >= 0 ? 1 : 0, text);
}

std::string PadSignedNumber2(const std::string& text) {
    if (IsNegativeZeroComma(text)) return Blanks(1, text);
    const double v = Val(text);
    return Blanks(v >= 10 ? 1 : v >= 0 ? 2 : v > -10 ? 1 : 0, text);
}

std::string PadSignedNumber(const std::string& text) {
    if (IsNegativeZeroComma(text)) return Blanks(2, text);
    const double v = Val(text);
    int n = 0;
    if (v >= 100) n = 1;
    else if (v >= 10) n = 2;
    else if (v >= 0) n = 3;
    else if (v > -10) n = 2;
    else if (v > -100) n = 1;
    return Blanks(n, text);
}

std::string PadNumber5(const std::string& text) {
    if (IsNegativeZeroComma(text)) return Blanks(4, text);
    const double v = Val(text);
    int n = 0;
    if (v >= 10000) n = 1;
    else if (v >= 1000) n = 2;
    else if (v >= 100) n = 3;
    else if (v >= 10) n = 4;
    else if (v >= 0) n = 5;
    else if (v > -10) n = 4;
    else if (v > -100) n = 3;
    else if (v > -1000) n = 2;
    else if (v > -10000) n = 1;
    return Blanks(n, text);
}
