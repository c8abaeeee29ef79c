#include "quillon4ppt/formula/translator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row {
    const char* formula;
    const char* tex;
};

// The worked examples of the formula language, formula and TeX as the equation
// editor receives it.
constexpr Row kExamples[] = {
    {"a/b", R"(\frac{a}{b})"},
    {"(a+b)/(c-d)", R"(\frac{a+b}{c-d})"},
    {"12/34", R"(1\frac{2}{3}4)"},
    {"1/x+1/y", R"(\frac{1}{x}+\frac{1}{y})"},
    {"/2", R"(\frac{}{2})"},
    {"sqr(3,x)", R"(\sqrt [3]{x})"},
    {"g(x+1)", R"(\sqrt{x+1})"},
    {"gx", R"(\sqrt{x})"},
    {"sqrt", R"(\sqrt{t})"},
    {"sqr(x", R"(\sqrt{})"},
    {"sqr((a+b)/2)", R"(\sqrt{\frac{a+b}{2}})"},
    {"g(3,(a+b)/2)", R"(\sqrt [3]{\frac{a+b}{2}})"},
    {"lg x+log_2y", R"(lg x+log_2y)"},
    {"x^(2n)", R"(x^{2n})"},
    {"x^2", R"(x^2)"},
    {"a_(n+1)", R"(a_{n+1})"},
    {"x^(2)+y^(2)=r^(2)", R"(x^{2}+y^{2}=r^{2})"},
    {"x^(2)+(2)", R"(x^{2}+{2})"},
    {"x^(2)/3", R"(\frac{x^{2}}{3})"},
    {"ab^(2)/3", R"(\frac{ab^{2}}{3})"},
    {"x^2/3", R"(x^\frac{2}{3})"},
    {"sqr(x)/2", R"(\frac{\sqrt{x}}{2})"},
    {"sqr2+sqr2/3", R"(\sqrt{2}+\frac{\sqrt{2}}{3})"},
    {"x^(2)+y^(2)/3", R"(x^{2}+\frac{y^{2}}{3})"},
    {"(a[b]c)/2", R"(\frac{a[b]c}{2})"},
    {"A(5,3)", R"(A^{5}_{3})"},
    {"C(n,k)", R"(C^{n}_{k})"},
    {"A(5,3)/2", R"(A\frac{5,3}{2})"},
    {"xl(AB)", R"(\vec{AB})"},
    {"fcz(x+y=1,x-y=3)", R"(\left\{ \begin{align} x+y=1 \\ x-y=3 \\ \end{align}\right.)"},
    {"fcz(y=x^(2),y=2x)", R"(\left\{ \begin{align} y=x^{2} \\ y=2x \\ \end{align}\right.)"},
    {"ss(123+45)",
     R"(\begin{align}\underline{\begin{matrix}&1&2&3\\+&&4&5\\\end{matrix}} \\ \begin{matrix}&1&6&8\\\end{matrix} \\ \end{align})"},
    {"ss(99+1)",
     R"(\begin{align}\underline{\begin{matrix}&9&9\\+&&1\\\end{matrix}} \\ \begin{matrix}1&0&0\\\end{matrix} \\ \end{align})"},
    {"ss(5+10)",
     R"(\begin{align}\underline{\begin{matrix}&&5\\+&1&0\\\end{matrix}} \\ \begin{matrix}&1&5\\\end{matrix} \\ \end{align})"},
    {"x>=1", R"(x \ge 1)"},
    {"a<>b", R"(a \ne b)"},
    {"+-1", R"( \pm 1)"},
    {"@a+@b", R"( \alpha + \beta )"},
    {"2@p", R"(2 \pi )"},
    {"(@p)/2", R"(\frac{ \pi }{2})"},
    {"@1+@a", R"(`+ \alpha )"},
};

class WorkedExample : public testing::TestWithParam<Row> {};

TEST_P(WorkedExample, TranslatesToTex) {
    EXPECT_EQ(formula::FormulaToTex(GetParam().formula), GetParam().tex) << "formula: " << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(FormulaLanguage, WorkedExample, testing::ValuesIn(kExamples),
                         [](const testing::TestParamInfo<Row>& info) {
                             return "row" + std::to_string(info.index);
                         });

}  // namespace
