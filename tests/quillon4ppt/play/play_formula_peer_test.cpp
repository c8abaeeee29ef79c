// LibreOffice shows the equation the formula window put on the slide, where it was put.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_program.h"

namespace fs = std::filesystem;

namespace {

// A binary PGM page (P5) as pdftoppm writes it.
struct Gray {
    int width = 0, height = 0;
    std::string pixels;
    int at(int x, int y) const { return static_cast<unsigned char>(pixels[y * width + x]); }
};

Gray readPgm(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Gray g;
    in >> magic >> g.width >> g.height >> maxValue;
    in.get();
    g.pixels.resize(static_cast<std::size_t>(g.width) * g.height);
    in.read(g.pixels.data(), static_cast<std::streamsize>(g.pixels.size()));
    return g;
}

int darkPixels(const Gray& g, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom && y < g.height; ++y)
        for (int x = left; x < right && x < g.width; ++x) n += g.at(x, y) < 128;
    return n;
}

TEST(PlayPeer, LibreOfficeShowsTheTypesetEquationAtTheTopLeft) {
    const fs::path dir = freshFolder("play_peer_formula");
    ASSERT_EQ(playScript(dir, "set txtGS x^(2)+y^(2)=r^(2)\nclick cmdOK\n", "gs").status, 0);
    renderWords(dir / "deck.pptx");
    // One pixel to a point.
    ASSERT_EQ(std::system(("pdftoppm -r 72 -gray '" + (dir / "deck.pdf").string() + "' '" +
                           (dir / "page").string() + "'")
                              .c_str()),
              0);
    Gray page = readPgm(dir / "page-1.pgm");
    ASSERT_EQ(page.width, 720);
    // The equation: inked between 10 and about 55 points from the top, nothing elsewhere.
    EXPECT_GT(darkPixels(page, 10, 10, 240, 58), 300);
    EXPECT_EQ(darkPixels(page, 0, 0, 720, 8), 0);
    EXPECT_EQ(darkPixels(page, 0, 62, 720, 540), 0);
    EXPECT_EQ(darkPixels(page, 260, 0, 720, 540), 0);
}

}  // namespace
