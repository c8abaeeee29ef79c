// LibreOffice draws the default sine of a played session on its points, with its
// typeset key-point labels hanging below the x axis.
#include <gtest/gtest.h>

#include <cmath>

#include "run_program.h"
#include "trig_session.h"

namespace fs = std::filesystem;

namespace {

double X(double x) {
    return 360 + 27 * x;
}
double Y(double y) {
    return 270 - 27 * y;
}

TEST(PlayTrigPeer, LibreOfficeDrawsTheSineAndItsLabels) {
    const fs::path dir = freshFolder("play_peer_trig");
    ASSERT_EQ(playScript(dir, kTrigSession, "functiongraph").status, 0);
    renderWords(dir / "deck.pptx");
    const Page page = renderPage(dir / "deck.pdf");
    ASSERT_EQ(page.width, 720);
    ASSERT_EQ(page.height, 540);
    for (double x : {0.5, 1.0, 2.5, 4.0, 5.5})
        EXPECT_TRUE(inkNear(page, X(x), Y(std::sin(x)))) << "sin at " << x;
    // Each label hangs from the axis, starting 7 points left of its key point.
    for (double k : {0.5, 1.0, 1.5, 2.0}) {
        const double left = X(k * 3.14159265) - 7;
        EXPECT_TRUE(inkIn(page, left, Y(0) + 3, left + 20, Y(0) + 30)) << "label at " << k << "π";
    }
    // Above the axis, where the curve does not pass, the page stays blank.
    EXPECT_FALSE(inkIn(page, X(3.5), Y(0) - 20, X(4.2), Y(0) - 3));
}

}  // namespace
