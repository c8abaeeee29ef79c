#include "common/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

using namespace common;

TEST(Val, ReadsTheLeadingNumberSkippingEveryBlank) {
    EXPECT_EQ(Val("    1615 198th Street N.E."), 1615198);
    EXPECT_EQ(Val(" 2 45 7"), 2457);
    EXPECT_EQ(Val("24 and 57"), 24);
    EXPECT_EQ(Val("- 3.5x"), -3.5);
    EXPECT_EQ(Val("1.5.3"), 1.5);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("1e3"), 1000);
    EXPECT_EQ(Val("2D2"), 200);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val("1e+"), 1);
}

TEST(Val, NothingNumericReadsZero) {
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("(  ,  )"), 0);
    EXPECT_FALSE(std::signbit(Val("-0")));
}

TEST(Val, RadixPrefixes) {
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("&H10"), 16);
    EXPECT_EQ(Val("&O17"), 15);
    EXPECT_EQ(Val("&H10000"), 65536);
    EXPECT_EQ(Val("&X1"), 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(2.4999), 2);
    EXPECT_EQ(CLng(100000.5), 100000);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768), -32768);
}

TEST(Rounding, OverflowIsAnError) {
    EXPECT_THROW(CInt(32767.5), OverflowError);
    EXPECT_THROW(CInt(-40000), OverflowError);
    EXPECT_THROW(CInt(std::nan("")), OverflowError);
    EXPECT_THROW(CLng(3e9), OverflowError);
}

TEST(NumberText, FifteenDigitsAndTheLeadingBlank) {
    EXPECT_EQ(NumberText(0.1 + 0.2), " 0.3");
    EXPECT_EQ(PlainNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1.0 / 3), " 0.333333333333333");
    EXPECT_EQ(NumberText(-2), "-2");
    EXPECT_EQ(NumberText(5), " 5");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(PlainNumberText(-1.5), "-1.5");
    EXPECT_EQ(PlainNumberText(1e20), "1E+20");
    EXPECT_EQ(PlainNumberText(123456789012345678.0), "1.23456789012346E+17");
}

TEST(NumberPatterns, FixedTwoDecimalsRoundHalvesAwayFromZero) {
    EXPECT_EQ(FormatFixed2(3.14159), "3.14");
    EXPECT_EQ(FormatFixed2(2.675), "2.68");
    EXPECT_EQ(FormatFixed2(-2.675), "-2.68");
    EXPECT_EQ(FormatFixed2(0.125), "0.13");
    EXPECT_EQ(FormatFixed2(-0.5), "-0.50");
    EXPECT_EQ(FormatFixed2(0), "0.00");
    EXPECT_EQ(FormatFixed2(-0.001), "0.00");
    EXPECT_EQ(FormatFixed2(9.999), "10.00");
    EXPECT_EQ(FormatFixed2(1234.5), "1234.50");
    EXPECT_EQ(FormatFixed2(1e-9), "0.00");
}

TEST(NumberPatterns, HashesForceNoDigits) {
    EXPECT_EQ(FormatHashes(3), "3.");
    EXPECT_EQ(FormatHashes(0.5), ".5");
    EXPECT_EQ(FormatHashes(12.345), "12.35");
    EXPECT_EQ(FormatHashes(-1.25), "-1.25");
    EXPECT_EQ(FormatHashes(0), ".");
}

TEST(Val, NumbersPastADoubleReadAsInfinityOrZero) {
    EXPECT_EQ(Val("1e999"), HUGE_VAL);
    EXPECT_EQ(Val("-12.5e400"), -HUGE_VAL);
    EXPECT_EQ(Val("1" + std::string(400, '0')), HUGE_VAL);
    EXPECT_EQ(Val("1e-999"), 0);
    EXPECT_EQ(Val("0.0001e-330"), 0);
    EXPECT_EQ(Val("0e999"), 0);
    EXPECT_EQ(Val("+2.5"), 2.5);
}

TEST(NumberPatterns, EveryDoubleHasAText) {
    EXPECT_EQ(FormatFixed2(HUGE_VAL), "inf");
    EXPECT_EQ(FormatFixed2(-HUGE_VAL), "-inf");
    EXPECT_EQ(FormatHashes(std::nan("")), "nan");
    EXPECT_EQ(FormatFixed2(1e300).size(), 304u);
    EXPECT_EQ(FormatFixed2(-1.7976931348623157e308).substr(0, 17), "-1797693134862320");
    EXPECT_EQ(FormatHashes(4.9e-324), ".");
}

// The window switches the C library to the teacher's locale; a decimal comma there
// must change nothing.
TEST(Numbers, TheLocaleChangesNothing) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is not installed";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(Val("2.25"), 2.25);
    EXPECT_EQ(Val("2,25"), 2);
    EXPECT_EQ(NumberText(2.5), " 2.5");
    EXPECT_EQ(PlainNumberText(1.5e20), "1.5E+20");
    EXPECT_EQ(FormatFixed2(3.14159), "3.14");
    EXPECT_EQ(FormatHashes(12.345), "12.35");
    std::setlocale(LC_ALL, "C");
}
