// The coordinate frame, the preview and the frame controls.
#include "graph_fixture.h"
#include "quillon4ppt/graph/coordinate_frame.h"
#include "quillon4ppt/graph/samples.h"

using namespace graph;

namespace {

using FrameTest = GraphFixture;

TEST_F(FrameTest, TheWindowOpensOnTheDefaultFrame) {
    EXPECT_EQ(g->labZS.caption(), "(-5,5)");
    EXPECT_EQ(g->labZX.caption(), "(-5,-5)");
    EXPECT_EQ(g->labYS.caption(), "(5,5)");
    EXPECT_EQ(g->labYX.caption(), "(5,-5)");
    EXPECT_EQ(g->Picture1.scaleLeft(), -5);
    EXPECT_EQ(g->Picture1.scaleTop(), 5);
    EXPECT_EQ(g->Picture1.scaleWidth(), 10);
    EXPECT_EQ(g->Picture1.scaleHeight(), -10);
    EXPECT_DOUBLE_EQ(g->frame.markSize, 0.1);
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
    EXPECT_EQ(g->SSTab1.tab(), kTabResults);
    EXPECT_EQ(g->Combo1.text(), "2");
    EXPECT_FALSE(g->Combo2.enabled());  // dashes only with weight 1
    EXPECT_EQ(g->axesItem.lineWeight, 2);
    EXPECT_EQ(g->chkMultImage.value(), 1);
}

TEST_F(FrameTest, AWideFrameShowsItsXRangeInTheCaptions) {
    g->frame.yMin = -3, g->frame.yMax = 3;
    g->SetPreviewScale();
    EXPECT_EQ(g->Picture1.scaleTop(), 5);
    EXPECT_EQ(g->Picture1.scaleTop() + g->Picture1.scaleHeight(), -5);
    EXPECT_EQ(g->labZS.caption(), "(-5,5)");
    EXPECT_EQ(g->labYX.caption(), "(5,-5)");
    g->frame.xMin = -2, g->frame.xMax = 2;
    g->SetPreviewScale();
    EXPECT_EQ(g->Picture1.scaleLeft(), -3);
    EXPECT_EQ(g->labZS.caption(), "(-3,3)");
    EXPECT_DOUBLE_EQ(g->frame.markSize, 0.06);
}

TEST_F(FrameTest, TypedAxisLengthsBecomeEven) {
    g->txtLenOfAxis_x.setText("7");
    g->txtLenOfAxis_x.pressKey(13);
    EXPECT_EQ(g->txtLenOfAxis_x.text(), "6");
    EXPECT_EQ(g->frame.xMin, -3);
    EXPECT_EQ(g->frame.xMax, 3);
    EXPECT_EQ(g->udLenOfAxis[1].value(), 6);
    g->txtLenOfAxis_x.setText("13");
    g->txtLenOfAxis_x.leave();
    EXPECT_EQ(g->txtLenOfAxis_x.text(), "14");
    EXPECT_EQ(g->frame.xMin, -7);
    EXPECT_EQ(g->frame.xMax, 7);
    EXPECT_EQ(g->axesItem.xMax, 7);
}

TEST_F(FrameTest, AxisLengthsStayWithinTheSpinnerRange) {
    g->txtLenOfAxis_y.setText("0");
    g->txtLenOfAxis_y.pressKey(13);
    EXPECT_EQ(g->txtLenOfAxis_y.text(), "2");
    EXPECT_EQ(g->frame.yMax - g->frame.yMin, 2);
    g->txtLenOfAxis_y.setText("abc");
    g->txtLenOfAxis_y.pressKey(13);
    EXPECT_EQ(g->frame.yMax - g->frame.yMin, 2);
    g->txtLenOfAxis_y.setText("500");
    g->txtLenOfAxis_y.pressKey(13);
    EXPECT_EQ(g->txtLenOfAxis_y.text(), "100");
    EXPECT_EQ(g->frame.yMin, -50);
}

TEST_F(FrameTest, SpinnersGrowAndShrinkByOneAtEachEnd) {
    g->udLenOfAxis[1].up();
    EXPECT_EQ(g->frame.xMin, -6);
    EXPECT_EQ(g->frame.xMax, 6);
    EXPECT_EQ(g->txtLenOfAxis_x.text(), "12");
    g->udLenOfAxis[0].down();
    EXPECT_EQ(g->frame.yMin, -4);
    EXPECT_EQ(g->txtLenOfAxis_y.text(), "8");
}

TEST_F(FrameTest, DraggingTheScrollBarMovesTheFrame) {
    g->HScrollx.setValue(2);
    EXPECT_EQ(g->frame.xMin, -7);
    EXPECT_EQ(g->frame.xMax, 3);
    EXPECT_EQ(g->HScrollx.min(), -7);
    EXPECT_EQ(g->HScrollx.max(), 3);
    EXPECT_EQ(g->HScrollx.value(), 0);
    EXPECT_EQ(g->Picture1.scaleLeft(), -7);
    g->HScrolly.setValue(-1);
    EXPECT_EQ(g->frame.yMin, -4);
    EXPECT_EQ(g->frame.yMax, 6);
}

// The bar's new range clamps the value it was moved to; the frame still moves once.
TEST_F(FrameTest, AMoveOfThreeOrMoreShiftsTheFrameOnce) {
    g->HScrollx.setValue(3);
    EXPECT_EQ(g->frame.xMin, -8);
    EXPECT_EQ(g->frame.xMax, 2);
    EXPECT_EQ(g->HScrollx.value(), 0);
    EXPECT_EQ(g->Picture1.scaleLeft(), -8);
    g->HScrolly.setValue(-4);
    EXPECT_EQ(g->frame.yMin, -1);
    EXPECT_EQ(g->frame.yMax, 9);
}

TEST_F(FrameTest, TheCanvasDrawsInTheWeightCombo1ShowsFromTheStart) {
    EXPECT_EQ(g->Combo1.text(), "2");
    EXPECT_EQ(g->Picture1.drawWidth, 2);
    g->Combo1.setText("5");
    dialogs.queueAnswer(forms::Answer::Ok);
    g->cmdReset.click();
    EXPECT_EQ(g->Picture1.drawWidth, 2);
}

// The x ticks drawn in the preview, from the tick lines at height 0.
std::vector<double> xTicks(const forms::PictureBox& p) {
    std::vector<double> out;
    for (const auto& it : p.items())
        if (it.type == forms::DrawItem::Type::Line && it.x1 == it.x2 && it.y1 == 0 && it.y2 != 0 &&
            it.color != common::kWhite)
            out.push_back(it.x1);
    return out;
}

TEST_F(FrameTest, TickStepsFollowTheFrameWidth) {
    g->chkDrawScale.click();
    EXPECT_EQ(xTicks(g->Picture1), (std::vector<double>{-4, -3, -2, -1, 0, 1, 2, 3, 4}));
    g->txtLenOfAxis_x.setText("26");
    g->txtLenOfAxis_x.pressKey(13);  // -13..13: width 26, step 2
    auto ticks = xTicks(g->Picture1);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.front(), -12);
    EXPECT_EQ(ticks[1], -10);
    EXPECT_EQ(g->axesItem.drawScale, -1);
}

