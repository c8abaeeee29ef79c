#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "quillon4ppt/formula/bracket_group.h"
#include "quillon4ppt/formula/operands.h"

using namespace formula;

TEST(BracketGroup, FromEitherEndCountingAllThreeKinds) {
    ShowMessage none;
    EXPECT_EQ(FindBracketGroup(U"x^(a+(b))+c", 2, none), U"(a+(b))");
    EXPECT_EQ(FindBracketGroup(U"x^(a+(b))+c", 8, none), U"(a+(b))");
    EXPECT_EQ(FindBracketGroup(U"(a[)b(])c", 0, none), U"(a[)b(])");
    EXPECT_EQ(FindBracketGroup(U"{a}[b]", 5, none), U"[b]");
    EXPECT_TRUE(IsBracketBalanced(U"([{}])"));
    EXPECT_TRUE(IsBracketBalanced(U")("));
    EXPECT_FALSE(IsBracketBalanced(U"([)"));
}

TEST(BracketGroup, UnbalancedGroupsRunToTheEndOfTheText) {
    ShowMessage none;
    EXPECT_EQ(FindBracketGroup(U"a(b(c)", 1, none), U"(b(c)");
    EXPECT_EQ(FindBracketGroup(U"a(b)c)", 5, none), U"a(b)c)");
}

TEST(BracketGroup, TellsTheUserWhenThePositionHoldsNoBracket) {
    std::vector<std::string> shown;
    ShowMessage show = [&](const std::string& text) { shown.push_back(text); };
    EXPECT_EQ(FindBracketGroup(U"abc", 1, show), U"");
    EXPECT_EQ(FindBracketGroup(U"（a）", 0, show), U"");
    EXPECT_EQ(FindBracketGroup(U"ab", 2, show), U"");
    EXPECT_EQ(shown, std::vector<std::string>(3, "您提供的字符串开始字符不是括号的一部分"));
}

TEST(BracketGroup, OnePassEndsAgreeWithGroupsFoundOneByOne) {
    const std::u32string alphabet = U"(([{)]}a";
    std::uint32_t seed = 12345;
    for (int round = 0; round < 500; ++round) {
        std::u32string text;
        for (int i = 0; i < 24; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        std::vector<std::size_t> ends = roundGroupEnds(text);
        for (std::size_t p = 0; p < text.size(); ++p) {
            if (text[p] != U'(') continue;
            EXPECT_EQ(ends[p] - p, bracketGroupAt(text, p)->size()) << p;
        }
    }
}

TEST(BracketGroup, InnerDropsTheFirstAndLastCharacter) {
    EXPECT_EQ(innerOf(U"(ab)"), U"ab");
    EXPECT_EQ(innerOf(U"(x"), U"");
    EXPECT_EQ(innerOf(U"("), U"");
}

TEST(Operands, NumeratorEndsJustBeforeTheSlash) {
    EXPECT_EQ(LeftOperand(U"/2", 0), U"");
    EXPECT_EQ(LeftOperand(U"12/34", 2), U"2");
    EXPECT_EQ(LeftOperand(U"x+(a+b)/2", 7), U"(a+b)");
    EXPECT_EQ(LeftOperand(U"x+[a]/2", 5), U"[a]");
}

TEST(Operands, BraceGroupTakesThePlaceholderNameBeforeIt) {
    EXPECT_EQ(LeftOperand(U"1+abMyRStr11{2}/3", 15), U"abMyRStr11{2}");
    EXPECT_EQ(LeftOperand(U"12{2}/3", 5), U"12{2}");
    EXPECT_EQ(LeftOperand(U"x{2}/3", 4), U"{2}");
    EXPECT_EQ(LeftOperand(U"ab(2)/3", 5), U"(2)");
}

TEST(Operands, DenominatorStartsJustAfterTheSlash) {
    EXPECT_EQ(RightOperand(U"1/(x+1)+2", 2), U"(x+1)");
    EXPECT_EQ(RightOperand(U"1/{x}", 2), U"{x}");
    EXPECT_EQ(RightOperand(U"1/34", 2), U"3");
    EXPECT_EQ(RightOperand(U"1/)", 2), U")");
    EXPECT_EQ(RightOperand(U"1/", 2), U"");
}

TEST(Operands, StripParensRemovesRoundBracketsOnly) {
    EXPECT_EQ(StripParens(U"(a+b)"), U"a+b");
    EXPECT_EQ(StripParens(U"[a+b]"), U"[a+b]");
    EXPECT_EQ(StripParens(U"{a}"), U"{a}");
    EXPECT_EQ(StripParens(U"(a"), U"(a");
}

TEST(Operands, RunsOfLettersAndDigits) {
    EXPECT_EQ(LetterRun(U"2abc3", 3, true), U"abc");
    EXPECT_EQ(LetterRun(U"2abc3", 2, false), U"bc");
    EXPECT_EQ(LetterRun(U"abc", 2, true), U"abc");
    EXPECT_EQ(LetterRun(U"a3", 1, true), U"");
    EXPECT_EQ(DigitRun(U"x123y", 2, true), U"12");
    EXPECT_EQ(DigitRun(U"x123y", 1, false), U"123");
    EXPECT_EQ(DigitRun(U"12", 5, true), U"");
}
