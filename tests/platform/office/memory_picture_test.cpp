#include <gtest/gtest.h>

#include "platform/office/memory/memory_host.h"

using namespace office;

namespace {

struct MemoryPictures : ::testing::Test {
    std::shared_ptr<memory::ProgramState> state = std::make_shared<memory::ProgramState>();
    std::unique_ptr<Application> app = memory::makeApplication(state);
    SlideHost& host = slideHost(*app);
};

TEST_F(MemoryPictures, APastedPictureKeepsItsSizeAndTexts) {
    EXPECT_THROW(host.paste(), HostError);
    app->copyPicture({"png", "svg", 40, 12, "a/b", "\\frac{a}{b}", {}, {}});
    auto pasted = host.paste();
    ASSERT_EQ(pasted->count(), 1);
    auto picture = pasted->item(1);
    EXPECT_EQ(picture->type(), shapetype::Picture);
    EXPECT_EQ(picture->title(), "a/b");
    EXPECT_EQ(picture->alternativeText(), "\\frac{a}{b}");
    EXPECT_FLOAT_EQ(picture->width(), 40);
    EXPECT_FLOAT_EQ(picture->height(), 12);
    EXPECT_EQ(state->slide().shapes.back()->png, "png");
}

TEST_F(MemoryPictures, ARangeReadsAsTheBoxAroundItsShapesAndMovesAsOne) {
    host.addShape(kShapeOval, 10, 20, 30, 40)->setName("a");
    host.addShape(kShapeOval, 100, 5, 10, 10)->setName("b");
    auto range = host.range({"a", "b"});
    EXPECT_FLOAT_EQ(range->left(), 10);
    EXPECT_FLOAT_EQ(range->top(), 5);
    EXPECT_FLOAT_EQ(range->width(), 100);
    EXPECT_FLOAT_EQ(range->height(), 55);
    range->setLeft(0);
    range->setTop(0);
    EXPECT_FLOAT_EQ(host.item("a")->left(), 0);
    EXPECT_FLOAT_EQ(host.item("a")->top(), 15);
    EXPECT_FLOAT_EQ(host.item("b")->left(), 90);
    range->scaleHeight(2, false, 2);
    EXPECT_FLOAT_EQ(host.item("a")->height(), 80);
    EXPECT_FLOAT_EQ(host.item("a")->top(), -25);
    EXPECT_THROW(host.range({})->height(), HostError);
}

}  // namespace
