#include "quillon4ppt/graph/curves/text_chars.h"

#include <gtest/gtest.h>

using namespace curves;

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
