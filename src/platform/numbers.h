#pragma once
// Number and string functions with the semantics the program's formulas and
// report masks expect.
#include <string>
#include <string_view>
#include <optional>
#include <type_traits>
#include <vector>

// Floor: the largest whole number not above x (Int(-0.5) = -1).
double Int(double x);
// Truncation toward zero (Fix(-0.5) = 0).
double Fix(double x);
// Rounding to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the range of int are held at its ends; NaN gives 0.
int CInt(double x);
// The leading number of a text: blanks skipped, sign, digits, one ".", an
// exponent; 0 when there is none ("  -2.5x" -> -2.5, "x" -> 0). The point is
// always "." whatever the locale.
double Val(std::string_view text);

// The number as a single when single precision can hold it; nullopt for a
// number beyond its range (or not a number), whose conversion to float
// would be undefined. Numbers too small for it become 0 as usual.
std::optional<float> ToSingle(double x);
// The line numbers as a message names them: "line 5", "lines 5, 9 and 12";
// beyond ten, the first ten and "...".
std::string LineNumbersText(const std::vector<int>& lines);

// A number as text, with a blank before a non-negative number (" 5", "-5").
// Up to 15 significant digits for a double and 7 for a single; no zero before
// the point of a number below 1 (" .5", "-.25"); an exponent form beyond
// that range (" 1E+20", " 1E-05"). The point is always ".".
std::string Str(double x);
std::string Str(float x);
// Whole numbers of any integer type.
template <typename T>
    requires std::is_integral_v<T>
std::string Str(T x) {
    return Str(static_cast<double>(x));
}

// A number formatted under a mask of digit places: "0" a digit always written,
// "#" a digit written only when significant, at most one "." (the regional
// decimal separator). Before the point the places from the first "0" on give
// the least count of digits ("#00#" at least three: 075); more digits are
// written when the number needs them. After the point every place is filled
// up to the last "0"; "#" places after it drop trailing zeros. A negative
// sign comes first, also when the number rounds to zero (-0.001 under "0.00"
// gives "-0.00").
// Rounding is half away from zero on the decimal value shown to 15
// significant digits for a double (2.675 under "0.00" gives "2.68") and to 7
// for a single, so a float is formatted as its own decimal value. Pass floats
// as float and doubles as double: the two may differ at a tie.
std::string Format(double value, std::string_view mask);
std::string Format(float value, std::string_view mask);
template <typename T>
    requires std::is_integral_v<T>
std::string Format(T value, std::string_view mask) {
    return Format(static_cast<double>(value), mask);
}

// The regional decimal separator that Format writes ('.' unless set).
void SetDecimalSeparator(char sep);
char DecimalSeparator();
// The decimal separator of the system locale, for setting at start.
char LocaleDecimalSeparator();
