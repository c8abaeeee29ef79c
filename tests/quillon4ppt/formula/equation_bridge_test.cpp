// Every construct the translator writes is TeX the typesetter sets.
#include "quillon4ppt/formula/equation_bridge.h"

#include <gtest/gtest.h>

#include "platform/office/memory/memory_host.h"
#include "quillon4ppt/formula/translator.h"

namespace {

TEST(EquationBridge, EveryConstructOfTheFormulaLanguageIsTypeset) {
    formula::EquationBridge bridge(QUILLON_PROGRAM_DIR);
    const char* formulas[] = {"a/b",
                              "(a+b)/(c-d)",
                              "12/34",
                              "1/x+1/y",
                              "/2",
                              "sqr(3,x)",
                              "g(x+1)",
                              "gx",
                              "sqrt",
                              "sqr(x",
                              "sqr((a+b)/2)",
                              "g(3,(a+b)/2)",
                              "lg x+log_2y",
                              "x^(2n)",
                              "x^2",
                              "a_(n+1)",
                              "x^(2)+y^(2)=r^(2)",
                              "x^(2)+(2)",
                              "x^(2)/3",
                              "ab^(2)/3",
                              "x^2/3",
                              "sqr(x)/2",
                              "sqr2+sqr2/3",
                              "x^(2)+y^(2)/3",
                              "(a[b]c)/2",
                              "A(5,3)",
                              "C(n,k)",
                              "P(n,k)",
                              "A(5,3)/2",
                              "xl(AB)",
                              "hu(AB)",
                              "fcz(x+y=1,x-y=3)",
                              "fcz(y=x^(2),y=2x)",
                              "ss(123+45)",
                              "ss(99+1)",
                              "ss(5+10)",
                              "x>=1",
                              "x<=1",
                              "a<>b",
                              "+-1",
                              "-+1",
                              "@a+@b",
                              "2@p",
                              "(@p)/2",
                              "@1+@a",
                              "@a@b@c@d@e@f@g@h@i@j@k@l@m@n@o@p@q@r@s@t@u@v@w@x@y@z",
                              "@A@B@C@D@E@F@G@H@I@J@K@L@M@N@O@P@Q@R@S@T@U@V@W@X@Y@Z"};
    for (const char* f : formulas) {
        std::string tex = formula::FormulaToTex(f);
        EXPECT_NO_THROW(bridge.typesetter().typeset(tex)) << f << " -> " << tex;
    }
}

TEST(EquationBridge, PastesTheEquationAndSelectsIt) {
    auto state = std::make_shared<office::memory::ProgramState>();
    auto app = office::memory::makeApplication(state);
    formula::EquationBridge bridge(QUILLON_PROGRAM_DIR);
    bridge.InsertEquation(*app, "sqr(3,x)");
    bridge.InsertEquation(*app, "A(5,3)");
    ASSERT_EQ(state->slide().shapes.size(), 2u);
    auto second = state->slide().shapes[1];
    EXPECT_EQ(second->title, "A(5,3)");
    EXPECT_EQ(second->description, "A^{5}_{3}");
    ASSERT_EQ(state->selected.size(), 1u);
    EXPECT_EQ(state->selected[0], second);
    // About as large as 12-point text.
    EXPECT_GT(second->height, 10);
    EXPECT_LT(second->height, 20);
}

}  // namespace
