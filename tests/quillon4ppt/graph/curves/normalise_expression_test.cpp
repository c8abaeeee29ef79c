// The expression normaliser: its table of results, its edge cases and the bracket
// tests it is built from.
#include "quillon4ppt/graph/curves/normalise_expression.h"

#include <gtest/gtest.h>

using namespace curves;

TEST(NormaliseExpression, GivesTheTableOfResults) {
    const std::pair<const char*, const char*> table[] = {
        {"2x", "2*x"},          {"sinx", "sin(x)"},     {"2sinx", "2*sin(x)"},
        {"sin2x", "sin(2*x)"},  {"sinx+1", "sin(x)+1"}, {"sin(2x+1)", "sin(2*x+1)"},
        {"2(x+1)", "2*(x+1)"},  {"[x+1]", "(x+1)"},     {"x^2+2x+1", "x^2+2*x+1"},
        {"0.5PI", "0.5*PI"},    {"sinx^2", "sin(x^2)"}, {"log(sinx)", "log(sin(x)"},
        {"exp(x)", "e(x*p(x)"}, {"2 x", "2x"},
    };
    for (const auto& [typed, result] : table) EXPECT_EQ(NormaliseExpression(typed), result) << typed;
}

TEST(NormaliseExpression, EdgeCases) {
    EXPECT_EQ(NormaliseExpression(""), "");
    EXPECT_EQ(NormaliseExpression("x"), "x");
    EXPECT_EQ(NormaliseExpression("7"), "7");
    EXPECT_EQ(NormaliseExpression("SINX"), "SIN(X)");
    EXPECT_EQ(NormaliseExpression("2PI"), "2*PI");
    // Only one ")" is added at the end, however many are open.
    EXPECT_EQ(NormaliseExpression("((sinx"), "((sin(x)");
    // A ")" closing more than two open brackets doubles.
    EXPECT_EQ(NormaliseExpression("(((1)"), "(((1))");
    EXPECT_EQ(NormaliseExpression("{x}*[2]"), "(x)*(2)");
    // Characters beyond ASCII pass through whole.
    EXPECT_EQ(NormaliseExpression("2π x"), "2πx");
}

TEST(BracketTests, ScanInTheirOwnDirection) {
    EXPECT_TRUE(IsOperatorChar(U"/"));
    EXPECT_FALSE(IsOperatorChar(U"^"));
    EXPECT_FALSE(IsOperatorChar(U""));
    EXPECT_TRUE(IsBracketChar(U"}"));
    EXPECT_TRUE(IsOpenBracketChar(U"["));
    EXPECT_FALSE(IsOpenBracketChar(U")"));
    EXPECT_EQ(CountOpenBrackets(U"{[(a)"), 3u);
    EXPECT_EQ(CountCloseBrackets(U"a)]}"), 3u);

    EXPECT_TRUE(ParensClosed(U""));
    EXPECT_TRUE(ParensClosed(U"(a)(b)"));
    EXPECT_FALSE(ParensClosed(U"(a"));
    EXPECT_FALSE(ParensClosed(U"((a)"));
    EXPECT_TRUE(ParensClosed(U"[a"));  // only parentheses count

    EXPECT_TRUE(NoStrayClose(U""));
    EXPECT_TRUE(NoStrayClose(U"+[1]"));
    EXPECT_FALSE(NoStrayClose(U"+1)"));
    EXPECT_FALSE(NoStrayClose(U"(1))"));
}
