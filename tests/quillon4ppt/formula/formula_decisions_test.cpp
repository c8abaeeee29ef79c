// How the translator treats what the worked examples leave open: many placeholders,
// constructs without a rewrite, odd groups, and TeX that earlier rewrites produce.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillon4ppt/formula/translator.h"

using formula::FormulaContext;
using formula::FormulaToTex;

namespace {

std::string repeated(const std::string& part, int times, const std::string& separator) {
    std::string out;
    for (int i = 0; i < times; ++i) out += (i > 0 ? separator : "") + part;
    return out;
}

}  // namespace

TEST(Placeholders, StayDistinctBeyondNineAndBeforeDigits) {
    // Every ^ hides behind a name followed by a digit of the formula.
    std::string powers;
    for (int i = 1; i <= 25; ++i) powers += (i > 1 ? "+" : "") + std::string("x^") + std::to_string(i % 10);
    EXPECT_EQ(FormulaToTex(powers), powers);
    EXPECT_EQ(FormulaToTex(repeated("g2", 12, "+")), repeated(R"(\sqrt{2})", 12, "+"));
    EXPECT_EQ(FormulaToTex("a_1a_2a_3a_4a_5a_6a_7a_8a_9a_0a_1a_2"), "a_1a_2a_3a_4a_5a_6a_7a_8a_9a_0a_1a_2");
}

TEST(Placeholders, FractionStillTakesANameWithManyDigits) {
    std::string indices = repeated("a_1", 11, "+");
    EXPECT_EQ(FormulaToTex(indices + "+x^(2)/3"), indices + R"(+\frac{x^{2}}{3})");
    EXPECT_EQ(FormulaToTex(indices + "+sqr(x)/2"), indices + R"(+\frac{\sqrt{x}}{2})");
}

TEST(Placeholders, NestedTranslationsShareTheTable) {
    EXPECT_EQ(FormulaToTex("sqr((x^(2)+1))+y_2"), R"(\sqrt{(x^{2}+1)}+y_2)");
    EXPECT_EQ(FormulaToTex("g((x_1))+g((y^2))"), R"(\sqrt{(x_1)}+\sqrt{(y^2)})");
}

TEST(WordsWithoutRewrite, ArcOverLetters) {
    EXPECT_EQ(FormulaToTex("hu(AB)"), R"(\overset{\frown}{AB})");
    EXPECT_EQ(FormulaToTex("hu( AB )=hu(CD)"), R"(\overset{\frown}{AB}=\overset{\frown}{CD})");
}

TEST(WordsWithoutRewrite, StayAndLetLaterOperatorsThrough) {
    EXPECT_EQ(FormulaToTex("hu"), "hu");
    EXPECT_EQ(FormulaToTex("hu AB+hu(CD)"), R"(hu AB+\overset{\frown}{CD})");
    EXPECT_EQ(FormulaToTex("thus xl fcz ss xl(AB)"), R"(thus xl fcz ss \vec{AB})");
    EXPECT_EQ(FormulaToTex("class ss fcz"), "class ss fcz");
}

TEST(WordsWithoutRewrite, GroupsWithoutCommaReadAsFunctionsOrProbabilities) {
    EXPECT_EQ(FormulaToTex("P(A)"), "P(A)");
    EXPECT_EQ(FormulaToTex("P(A|B)+P(B)"), "P(A|B)+P(B)");
    EXPECT_EQ(FormulaToTex("C(n)+P(A)+A(5,2)"), R"(C(n)+P(A)+A^{5}_{2})");
    EXPECT_EQ(FormulaToTex("A(5,)"), R"(A^{5}_{})");
    EXPECT_EQ(FormulaToTex("P(f(x))+A((x),1)+C(1"), R"(P(f(x))+A^{(x)}_{1}+C(1)");
}

TEST(VerticalAddition, WithoutPlusTheSecondAddendIsEmpty) {
    EXPECT_EQ(
        FormulaToTex("ss(123)"),
        R"(\begin{align}\underline{\begin{matrix}&1&2&3\\+&&&\\\end{matrix}} \\ \begin{matrix}&1&2&3\\\end{matrix} \\ \end{align})");
}

TEST(VerticalAddition, SumsBeyondSixteenBits) {
    EXPECT_EQ(
        FormulaToTex("ss(30000+30000)"),
        R"(\begin{align}\underline{\begin{matrix}&3&0&0&0&0\\+&3&0&0&0&0\\\end{matrix}} \\ \begin{matrix}&6&0&0&0&0\\\end{matrix} \\ \end{align})");
    // Past the 32-bit range the sum stays empty; the addend is shown as typed.
    EXPECT_EQ(
        FormulaToTex("ss(9999999999+1)"),
        R"(\begin{align}\underline{\begin{matrix}&9&9&9&9&9&9&9&9&9&9\\+&&&&&&&&&&1\\\end{matrix}} \\ \begin{matrix}\\\end{matrix} \\ \end{align})");
}

