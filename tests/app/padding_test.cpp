#include <gtest/gtest.h>

#include "app/number_padding.h"

TEST(NumberPadding, PadNumber2And3) {
    EXPECT_EQ(PadNumber2("7"), " 7");
    EXPECT_EQ(PadNumber2("12"), "12");
    EXPECT_EQ(PadNumber2("-3"), " -3");
    EXPECT_EQ(PadNumber3("5.5"), "  5.5");
    EXPECT_EQ(PadNumber3("10"), " 10");
    EXPECT_EQ(PadNumber3("100"), "100");
    EXPECT_EQ(PadNumber3("1234"), "1234");  // never shortened
}

TEST(NumberPadding, PadSignedNumber) {
    EXPECT_EQ(PadSignedNumber("-3.5"), "  -3.5");
    EXPECT_EQ(PadSignedNumber("-0,5"), "  -0,5");
    EXPECT_EQ(PadSignedNumber("0.0"), "   0.0");
    EXPECT_EQ(PadSignedNumber("123.4"), " 123.4");
    EXPECT_EQ(PadSignedNumber("-150"), "-150");
    EXPECT_EQ(PadSignedNumber("12,5"), "  12,5");
    EXPECT_EQ(PadSignedNumber("-12,5"), " -12,5");
    // A small negative value that rounds to zero keeps the field's width.
    EXPECT_EQ(PadSignedNumber("-0.00"), "  -0.00");
    EXPECT_EQ(PadSignedNumber("-0,00"), "  -0,00");
    EXPECT_EQ(PadSignedNumber("0.00"), "   0.00");
}

TEST(NumberPadding, PadSignedNumber2) {
    EXPECT_EQ(PadSignedNumber2("-0,5"), " -0,5");
    EXPECT_EQ(PadSignedNumber2("15"), " 15");
    EXPECT_EQ(PadSignedNumber2("3"), "  3");
    EXPECT_EQ(PadSignedNumber2("-3"), " -3");
    EXPECT_EQ(PadSignedNumber2("-30"), "-30");
    EXPECT_EQ(PadSignedNumber2("-0.00"), " -0.00");
}

TEST(NumberPadding, PadNumber5) {
    EXPECT_EQ(PadNumber5("10000"), " 10000");
    EXPECT_EQ(PadNumber5("250000"), " 250000");
    EXPECT_EQ(PadNumber5("-10000"), "-10000");
    EXPECT_EQ(PadNumber5("-0,25"), "    -0,25");
    EXPECT_EQ(PadNumber5("0"), "     0");
    EXPECT_EQ(PadNumber5("-999"), "  -999");
    EXPECT_EQ(PadNumber5("1000"), "  1000");
    EXPECT_EQ(PadNumber5("-0.00"), "    -0.00");
}

TEST(NumberPadding, PadPositive) {
    EXPECT_EQ(PadPositive("2.5"), " 2.5");
    EXPECT_EQ(PadPositive("-2.5"), "-2.5");
    EXPECT_EQ(PadPositive("0"), " 0");
    // A negative value above -1 with a decimal comma lines up with the others.
    EXPECT_EQ(PadPositive("-0,5"), "-0,5");
    EXPECT_EQ(PadPositive("-0.00"), "-0.00");
}
