// The free-expression tab: the draw action with its pieces and record, the options,
// the reset, the replay of a deletion and the curves on the slide.
#include "quillon4ppt/graph/curves/expression_family.h"

#include <cmath>

#include "conics/hyperbolas_parabolas_fixture.h"

using namespace graph;

namespace {

struct ExpressionTest : ConicFixture<ExpressionFamily> {
    ExpressionTest() : ConicFixture(kTabExpression, "ANY") {}

    std::size_t draw(const std::string& text, const std::string& from, const std::string& to,
                     bool inY = false) {
        const std::size_t before = g->Picture1.items().size();
        (inY ? family().optFY : family().optFX).click();
        family().txtExp.setText(text);
        family().txtXmin_Any.setText(from);
        family().txtXmax_Any.setText(to);
        family().cmdOK_Any.click();
        return before;
    }
    const AnyRecord& record(int i) { return family().records.get(i); }
    static void expectPiece(const CurveInterval& p, double from, double to) {
        EXPECT_TRUE(p.started && p.ended);
        EXPECT_NEAR(p.xFrom, from, 0.011);
        EXPECT_NEAR(p.xTo, to, 0.011);
    }
};

TEST_F(ExpressionTest, TheTabStartsInXAndItsResetFillsTheFrameRange) {
    EXPECT_TRUE(family().optFX.value());
    EXPECT_TRUE(family().imgX.visible());
    EXPECT_FALSE(family().imgY.visible());
    family().optFY.click();
    EXPECT_FALSE(family().optFX.value());
    EXPECT_TRUE(family().imgFY.visible() && family().imgY.visible());
    EXPECT_FALSE(family().imgFX.visible() || family().imgX.visible());
    family().txtExp.setText("x");
    g->SSTab1.setTab(kTabResults);
    g->SSTab1.setTab(kTabExpression);
    EXPECT_EQ(family().txtExp.text(), "");
    EXPECT_EQ(family().txtXmin_Any.text(), "-5");
    EXPECT_EQ(family().txtXmax_Any.text(), " 5");
}

TEST_F(ExpressionTest, SineIsOnePieceAndListed) {
    const std::size_t before = draw("sinx", "-5", "5");
    EXPECT_EQ(record(0).expression, "sin(x)");
    EXPECT_EQ(record(0).kind, 0);
    ASSERT_EQ(record(0).pieces.size(), 1u);
    expectPiece(record(0).pieces[0], -5, 5);
    EXPECT_GE(itemsFrom(before).size(), 999u);
    EXPECT_EQ(g->List1.items().back(), "任意函数(ANY)  0");
    EXPECT_EQ(family().Label[23].caption(), "函数图像绘制完成！");
}

TEST_F(ExpressionTest, ValuesBeyondTheFrameSplitThePieces) {
    const std::size_t before = draw("x^2", "-3", "3");
    ASSERT_EQ(record(0).pieces.size(), 1u);
    expectPiece(record(0).pieces[0], -2.23, 2.23);
    for (const auto& line : itemsFrom(before)) EXPECT_LE(std::max(line.y1, line.y2), 5);

    draw("1/x", "-5", "5");
    ASSERT_EQ(record(1).pieces.size(), 2u);
    expectPiece(record(1).pieces[0], -5, -0.2);
    expectPiece(record(1).pieces[1], 0.21, 5);
}

TEST_F(ExpressionTest, AnExpressionInYIsPlottedAcross) {
    const std::size_t before = draw("y^2", "-2", "2", true);
    EXPECT_EQ(record(0).expression, "x^2");
    EXPECT_EQ(record(0).kind, 1);
    // x = y²: a parabola opening to the right.
    for (const auto& line : itemsFrom(before)) EXPECT_NEAR(line.x1, line.y1 * line.y1, 1e-9);

    // siny is not rewritten; as sinx it is a name nobody assigned, so x = 0 throughout.
    const std::size_t line = draw("siny", "-2", "2", true);
    EXPECT_EQ(record(1).expression, "sinx");
    ASSERT_FALSE(itemsFrom(line).empty());
    for (const auto& l : itemsFrom(line)) EXPECT_TRUE(l.x1 == 0 && l.x2 == 0);
}

// exp(x) is taken apart by the normaliser; x² and x的平方 are no expressions.
TEST_F(ExpressionTest, WhatNoSampleCanComputeIsSaidAndNotListed) {
    for (const char* text : {"exp(x)", "foo(x)", "x/0", "x²", "x的平方"}) {
        SCOPED_TRACE(text);
        dialogs.clearShown();
        const std::size_t before = draw(text, "-1", "1");
        EXPECT_EQ(dialogs.shown(), std::vector<std::string>{common::messages::kGraphNotComputable});
        EXPECT_TRUE(itemsFrom(before).empty());
        EXPECT_EQ(family().Label[23].caption(), "");
    }
    EXPECT_EQ(g->List1.items().size(), 1u);
    // A curve outside the frame is computed all the same, and listed.
    draw("x+100", "-1", "1");
    EXPECT_EQ(g->List1.items().size(), 2u);
}

TEST_F(ExpressionTest, AnEmptyRangeIsRefusedAndPiReadsItsLeadingNumber) {
    draw("x", "2", "2");
    EXPECT_EQ(dialogs.shown().back(), kRangeErrorMessage);
    EXPECT_EQ(g->List1.items().size(), 1u);
    // -2*PI reads -2.
    draw("2.718281828^x", "-2*PI", "1");
    EXPECT_EQ(record(0).vFrom, -2);
}

// Only the part within the frame is traced and put on the slide, so a huge range
// never meets the sampler's bound.
TEST_F(ExpressionTest, AHugeRangeLandsWholeAcrossTheFrame) {
    draw("x", "-1e6", "1e6");
    insertItemsOnly();
    ASSERT_EQ(labels(), std::vector<std::string>{"任意函数"});
    const auto& pts = allShapes()[0]->points;
    EXPECT_NEAR(pts.front().x, X(-5), 0.5);
    EXPECT_GT(pts.back().x, X(4.5));
}

TEST_F(ExpressionTest, DeletionReplaysTheItemInTheCanvasColourAndListsNothing) {
    g->labColor.setBackColor(common::rgb(0, 0, 255));
    const std::size_t before = draw("y^2-1", "-2", "2", true);
    const auto drawn = itemsFrom(before);
    family().optFX.click();
    selectEntry("任意函数(ANY)  0");
    const std::size_t replay = g->Picture1.items().size();
    g->cmdResult.click();
    const auto erased = itemsFrom(replay);
    ASSERT_EQ(erased.size(), drawn.size());
    for (std::size_t i = 0; i < erased.size(); ++i) {
        EXPECT_EQ(erased[i].color, g->Picture1.backColor);
        EXPECT_EQ(erased[i].x1, drawn[i].x1);
        EXPECT_EQ(erased[i].y2, drawn[i].y2);
    }
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(g->lineColor(), common::rgb(0, 0, 255));
    EXPECT_EQ(family().counter, 1);
}

TEST_F(ExpressionTest, EachVisiblePieceBecomesOneCurveOnTheSlide) {
    draw("x^2", "-3", "3");
    draw("1/x", "-5", "5");
    draw("y^2", "-2", "2", true);
    insertItemsOnly();
    EXPECT_EQ(countLabel("任意函数"), 4);
    const auto shapes = allShapes();
    ASSERT_EQ(shapes.size(), 4u);
    // x² from -2.23: the first row is the rounded start.
    EXPECT_NEAR(shapes[0]->points.front().x, X(-2.23), 0.3);
    EXPECT_NEAR(shapes[0]->points.front().y, Y(4.97), 0.3);
    for (const auto& p : shapes[3]->points) EXPECT_GE(p.x, X(0) - 0.01);
}

TEST_F(ExpressionTest, AShortPieceIsSkippedAndTheLaterPiecesStillLand) {
    // tan x from -4.93 begins with a piece of two samples, [-4.93, -4.91].
    draw("tanx", "-4.93", "5");
    ASSERT_EQ(record(0).pieces.size(), 5u);
    expectPiece(record(0).pieces[0], -4.93, -4.91);
    insertItemsOnly();
    EXPECT_EQ(countLabel("任意函数"), 4);
}

}  // namespace
