#pragma once
// Right-aligning of numbers already formatted as text: each function returns
// the text with blanks in front, so that the integer part with its sign ends
// at a fixed column. The value tested is the text's leading number; a text
// beginning "-0," or "-0." (a negative number above -1, "-0.00" included)
// counts as negative. No text is ever shortened.
#include <string>

// Field 2: one blank below 10.
std::string PadNumber2(const std::string& text);
// Field 3: none from 100, one from 10, otherwise two.
std::string PadNumber3(const std::string& text);
// Sign column: one blank when not negative.
std::string PadPositive(const std::string& text);
// Field 3 with sign.
std::string PadSignedNumber2(const std::string& text);
// Field 4 with sign.
std::string PadSignedNumber(const std::string& text);
// Field 6 with sign.
std::string PadNumber5(const std::string& text);
