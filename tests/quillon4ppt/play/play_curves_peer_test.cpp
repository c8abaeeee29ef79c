// LibreOffice draws the free-expression curves of a played session where they belong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "play_curves_session.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

// A grey page of the deck's PDF at one pixel per point.
struct Page {
    int width = 0, height = 0;
    std::string pixels;
    bool darkNear(double x, double y) const {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int px = static_cast<int>(x) + dx, py = static_cast<int>(y) + dy;
                if (px >= 0 && py >= 0 && px < width && py < height &&
                    static_cast<unsigned char>(pixels[static_cast<std::size_t>(py * width + px)]) < 128)
                    return true;
            }
        return false;
    }
};

Page Render(const fs::path& dir) {
    renderWords(dir / "deck.pptx");
    const std::string command = "pdftoppm -r 72 -gray -singlefile '" + (dir / "deck.pdf").string() + "' '" +
                                (dir / "page").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(dir / "page.pgm", std::ios::binary);
    std::string magic;
    int depth = 0;
    Page page;
    in >> magic >> page.width >> page.height >> depth;
    in.get();
    page.pixels.assign(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(magic, "P5");
    EXPECT_EQ(page.pixels.size(), static_cast<std::size_t>(page.width * page.height));
    return page;
}

TEST(PlayCurvesPeer, LibreOfficeDrawsTheCurvesWhereTheyBelong) {
    const fs::path dir = Fresh("play_curves_peer");
    ASSERT_EQ(playScript(dir, kExpressionSession, "functiongraph").status, 0);
    const Page page = Render(dir);
    ASSERT_EQ(page.width, 720);
    // Slide points of the default frame: X = 360 + 27x, Y = 270 - 27y.
    auto X = [](double x) { return 360 + 27 * x; };
    auto Y = [](double y) { return 270 - 27 * y; };
    EXPECT_TRUE(page.darkNear(X(1.5), Y(2.25)));  // x²
    EXPECT_TRUE(page.darkNear(X(-2), Y(4)));
    EXPECT_TRUE(page.darkNear(X(2), Y(0.5)));    // 1/x, right branch
    EXPECT_TRUE(page.darkNear(X(-0.5), Y(-2)));  // left branch
    EXPECT_FALSE(page.darkNear(X(-3), Y(3)));    // nothing there
    EXPECT_FALSE(page.darkNear(X(0.6), Y(-3)));  // no stroke joins the branches
}

}  // namespace
