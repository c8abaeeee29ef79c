// The figure library played end to end: browse the tree, pick a figure, insert it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/office/pptx/deck.h"
#include "platform/office/pptx/shape_xml.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kInsertTriangle =
    "node TreeView1 C1\n"
    "print caption\n"
    "print dsoFramer1\n"
    "click cmdInsert2PPT\n";

struct PlayLibraryTest : ::testing::Test {
    fs::path dir = fs::path(testing::TempDir()) /
                   ("play_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
};

TEST_F(PlayLibraryTest, TheTreeListsEveryDocumentWithItsFigures) {
    auto run = playScript(dir, "print TreeView1\nprint caption\n", "tk");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out.find("TreeView1[F1] = 平面几何\nTreeView1[C1] = 三角形ABC\nTreeView1[C2] = 直角三角形\n"), 0u)
        << run.out;
    EXPECT_NE(run.out.find("TreeView1[F2] = 立体几何\nTreeView1[C7] = 正方体\n"), std::string::npos);
    EXPECT_NE(run.out.find("TreeView1[C18] = 反比例函数图像\ncaption = 平面几何\n"), std::string::npos);
}

TEST_F(PlayLibraryTest, AnInsertedFigureLandsWithItsNameAndPlace) {
    auto run = playScript(dir,
                          std::string(kInsertTriangle) +
                              "node TreeView1 C13\npick dsoFramer1 数轴\nprint dsoFramer1\n"
                              "click cmdInsert2PPT\n",
                          "tk");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "caption = 平面几何\ndsoFramer1 = 1/2 三角形ABC\ndsoFramer1 = 1/2 数轴\n");
    auto deck = office::pptx::Deck::open((dir / "deck.pptx").string());
    auto shapes = office::pptx::shapesIn(deck->slide(1).tree());
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(office::pptx::shapeName(shapes[0]), "三角形ABC");
    EXPECT_EQ(office::pptx::shapeName(shapes[1]), "数轴");
    auto sheet = office::pptx::Deck::open((dir / "quillon4ppt" / "quillon_temp4show1.pptx").string());
    auto original = office::pptx::shapesIn(sheet->slide(1).tree())[0];
    EXPECT_EQ(office::pptx::shapesIn(shapes[0]).size(), office::pptx::shapesIn(original).size());
    auto a = office::pptx::boxOf(shapes[0]), b = office::pptx::boxOf(original);
    EXPECT_NEAR(a.left, b.left, 0.01);
    EXPECT_NEAR(a.top, b.top, 0.01);
    EXPECT_NEAR(a.width, b.width, 0.01);
    EXPECT_NEAR(a.height, b.height, 0.01);
}

TEST_F(PlayLibraryTest, AnUnknownNodeOrShapeIsAScriptError) {
    EXPECT_EQ(playScript(dir, "node TreeView1 C99\n", "tk").status, 2);
    auto run = playScript(dir, "pick dsoFramer1 球\n", "tk");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("球"), std::string::npos);
}

}  // namespace
