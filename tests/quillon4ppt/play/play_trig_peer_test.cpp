// LibreOffice draws the default sine of a played session on its points, with its
// typeset key-point labels hanging below the x axis.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "run_program.h"
#include "trig_session.h"

namespace fs = std::filesystem;

namespace {

// The page as a grey picture of one pixel per point (a binary PGM from pdftoppm).
struct Page {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;

    static Page render(const fs::path& pdf) {
        const fs::path base = pdf.parent_path() / "page";
        std::system(
            ("pdftoppm -gray -r 72 -singlefile '" + pdf.string() + "' '" + base.string() + "'").c_str());
        std::ifstream in(base.string() + ".pgm", std::ios::binary);
        Page p;
        std::string magic;
        int depth = 0;
        in >> magic >> p.width >> p.height >> depth;
        in.get();
        p.pixels.assign(std::istreambuf_iterator<char>(in), {});
        if (magic != "P5" || p.pixels.size() < static_cast<std::size_t>(p.width) * p.height) p = {};
        return p;
    }
    // Something dark in the box from (left, top) to (right, bottom).
    bool inkIn(double left, double top, double right, double bottom) const {
        for (int py = static_cast<int>(top); py <= static_cast<int>(bottom); ++py)
            for (int px = static_cast<int>(left); px <= static_cast<int>(right); ++px)
                if (px >= 0 && py >= 0 && px < width && py < height && pixels[py * width + px] < 128)
                    return true;
        return false;
    }
    // Something dark within two points of (x, y).
    bool inkNear(double x, double y) const {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const int px = static_cast<int>(std::lround(x)) + dx,
                          py = static_cast<int>(std::lround(y)) + dy;
                if (px >= 0 && py >= 0 && px < width && py < height && pixels[py * width + px] < 128)
                    return true;
            }
        return false;
    }
};

double X(double x) {
    return 360 + 27 * x;
}
double Y(double y) {
    return 270 - 27 * y;
}

TEST(PlayTrigPeer, LibreOfficeDrawsTheSineAndItsLabels) {
    fs::path dir = fs::path(testing::TempDir()) / "play_peer_trig";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_EQ(playScript(dir, kTrigSession, "functiongraph").status, 0);
    renderWords(dir / "deck.pptx");
    const Page page = Page::render(dir / "deck.pdf");
    ASSERT_EQ(page.width, 720);
    ASSERT_EQ(page.height, 540);
    for (double x : {0.5, 1.0, 2.5, 4.0, 5.5})
        EXPECT_TRUE(page.inkNear(X(x), Y(std::sin(x)))) << "sin at " << x;
    // Each label hangs from the axis, starting 7 points left of its key point.
    for (double k : {0.5, 1.0, 1.5, 2.0}) {
        const double left = X(k * 3.14159265) - 7;
        EXPECT_TRUE(page.inkIn(left, Y(0) + 3, left + 20, Y(0) + 30)) << "label at " << k << "π";
    }
    // Above the axis, where the curve does not pass, the page stays blank.
    EXPECT_FALSE(page.inkIn(X(3.5), Y(0) - 20, X(4.2), Y(0) - 3));
}

}  // namespace
