// LibreOffice shows what a played session put into the deck where it was put.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "play_scripts.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

TEST(PlayPeer, LibreOfficeShowsTheAxesAndValuesWhereThePlayPutThem) {
    fs::path dir = fs::path(testing::TempDir()) / "play_peer_points";
    fs::remove_all(dir);
    fs::create_directories(dir);
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

TEST(PlayPeer, LibreOfficeOpensEveryConicTheSessionInserted) {
    fs::path dir = fs::path(testing::TempDir()) / "play_peer_conics";
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_EQ(playScript(dir, kConicsSession, "functiongraph").status, 0);
    std::string words = renderWords(dir / "deck.pptx");
    EXPECT_NEAR(wordLeft(words, "x"), 491, 1);
    EXPECT_TRUE(fs::exists(dir / "deck.pdf"));
    EXPECT_GT(fs::file_size(dir / "deck.pdf"), 1000u);
}

TEST(PlayPeer, LibreOfficeDrawsAnInsertedLibraryFigureWhereTheSheetHasIt) {
    fs::path dir = fs::path(testing::TempDir()) / "play_peer_library";
    fs::remove_all(dir);
    fs::create_directories(dir);
    setenv("TMPDIR", dir.c_str(), 1);
    auto run = playScript(dir, "node TreeView1 C1\nclick cmdInsert2PPT\n", "tk");
    unsetenv("TMPDIR");
    ASSERT_EQ(run.status, 0) << run.err;
    std::string words = renderWords(dir / "deck.pptx");
    ASSERT_NE(words.find("<word"), std::string::npos) << "LibreOffice rendered nothing";
    // The vertex labels of the triangle, 20 points right of the cell's corner (20, 150).
    EXPECT_NEAR(wordLeft(words, "A"), 20 + 80 - 10, 4);
    EXPECT_NEAR(wordLeft(words, "B"), 20 + 18 - 10, 4);
    EXPECT_NEAR(wordLeft(words, "C"), 20 + 192 - 10, 4);
}

}  // namespace
