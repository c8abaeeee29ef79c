#include "common/text.h"

#include <gtest/gtest.h>

using namespace common;

TEST(Utf, RoundTripsAndCountsCodePoints) {
    std::string s = "x轴刻度线：𝑥";
    EXPECT_EQ(charCount(s), 7u);
    EXPECT_EQ(toUtf8(toUtf32(s)), s);
    EXPECT_EQ(toUtf32("组合").size(), 2u);
}

TEST(Utf, InvalidBytesBecomeReplacementCharacters) {
    std::u32string t = toUtf32(std::string("a\xff\xc3") + "b");
    EXPECT_EQ(t, U"a\uFFFD\uFFFDb");
    EXPECT_EQ(toUtf32("\xed\xa0\x80"), U"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
    EXPECT_EQ(toUtf32("\xc0\xaf"), U"\uFFFD\uFFFD");            // an overlong slash
}

TEST(Utf, LeftCharsCutsAtCharactersNotBytes) {
    EXPECT_EQ(leftChars("组合：123", 3), "组合：");
    EXPECT_EQ(leftChars("ab", 5), "ab");
}

TEST(Text, TrimAndLowerCase) {
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("\ta "), "\ta");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(lowerAscii("FunctionGraph 图"), "functiongraph 图");
}

TEST(CountOccurrences, CountsOverlappingMatchesAtEveryStart) {
    EXPECT_EQ(CountOccurrences(U"((a)+(b))", U"("), 3u);
    EXPECT_EQ(CountOccurrences(U"aaaa", U"aa"), 3u);
    EXPECT_EQ(CountOccurrences(U"根号根号根", U"根号根"), 2u);
    EXPECT_EQ(CountOccurrences(U"abc", U"abcd"), 0u);
    EXPECT_EQ(CountOccurrences(U"abc", U""), 0u);
}

TEST(CharTests, LookAtTheFirstCharacterOnlyAndKnowAsciiOnly) {
    EXPECT_TRUE(IsDigitChar(U"0"));
    EXPECT_TRUE(IsDigitChar(U"9x"));
    EXPECT_FALSE(IsDigitChar(U"x9"));
    EXPECT_FALSE(IsDigitChar(U"/"));
    EXPECT_FALSE(IsDigitChar(U":"));
    EXPECT_FALSE(IsDigitChar(U"\uFF11"));  // a full-width one
    EXPECT_FALSE(IsDigitChar(U""));

    EXPECT_TRUE(IsLetterChar(U"A"));
    EXPECT_TRUE(IsLetterChar(U"z1"));
    EXPECT_FALSE(IsLetterChar(U"@"));
    EXPECT_FALSE(IsLetterChar(U"["));
    EXPECT_FALSE(IsLetterChar(U"`"));
    EXPECT_FALSE(IsLetterChar(U"{"));
    EXPECT_FALSE(IsLetterChar(U"弧"));
    EXPECT_FALSE(IsLetterChar(U"\u00E9"));
    EXPECT_FALSE(IsLetterChar(U""));
}
