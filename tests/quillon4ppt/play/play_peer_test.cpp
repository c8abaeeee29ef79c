// LibreOffice shows what a played session put into the deck where it was put.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/office/pptx/deck_connector.h"
#include "play_scripts.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

TEST(PlayPeer, LibreOfficeShowsTheAxesAndValuesWhereThePlayPutThem) {
    const fs::path dir = freshFolder("play_peer_points");
    ASSERT_EQ(playScript(dir, kPointsSession, "functiongraph").status, 0);
    std::string words = renderWords(dir / "deck.pptx");
    ASSERT_NE(words.find("<word"), std::string::npos) << "LibreOffice rendered nothing";
    EXPECT_NEAR(wordLeft(words, "x"), 491, 1);
    EXPECT_NEAR(wordLeft(words, "y"), 353, 1);
    EXPECT_NEAR(wordLeft(words, "O"), 348, 1);
    EXPECT_NEAR(wordLeft(words, "2", 412.8), 412.8, 1);
    EXPECT_NEAR(wordLeft(words, "3", 348), 348, 1);
    EXPECT_NEAR(wordLeft(words, "-1", 332), 331.8, 1);
}

// The first shape of the inserted group whose name begins with the label.
office::ShapePtr member(office::SlideHost& host, const std::string& label) {
    auto items = host.item(1)->groupItems();
    for (int i = 1; i <= items->count(); ++i)
        if (items->item(i)->name().rfind(label + "：", 0) == 0) return items->item(i);
    return nullptr;
}

// Each family's shape is drawn where the deck puts it: the line along a diagonal of its
// box, the closed conics round theirs, each open curve to two corners of its box.
TEST(PlayPeer, LibreOfficeDrawsEveryConicWhereTheDeckPutsIt) {
    const fs::path dir = freshFolder("play_peer_conics");
    ASSERT_EQ(playScript(dir, kConicsSession, "functiongraph").status, 0);
    std::string words = renderWords(dir / "deck.pptx");
    EXPECT_NEAR(wordLeft(words, "x"), 491, 1);
    const Page page = renderPage(dir / "deck.pdf");
    ASSERT_EQ(page.width, 720);
    ASSERT_EQ(page.height, 540);
    EXPECT_FALSE(inkNear(page, 700, 20)) << "the corner of the slide is blank";

    office::pptx::DeckConnector deck((dir / "deck.pptx").string(), 1);
    auto app = deck.attach();
    auto& host = office::slideHost(*app);
    struct Box {
        double l, t, r, b;
    };
    auto box = [&](const std::string& label) {
        auto s = member(host, label);
        EXPECT_NE(s, nullptr) << label;
        return s ? Box{s->left(), s->top(), s->left() + s->width(), s->top() + s->height()} : Box{};
    };
    const Box line = box("直线");
    EXPECT_TRUE((inkNear(page, line.l, line.t) && inkNear(page, line.r, line.b)) ||
                (inkNear(page, line.l, line.b) && inkNear(page, line.r, line.t)))
        << "the line";
    // Points half-way between the axes of the closed conics, away from the coordinate axes.
    for (const char* closed : {"圆", "椭圆"}) {
        const Box c = box(closed);
        const double mx = (c.l + c.r) / 2, my = (c.t + c.b) / 2, dx = (c.r - c.l) / 2 * 0.7071,
                     dy = (c.b - c.t) / 2 * 0.7071;
        EXPECT_TRUE(inkNear(page, mx + dx, my - dy) && inkNear(page, mx - dx, my - dy) &&
                    inkNear(page, mx - dx, my + dy) && inkNear(page, mx + dx, my + dy))
            << closed;
    }
    // An open curve ends in the two corners of one side of its box.
    for (const char* open : {"双曲线左支", "双曲线右支", "抛物线"}) {
        const Box c = box(open);
        EXPECT_TRUE((inkNear(page, c.l, c.t) && inkNear(page, c.l, c.b)) ||
                    (inkNear(page, c.r, c.t) && inkNear(page, c.r, c.b)) ||
                    (inkNear(page, c.l, c.t) && inkNear(page, c.r, c.t)) ||
                    (inkNear(page, c.l, c.b) && inkNear(page, c.r, c.b)))
            << open;
    }
}

TEST(PlayPeer, LibreOfficeDrawsAnInsertedLibraryFigureWhereTheSheetHasIt) {
    const fs::path dir = freshFolder("play_peer_library");
    auto run = playScript(dir, "node TreeView1 C1\nclick cmdInsert2PPT\n", "tk");
    ASSERT_EQ(run.status, 0) << run.err;
    std::string words = renderWords(dir / "deck.pptx");
    ASSERT_NE(words.find("<word"), std::string::npos) << "LibreOffice rendered nothing";
    // The vertex labels of the triangle, 20 points right of the cell's corner (20, 150).
    EXPECT_NEAR(wordLeft(words, "A"), 20 + 80 - 10, 4);
    EXPECT_NEAR(wordLeft(words, "B"), 20 + 18 - 10, 4);
    EXPECT_NEAR(wordLeft(words, "C"), 20 + 192 - 10, 4);
}

}  // namespace