TEST(VerticalAddition, RowsShowTheAddendsAsTyped) {
    EXPECT_EQ(
        FormulaToTex("ss(1.5+2.5)"),
        R"(\begin{align}\underline{\begin{matrix}&1&.&5\\+&2&.&5\\\end{matrix}} \\ \begin{matrix}&4\\\end{matrix} \\ \end{align})");
    EXPECT_EQ(
        FormulaToTex("ss( 2.5 + 3.5x)"),
        R"(\begin{align}\underline{\begin{matrix}& &2&.&5& \\+& &3&.&5&x\\\end{matrix}} \\ \begin{matrix}&6\\\end{matrix} \\ \end{align})");
    EXPECT_EQ(
        FormulaToTex("ss(-5+3)"),
        R"(\begin{align}\underline{\begin{matrix}&-&5\\+&&3\\\end{matrix}} \\ \begin{matrix}&-&2\\\end{matrix} \\ \end{align})");
}

// What an earlier rule made of an addend reads as no number.
TEST(VerticalAddition, AnAddendAnEarlierRuleRewroteIsOneColumn) {
    EXPECT_EQ(
        FormulaToTex("ss(1/2+10)"),
        R"(\begin{align}\underline{\begin{matrix}&&\frac{1}{2}\\+&1&0\\\end{matrix}} \\ \begin{matrix}&1&0\\\end{matrix} \\ \end{align})");
}

TEST(VerticalAddition, NestedAdditionsDoNotGrowTheFormula) {
    // Laying out raw text doubled the formula at every nesting level.
    std::string nested = repeated("g(ss(9", 40, "");
    EXPECT_LT(FormulaToTex(nested).size(), 20 * nested.size());
}

TEST(VerticalAddition, ReplacesTheWholeFormula) {
    EXPECT_EQ(
        FormulaToTex("y=ss(1+2)"),
        R"(\begin{align}\underline{\begin{matrix}&1\\+&2\\\end{matrix}} \\ \begin{matrix}&3\\\end{matrix} \\ \end{align})");
}

TEST(Fraction, UnbalancedClosingBracketTakesEverythingBefore) {
    EXPECT_EQ(FormulaToTex("a)/2"), R"(\frac{a)}{2})");
    EXPECT_EQ(FormulaToTex("x+(a))/2"), R"(\frac{x+(a))}{2})");
    EXPECT_EQ(FormulaToTex("]/2+1/2"), R"(\frac{]}{2}+\frac{1}{2})");
}

TEST(Radical, GInsideTexOfNestedTranslationsIsNoRadical) {
    EXPECT_EQ(FormulaToTex("fcz(x>=1,y<=2)"),
              R"(\left\{ \begin{align} x \ge 1 \\ y \le 2 \\ \end{align}\right.)");
    EXPECT_EQ(FormulaToTex("sqr((@s+@g))"), R"(\sqrt{( \sigma + \gamma )})");
    EXPECT_EQ(FormulaToTex("g((@S+@V+@w+@W))"), R"(\sqrt{( \Sigma + \varsigma + \omega + \Omega )})");
}

TEST(Radical, AtGIsGamma) {
    EXPECT_EQ(FormulaToTex("@a+@b+@g=180"), R"( \alpha + \beta + \gamma =180)");
    EXPECT_EQ(FormulaToTex("@G+gx"), R"( \Gamma +\sqrt{x})");
}

TEST(Radical, ExclusionWordsOnlyAsWholeLetterRuns) {
    EXPECT_EQ(FormulaToTex("lg2+log2+ag2"), R"(lg2+log2+a\sqrt{2})");
}

TEST(Unicode, CharactersAreCodePoints) {
    EXPECT_EQ(FormulaToTex("面积/2"), R"(面\frac{积}{2})");
    EXPECT_EQ(FormulaToTex("𝑥^(2)+弧hu(AB)"), R"(𝑥^{2}+弧\overset{\frown}{AB})");
    EXPECT_EQ(FormulaToTex("\xff/2"), "\\frac{\xEF\xBF\xBD}{2}");
    EXPECT_EQ(FormulaToTex("fcz(x＋y＝1，x－y＝3)"),
              R"(\left\{ \begin{align} x+y=1 \\ x-y=3 \\ \end{align}\right.)");
}

TEST(Hooks, MessageWhenTheAdditionGroupIsNoBracket) {
    std::vector<std::string> shown;
    FormulaContext ctx;
    ctx.showMessage = [&](const std::string& text) { shown.push_back(text); };
    std::string tex = FormulaToTex(ctx, "ss（1+2）");
    EXPECT_EQ(shown, std::vector<std::string>{"您提供的字符串开始字符不是括号的一部分"});
    EXPECT_EQ(tex.rfind(R"(\begin{align})", 0), 0u);
}

TEST(Hooks, WindowBreathesAfterEveryRewriteAndSkippedG) {
    int calls = 0;
    FormulaContext ctx;
    ctx.processPendingMessages = [&] { ++calls; };
    FormulaToTex(ctx, "a/b+c/d");
    EXPECT_EQ(calls, 2);
    calls = 0;
    // Round one passes "lg" and rewrites "gx"; round two passes "lg" again.
    EXPECT_EQ(FormulaToTex(ctx, "lg x+gx"), R"(lg x+\sqrt{x})");
    EXPECT_EQ(calls, 3);
}

TEST(Hooks, EachFormulaStartsWithAnEmptyTable) {
    FormulaContext ctx;
    FormulaToTex(ctx, "x^2+y^2");
    EXPECT_EQ(ctx.placeholders.count(), 2u);
    EXPECT_EQ(FormulaToTex(ctx, "gx"), R"(\sqrt{x})");
    EXPECT_EQ(ctx.placeholders.count(), 1u);
}
