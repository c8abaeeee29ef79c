// LibreOffice draws the exponential, logarithmic, power and inverse-proportion curves
// of a played session where they belong on the page.
#include <gtest/gtest.h>

#include <cmath>

#include "power_curves_session.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

double X(double x) {
    return 360 + 27 * x;
}
double Y(double y) {
    return 270 - 27 * y;
}

TEST(PlayPowerCurvesPeer, LibreOfficeDrawsEachCurveOnItsPoints) {
    const fs::path dir = freshFolder("play_peer_power_curves");
    ASSERT_EQ(playScript(dir, kPowerCurvesSession, "functiongraph").status, 0);
    std::string words = renderWords(dir / "deck.pptx");
    EXPECT_NEAR(wordLeft(words, "x"), 491, 1);
    const Page page = renderPage(dir / "deck.pdf");
    ASSERT_EQ(page.width, 720);
    ASSERT_EQ(page.height, 540);
    for (double x : {-2.0, 1.0, 2.0}) EXPECT_TRUE(inkNear(page, X(x), Y(std::pow(2, x)))) << "2^x at " << x;
    for (double x : {-4.0, -0.5, 0.5, 4.0})
        EXPECT_TRUE(inkNear(page, X(x), Y(std::log2(std::fabs(x))))) << "log_2 |x| at " << x;
    for (double x : {-4.0, -1.0, 3.0})
        EXPECT_TRUE(inkNear(page, X(x), Y(std::cbrt(x)))) << "cube root at " << x;
    for (double x : {-3.0, -0.25, 0.25, 3.0}) EXPECT_TRUE(inkNear(page, X(x), Y(1 / x))) << "1/x at " << x;
    // Beyond the range and in the gap: blank page.
    EXPECT_FALSE(inkNear(page, X(3.5), Y(4)));
    EXPECT_FALSE(inkNear(page, X(-4), Y(4)));
}

}  // namespace
