// LibreOffice draws the exponential, logarithmic, power and inverse-proportion curves
// of a played session where they belong on the page.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "power_curves_session.h"
#include "run_program.h"

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

TEST(PlayPowerCurvesPeer, LibreOfficeDrawsEachCurveOnItsPoints) {
    fs::path dir = fs::path(testing::TempDir()) / "play_peer_power_curves";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_EQ(playScript(dir, kPowerCurvesSession, "functiongraph").status, 0);
    std::string words = renderWords(dir / "deck.pptx");
    EXPECT_NEAR(wordLeft(words, "x"), 491, 1);
    const Page page = Page::render(dir / "deck.pdf");
    ASSERT_EQ(page.width, 720);
    ASSERT_EQ(page.height, 540);
    for (double x : {-2.0, 1.0, 2.0}) EXPECT_TRUE(page.inkNear(X(x), Y(std::pow(2, x)))) << "2^x at " << x;
    for (double x : {-4.0, -0.5, 0.5, 4.0})
        EXPECT_TRUE(page.inkNear(X(x), Y(std::log2(std::fabs(x))))) << "log_2 |x| at " << x;
    for (double x : {-4.0, -1.0, 3.0})
        EXPECT_TRUE(page.inkNear(X(x), Y(std::cbrt(x)))) << "cube root at " << x;
    for (double x : {-3.0, -0.25, 0.25, 3.0}) EXPECT_TRUE(page.inkNear(X(x), Y(1 / x))) << "1/x at " << x;
    // Beyond the range and in the gap: blank page.
    EXPECT_FALSE(page.inkNear(X(3.5), Y(4)));
    EXPECT_FALSE(page.inkNear(X(-4), Y(4)));
}

}  // namespace
