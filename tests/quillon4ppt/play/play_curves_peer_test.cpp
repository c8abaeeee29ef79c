// LibreOffice draws the free-expression curves of a played session where they belong.
#include <gtest/gtest.h>

#include "play_curves_session.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

TEST(PlayCurvesPeer, LibreOfficeDrawsTheCurvesWhereTheyBelong) {
    const fs::path dir = freshFolder("play_curves_peer");
    ASSERT_EQ(playScript(dir, kExpressionSession, "functiongraph").status, 0);
    renderWords(dir / "deck.pptx");
    const Page page = renderPage(dir / "deck.pdf");
    ASSERT_EQ(page.width, 720);
    // Slide points of the default frame: X = 360 + 27x, Y = 270 - 27y.
    auto X = [](double x) { return 360 + 27 * x; };
    auto Y = [](double y) { return 270 - 27 * y; };
    EXPECT_TRUE(inkNear(page, X(1.5), Y(2.25)));  // x²
    EXPECT_TRUE(inkNear(page, X(-2), Y(4)));
    EXPECT_TRUE(inkNear(page, X(2), Y(0.5)));    // 1/x, right branch
    EXPECT_TRUE(inkNear(page, X(-0.5), Y(-2)));  // left branch
    EXPECT_FALSE(inkNear(page, X(-3), Y(3)));    // nothing there
    EXPECT_FALSE(inkNear(page, X(0.6), Y(-3)));  // no stroke joins the branches
}

}  // namespace
