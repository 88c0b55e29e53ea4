#pragma once
// Number and string functions with the semantics the program's formulas and
// report masks expect.
#include <string>
#include <string_view>

// Floor: the largest whole number not above x (Int(-0.5) = -1).
double Int(double x);
// Truncation toward zero (Fix(-0.5) = 0).
double Fix(double x);
// Rounding to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int CInt(double x);
// The leading number of a text: blanks skipped, sign, digits, one ".", an
// exponent; 0 when there is none ("  -2.5x" -> -2.5, "x" -> 0).
double Val(std::string_view text);
// A number as text, with a blank before a non-negative number (" 5", "-5").
std::string Str(double x);
// A number formatted under a mask such as "0.00", "##0.0" or "#0"; ties
// round half away from zero on the decimal value shown to 15 significant
// digits. The decimal separator is the regional one (see SetDecimalSeparator).
std::string Format(double value, std::string_view mask);

// The regional decimal separator that Format writes ('.' unless set).
void SetDecimalSeparator(char sep);
char DecimalSeparator();