TEST_F(FrameTest, TickNumbersComeFromTheErasePass) {
    g->chkDrawScale.click();
    int numbers = 0;
    for (const auto& it : g->Picture1.items())
        if (it.type == forms::DrawItem::Type::Text && it.fontSize == 6) ++numbers;
    EXPECT_EQ(numbers, 16);  // -4..4 without 0 on both axes
}

TEST_F(FrameTest, NoCoordinateErasesTheAxesAndUnticksTheScale) {
    g->chkDrawScale.click();
    g->chkNoCoordinate.click();
    EXPECT_EQ(g->chkDrawScale.value(), 0);
    EXPECT_EQ(g->axesItem.drawScale, 0);
    const auto& last = g->Picture1.items();
    bool axisErased = std::any_of(last.begin(), last.end(), [](const auto& it) {
        return it.type == forms::DrawItem::Type::Line && it.y1 == 0 && it.y2 == 0 && it.x1 == -5 &&
               it.color == common::kWhite;
    });
    EXPECT_TRUE(axisErased);
}

TEST_F(FrameTest, LineWeightAndStyleExcludeEachOther) {
    g->Combo1.setText("1");
    EXPECT_TRUE(g->Combo2.enabled());
    g->Combo2.select(2);  // "3": dashes
    EXPECT_EQ(g->Picture1.drawStyle, 2);
    EXPECT_EQ(g->Line1.style(), 3);
    g->Combo1.select(3);  // "4" brings back the solid style
    EXPECT_EQ(g->Combo2.text(), "1");
    EXPECT_FALSE(g->Combo2.enabled());
    EXPECT_EQ(g->Picture1.drawWidth, 4);
    EXPECT_EQ(g->Picture1.drawStyle, 0);
}

TEST_F(FrameTest, TheColourDialogSetsTheSwatchOrLeavesItOnCancel) {
    dialogs.queueColor(255);
    g->cmdChangeColor.click();
    EXPECT_EQ(g->lineColor(), 255u);
    EXPECT_EQ(g->Line1.color(), 255u);
    g->labColor.click();
    EXPECT_EQ(g->lineColor(), 255u);
}

TEST(StyleToDash, MapsLineStylesToDashStyles) {
    EXPECT_EQ(StyleToDash(0), 1);
    EXPECT_EQ(StyleToDash(1), 1);
    EXPECT_EQ(StyleToDash(6), 1);
    EXPECT_EQ(StyleToDash(2), 7);
    EXPECT_EQ(StyleToDash(3), 4);
    EXPECT_EQ(StyleToDash(4), 5);
    EXPECT_EQ(StyleToDash(5), 6);
    EXPECT_EQ(StyleToDash(7), 0);
}

TEST(SlideFrame, DefaultSlideGivesOrigin360By270AndUnit27) {
    CoordinateFrame f;
    ComputeSlideFrame(f, 720, 540, 2, 10);
    EXPECT_EQ(f.originX, 360);
    EXPECT_EQ(f.originY, 270);
    EXPECT_DOUBLE_EQ(f.unitLength, 27);
    ComputeSlideFrame(f, 960, 541, 3, 10);  // 270.5 rounds to the even 270
    EXPECT_EQ(f.originY, 270);
    EXPECT_DOUBLE_EQ(f.unitLength, 18);
}

TEST(PrepareSamples, StepsAndRowCounts) {
    Samples ten = PrepareSamples(-5, 5);
    EXPECT_EQ(ten.points.size(), 199u);
    EXPECT_GT(ten.step, 0.05);
    EXPECT_LT(ten.step, 0.0500001);
    EXPECT_EQ(PrepareSamples(-10, 10).points.size(), 400u);
    Samples hundred = PrepareSamples(0, 100);
    EXPECT_EQ(hundred.points.size(), 667u);
    EXPECT_NEAR(hundred.step, 0.15, 1e-12);
    EXPECT_EQ(PrepareSamples(0, 1).points.size(), 19u);
    Samples backwards = PrepareSamples(3, 1);
    EXPECT_EQ((backwards.points.size() - 1) % 3, 0u);
    EXPECT_GE(backwards.points.size(), 4u);
}

}  // namespace
