#include "platform/numbers.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {

// Every test starts and ends with the "." separator.
class NumbersTest : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator('.'); }
    void TearDown() override { SetDecimalSeparator('.'); }
};

TEST_F(NumbersTest, IntFixAndCInt) {
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Fix(-0.5), 0);
    EXPECT_EQ(Fix(-2.9), -2);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(2.51), 3);
    EXPECT_EQ(CInt(1e20), 2147483647);
}

TEST_F(NumbersTest, ValReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val("  -2.5x"), -2.5);
    EXPECT_EQ(Val("x"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("-.25"), -0.25);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val("1 000"), 1000);
    EXPECT_DOUBLE_EQ(Val("1e3x"), 1000);
    EXPECT_DOUBLE_EQ(Val("2e"), 2);
    EXPECT_DOUBLE_EQ(Val("075.30"), 75.3);
    EXPECT_DOUBLE_EQ(Val("5,5"), 5);
}

TEST_F(NumbersTest, ValIgnoresTheCLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
    EXPECT_DOUBLE_EQ(Val("2.5"), 2.5);
    EXPECT_EQ(Format(2.5, "0.00"), "2.50");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST_F(NumbersTest, StrPutsABlankBeforeNonNegative) {
    EXPECT_EQ(Str(5.0), " 5");
    EXPECT_EQ(Str(-5.0), "-5");
    EXPECT_EQ(Str(0.0), " 0");
    EXPECT_EQ(Str(7), " 7");
    EXPECT_EQ(Str(-12), "-12");
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.25), "-.25");
    EXPECT_EQ(Str(2.675), " 2.675");
    EXPECT_EQ(Str(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(Str(0.1f), " .1");  // a single keeps its own 7 digits
    EXPECT_EQ(Str(1e20), " 1E+20");
    EXPECT_EQ(Str(1.5e-5), " 1.5E-05");
    EXPECT_EQ(Str(0.0001), " .0001");
    SetDecimalSeparator(',');
    EXPECT_EQ(Str(1.5), " 1.5");  // Str always writes a point
}

TEST_F(NumbersTest, FormatDigitPlaces) {
    EXPECT_EQ(Format(7, "0"), "7");
    EXPECT_EQ(Format(7, "00"), "07");
    EXPECT_EQ(Format(7, "000"), "007");
    EXPECT_EQ(Format(120, "00"), "120");  // more digits than places
    EXPECT_EQ(Format(0.0, "#0"), "0");
    EXPECT_EQ(Format(0.0, "##0"), "0");
    EXPECT_EQ(Format(123.456, "##0.0"), "123.5");
    EXPECT_EQ(Format(5.0, "#0.00"), "5.00");
    EXPECT_EQ(Format(-5.0, "#0.00"), "-5.00");
    EXPECT_EQ(Format(12345.678, "###0.00"), "12345.68");
    EXPECT_EQ(Format(3.7, "###0"), "4");
    EXPECT_EQ(Format(-3.0, "###0"), "-3");
    EXPECT_EQ(Format(0.25, "0.0"), "0.3");
    EXPECT_EQ(Format(9.96, "0.0"), "10.0");
    EXPECT_EQ(Format(99.995, "##0.00"), "100.00");
    EXPECT_EQ(Format(12.5, "#"), "13");
    EXPECT_EQ(Format(0.0, "#"), "");
}

TEST_F(NumbersTest, FormatRoundsHalfAwayFromZeroOnTheShownDecimal) {
    EXPECT_EQ(Format(2.675, "0.00"), "2.68");  // 2.67499999... in binary
    EXPECT_EQ(Format(6.25, "0.0"), "6.3");
    EXPECT_EQ(Format(-6.25, "0.0"), "-6.3");
    EXPECT_EQ(Format(0.5, "0"), "1");
    EXPECT_EQ(Format(1.5, "0"), "2");
    EXPECT_EQ(Format(2.5, "0"), "3");
    EXPECT_EQ(Format(-2.5, "0"), "-3");
    EXPECT_EQ(Format(1.005, "0.00"), "1.01");
    EXPECT_EQ(Format(59.5, "00"), "60");
    EXPECT_EQ(Format(2.675f, "0.00"), "2.68");  // a single at its own precision
    EXPECT_EQ(Format(0.125f, "0.00"), "0.13");
}

TEST_F(NumbersTest, FormatKeepsTheSignOfAValueRoundedToZero) {
    EXPECT_EQ(Format(-0.001, "0.00"), "-0.00");
    EXPECT_EQ(Format(-0.001, "#0.00"), "-0.00");
    EXPECT_EQ(Format(-0.04, "0.0"), "-0.0");
    EXPECT_EQ(Format(-0.0, "0.00"), "0.00");
    EXPECT_EQ(Format(0.001, "0.00"), "0.00");
}

TEST_F(NumbersTest, FormatNamesFileMasks) {
    // Time as hours + minutes / 100.
    EXPECT_EQ(Format(5.30, "##.#0"), "5.30");
    EXPECT_EQ(Format(5.05, "##.#0"), "5.05");
    EXPECT_EQ(Format(12.0, "##.#0"), "12.00");
    EXPECT_EQ(Format(11.59, "##.#0"), "11.59");
    // Longitude, West positive.
    EXPECT_EQ(Format(75.30, "#00#.#0"), "075.30");
    EXPECT_EQ(Format(-2.20, "#00#.#0"), "-002.20");
    EXPECT_EQ(Format(122.05, "#00#.#0"), "122.05");
    EXPECT_EQ(Format(0.0, "#00#.#0"), "000.00");
    // Latitude, North positive.
    EXPECT_EQ(Format(40.45, "#0#.#0"), "40.45");
    EXPECT_EQ(Format(-33.52, "#0#.#0"), "-33.52");
    EXPECT_EQ(Format(5.05, "#0#.#0"), "05.05");
}

TEST_F(NumbersTest, FormatOptionalPlaces) {
    // The graph read-out: no leading zero, always two decimals.
    EXPECT_EQ(Format(0.5, "####.00"), ".50");
    EXPECT_EQ(Format(-3.0, "####.00"), "-3.00");
    EXPECT_EQ(Format(1234.567, "####.00"), "1234.57");
    // "#" places after the last "0" drop trailing zeros.
    EXPECT_EQ(Format(1.5, "0.0#"), "1.5");
    EXPECT_EQ(Format(1.25, "0.0#"), "1.25");
    EXPECT_EQ(Format(1.0, "0.##"), "1.");
}

TEST_F(NumbersTest, FormatWritesTheRegionalSeparator) {
    SetDecimalSeparator(',');
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(Format(2.675, "0.00"), "2,68");
    EXPECT_EQ(Format(-0.001, "#0.00"), "-0,00");
    EXPECT_EQ(Format(75.30, "#00#.#0"), "075,30");
    EXPECT_EQ(Format(7, "00"), "07");
}

}  // namespace

namespace {

TEST(NumbersOverloadTest, WholeNumbersOfAnyType) {
    SetDecimalSeparator('.');
    const short s = -7;
    const size_t n = 12;
    const long long big = 123456789012LL;
    EXPECT_EQ(Format(s, "00"), "-07");
    EXPECT_EQ(Format(n, "000"), "012");
    EXPECT_EQ(Format(big, "0"), "123456789012");
    EXPECT_EQ(Str(s), "-7");
    EXPECT_EQ(Str(n), " 12");
}

}  // namespace
