#pragma once
// The single-precision arithmetic of the graph's scale, plot and read-out,
// kept finite at the top of the single range. There a sum or difference of
// two table values already leaves the range (2E38 less -2E38 is 4E38), so
// each step is worked in double and rounded to single precision when its
// result lies within the single range; a result past the range stays the
// double. A double sum, difference, product or quotient of two singles rounds
// to exactly the single-precision result, so within the range every value,
// pixel and text is the one single-precision arithmetic gives.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/numbers.h"

// x rounded to single precision; past the single range, x itself. Inline,
// as the plot calls it for every point of every series.
inline double RoundSingle(double x) {
    return std::fabs(x) <= static_cast<double>(std::numeric_limits<float>::max()) ? static_cast<float>(x) : x;
}

// A value under a mask as a single is formatted: to seven significant
// digits, also past the single range.
inline std::string FormatSingle(double x, std::string_view mask) {
    if (const std::optional<float> single = ToSingle(x)) return Format(*single, mask);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.7g", x);
    return Format(std::strtod(digits, nullptr), mask);
}
