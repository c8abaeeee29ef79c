// The expression evaluator on the script language's rules.
#include "platform/script/expression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/script/literal.h"

using namespace script;

namespace {

double Eval(const char* text, double x = 0) {
    const Result r = Expression(text).evaluate(x);
    EXPECT_TRUE(r.ok()) << text << ": " << ErrorDescription(r.error);
    return r.value;
}

ErrorKind Fails(const char* text, double x = 0) {
    return Expression(text).evaluate(x).error;
}

TEST(Expression, Precedence) {
    EXPECT_EQ(Eval("1+2*3"), 7);
    EXPECT_EQ(Eval("-x^2", 3), -9);  // ^ before the sign
    EXPECT_EQ(Eval("2^3^2"), 64);    // left to right
    EXPECT_EQ(Eval("2^-1"), 0.5);
    EXPECT_EQ(Eval("-2^2"), -4);
    EXPECT_EQ(Eval("2*-3"), -6);
    EXPECT_EQ(Eval("7 \\ 2 * 2"), 1);    // * before \ .
    EXPECT_EQ(Eval("7 Mod 3 \\ 2"), 0);  // \ before Mod
    EXPECT_EQ(Eval("1 + 7 Mod 4"), 4);   // Mod before +
    EXPECT_EQ(Eval("1 + 2 & 3"), 33);    // + before &
    EXPECT_EQ(Eval("(1+2)*3"), 9);
    EXPECT_EQ(Eval("Not 1 = 2"), -1);    // comparison before Not
    EXPECT_EQ(Eval("1 Or 2 And 3"), 3);  // And before Or
    EXPECT_EQ(Eval("3 Xor 1 Or 2"), 0);  // Or before Xor: 3 Xor 3
}

TEST(Expression, WholeNumberOperatorsRoundTheirOperandsHalfToEven) {
    EXPECT_EQ(Eval("7.5 \\ 2"), 4);    // 8 \ 2
    EXPECT_EQ(Eval("6.5 \\ 2"), 3);    // 6 \ 2
    EXPECT_EQ(Eval("-7 \\ 2"), -3);    // toward zero
    EXPECT_EQ(Eval("10 Mod 3.5"), 2);  // 10 Mod 4
    EXPECT_EQ(Eval("-7 Mod 3"), -1);   // the dividend's sign
    EXPECT_EQ(Eval("5.5 Mod 3"), 0);   // 6 Mod 3
    EXPECT_EQ(Eval("Round(2.5)"), 2);
    EXPECT_EQ(Eval("Round(3.5)"), 4);
    EXPECT_EQ(Eval("Round(1.2345, 2)"), 1.23);
    EXPECT_EQ(Eval("CInt(-2.5)"), -2);
    EXPECT_EQ(Eval("CLng(2147483647.4)"), 2147483647);
    EXPECT_EQ(Eval("Fix(-2.5) + Int(-2.5)"), -5);
}

TEST(Expression, ComparisonsAndLogicGiveMinusOneForTrue) {
    EXPECT_EQ(Eval("1 < 2"), -1);
    EXPECT_EQ(Eval("1 > 2"), 0);
    EXPECT_EQ(Eval("2 <= 2") + Eval("2 >= 3") + Eval("1 <> 1") + Eval("x = 3", 3), -2);
    EXPECT_EQ(Eval("(x > 0) * x", 4), -4);
    EXPECT_EQ(Eval("True And False"), 0);
    EXPECT_EQ(Eval("Not True"), 0);
    EXPECT_EQ(Eval("Not 0"), -1);
    EXPECT_EQ(Eval("12 And 10"), 8);
    EXPECT_EQ(Eval("12 Xor 10"), 6);
    EXPECT_EQ(Eval("5 Eqv 3"), ~(5 ^ 3));
    EXPECT_EQ(Eval("1 < 2 < 3"), -1);  // True < 3
}

TEST(Expression, NamesAndFunctionsInAnyCase) {
    EXPECT_EQ(Eval("PI"), 0);  // a name nobody assigned is empty
    EXPECT_EQ(Eval("2*PI+1"), 1);
    EXPECT_EQ(Eval("X + x", 2), 4);
    EXPECT_DOUBLE_EQ(Eval("SIN(x) + sin(x) + Sin(x)", 1), 3 * std::sin(1));
    EXPECT_DOUBLE_EQ(Eval("sqr(abs(x))+exp(-x*x)", -4), 2 + std::exp(-16));
    EXPECT_DOUBLE_EQ(Eval("Atn(1)*4"), M_PI);
    EXPECT_DOUBLE_EQ(Eval("log(x)", 10), std::log(10));
    EXPECT_DOUBLE_EQ(Eval("tan(x)+cos(x)", 0.5), std::tan(0.5) + std::cos(0.5));
    EXPECT_EQ(Eval("Sgn(-3) + Sgn(0) + Sgn(x)", 0.1), 0);
    EXPECT_EQ(Eval("CDbl(x) + cint(x)", 1.5), 3.5);
}

TEST(Expression, NumbersAsTheLanguageWritesThem) {
    EXPECT_DOUBLE_EQ(Eval(".5 + 1. + 2E1 + 1e-1"), 21.6);
    EXPECT_EQ(Eval("&HFF"), 255);
    EXPECT_EQ(Eval("&HFFFF"), -1);
    EXPECT_EQ(Eval("&HFFFF&"), 65535);
    EXPECT_EQ(Eval("&O17 + &17"), 30);
    EXPECT_EQ(Eval("1 & 2"), 12);
    EXPECT_EQ(Eval("(1 & 2) + (3 & 4)"), 1234);  // two texts join
    EXPECT_EQ(Eval("(1 & 2) * 2"), 24);
    EXPECT_EQ(Eval("x & 5", 0.5), 0.55);
}

TEST(Expression, EachErrorKind) {
    EXPECT_EQ(Fails("1/x", 0), ErrorKind::DivisionByZero);
    EXPECT_EQ(Fails("0/x", 0), ErrorKind::Overflow);
    EXPECT_EQ(Fails("5 \\ 0.4"), ErrorKind::DivisionByZero);
    EXPECT_EQ(Fails("5 Mod x"), ErrorKind::DivisionByZero);
    EXPECT_EQ(Fails("0^-1"), ErrorKind::DivisionByZero);
    EXPECT_EQ(Fails("log(x)", 0), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(Fails("sqr(x)", -1), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(Fails("x^0.5", -4), ErrorKind::InvalidProcedureCall);
    EXPECT_EQ(Eval("x^3", -2), -8);  // a whole exponent takes a negative base
    EXPECT_EQ(Fails("exp(x)", 1000), ErrorKind::Overflow);
    EXPECT_EQ(Fails("10^400"), ErrorKind::Overflow);
    EXPECT_EQ(Fails("1e308*10"), ErrorKind::Overflow);
    EXPECT_EQ(Fails("1e400"), ErrorKind::Overflow);
    EXPECT_EQ(Fails("CInt(40000)"), ErrorKind::Overflow);
    EXPECT_EQ(Fails("3e9 \\ 2"), ErrorKind::Overflow);
    EXPECT_EQ(Fails("e(x*p(x)"), ErrorKind::Syntax);
    EXPECT_EQ(Fails("foo(x)"), ErrorKind::TypeMismatch);
    EXPECT_EQ(Fails("x(1)"), ErrorKind::TypeMismatch);
    EXPECT_EQ(Fails("(2 < 3) & 1"), ErrorKind::TypeMismatch);  // "True1" is no number
    EXPECT_EQ(Fails("sin(1, 2)"), ErrorKind::WrongArgumentCount);
    EXPECT_EQ(Fails("sin"), ErrorKind::WrongArgumentCount);
    for (const char* bad : {"", "1+", "(1", "1)", "2 x", "1 ** 2", "x # 1", "Mod 2", "sin(x"})
        EXPECT_EQ(Fails(bad), ErrorKind::Syntax) << bad;
    EXPECT_EQ(Fails((std::string(300, '(') + "1" + std::string(300, ')')).c_str()),
              ErrorKind::OutOfStackSpace);
}

TEST(Expression, ErrorsBelongToOneEvaluation) {
    const Expression e("1/x");
    EXPECT_EQ(e.evaluate(0).error, ErrorKind::DivisionByZero);
    EXPECT_EQ(e.evaluate(4).value, 0.25);
    // An error is met in order: the argument's before the unknown function's.
    EXPECT_EQ(Fails("foo(1/0)"), ErrorKind::DivisionByZero);
}

TEST(Expression, TheCompiledProgramGivesWhatTheTextGivesAfresh) {
    const char* texts[] = {
        "x^2-3*x+1", "sin(2*x+1)*x^2-3/x", "sqr(abs(x))+exp(-x*x)",        "x \\ 0.7 Mod 3 & 1",
        "-x^2^x",    "(x > 1) Or x < -1",  "round(x, 1) - int(x) + fix(x)"};
    for (const char* t : texts) {
        const Expression once(t);
        for (double x = -3; x <= 3; x += 0.37) {
            const Result a = once.evaluate(x), b = Expression(t).evaluate(x);
            EXPECT_EQ(a.error, b.error) << t << " at " << x;
            EXPECT_EQ(a.value, b.value) << t << " at " << x;
        }
    }
}

// Programs without "&" run on plain doubles; adding ((1 & 1) - 11), which is 0,
// sends the same expression through the general machine.
TEST(Expression, NumbersAloneGiveWhatTheGeneralMachineGives) {
    const char* texts[] = {"1/x",
                           "log(x)",
                           "(1e308*x)/1e308",
                           "1/(1e308*x)",
                           "Atn(1e308*x)",
                           "1e308*x > 1",
                           "Not x",
                           "x \\ 2 Mod 3",
                           "CInt(x*10000)",
                           "Round(x, 2)",
                           "Sgn(x) Xor 1",
                           "-x^3 + x^4 - x^2",
                           "Sqr(x) + 1e308*x*x",
                           "foo(1e308*x*10)"};
    for (const char* t : texts) {
        const Expression numbers(t), general("(" + std::string(t) + ") + ((1 & 1) - 11)");
        for (double x : {-10.0, -2.5, -1.0, 0.0, 0.5, 3.0, 10.0}) {
            const Result a = numbers.evaluate(x), b = general.evaluate(x);
            EXPECT_EQ(a.error, b.error) << t << " at " << x;
            EXPECT_EQ(a.value, b.value) << t << " at " << x;
        }
    }
    EXPECT_EQ(Fails("1/(1e308*x)", 10), ErrorKind::Overflow);
    EXPECT_EQ(Fails("(1e308*x) + log(-1)", 10), ErrorKind::Overflow);  // the first error is reported
}

TEST(AssignedValue, XHoldsItsFifteenDigitDecimalText) {
    EXPECT_EQ(AssignedValue(0.1 + 0.2), 0.3);
    EXPECT_EQ(AssignedValue(-4.990000000000001), -4.99);
    EXPECT_EQ(AssignedValue(1e-20), 1e-20);
    EXPECT_EQ(AssignedValue(123456789012345678.0), 123456789012346000.0);
    EXPECT_EQ(AssignedValue(0), 0);
}

}  // namespace
