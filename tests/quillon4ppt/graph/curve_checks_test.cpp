#include "quillon4ppt/graph/curve_checks.h"

#include <gtest/gtest.h>

#include "graph_fixture.h"

using namespace graph;

namespace {

TEST(CommonDivisor, Examples) {
    EXPECT_EQ(CommonDivisor(12, 18), 6);
    EXPECT_EQ(CommonDivisor(-4, 6), 2);
    EXPECT_EQ(CommonDivisor(0, 5), 1);
    EXPECT_EQ(CommonDivisor(5, -5), 5);
    EXPECT_EQ(CommonDivisor(7, 7), 7);
    EXPECT_EQ(CommonDivisor(1, 2147483647), 1);
    EXPECT_EQ(CommonDivisor(-2147483647 - 1, 2147483647), 1);
}

TEST(LargerSmaller, EqualArguments) {
    EXPECT_EQ(Smaller(3, 3), 3);
    EXPECT_EQ(Larger(3, 3), 3);
    EXPECT_EQ(Larger(-1, 2), 2);
    EXPECT_EQ(Smaller(-1, 2), -1);
}

TEST(ConfirmOutOfFrame, AsksOnlyWhenTheItemLeavesTheFrame) {
    CoordinateFrame frame;
    forms::ScriptedDialogs dialogs;
    CurveExtents inside{-2, 2, 0.25, 4};
    EXPECT_FALSE(ConfirmOutOfFrame(inside, frame, dialogs));
    EXPECT_TRUE(dialogs.shown().empty());
    CurveExtents high{-2, 2, 0.25, 5.5};
    EXPECT_FALSE(ConfirmOutOfFrame(high, frame, dialogs));
    dialogs.queueAnswer(forms::Answer::Cancel);
    EXPECT_TRUE(ConfirmOutOfFrame(high, frame, dialogs));
    EXPECT_EQ(dialogs.shown().back(), kOutOfFrameQuestion);
    ShowRangeError(dialogs);
    EXPECT_EQ(dialogs.shown().back(), "您所输入的数据范围有误，请检查后重新输入！");
}

using DashedGuideTest = GraphFixture;

TEST_F(DashedGuideTest, SixteenDashesTowardLargerCoordinates) {
    g->Picture1.cls();
    g->labColor.setBackColor(common::rgb(0, 0, 255));
    g->drawDashedGuide(0, -5, 0, 5);
    const auto& items = g->Picture1.items();
    ASSERT_EQ(items.size(), 16u);
    EXPECT_DOUBLE_EQ(items[0].y1, -5 + 10.0 / 31);
    EXPECT_DOUBLE_EQ(items[0].y2, -5 + 20.0 / 31);
    EXPECT_NEAR(items[15].y2, 5 + 10.0 / 31, 1e-12);
    EXPECT_EQ(items[15].x1, 0);
    EXPECT_EQ(items[0].color, common::rgb(0, 0, 255));
}

}  // namespace
