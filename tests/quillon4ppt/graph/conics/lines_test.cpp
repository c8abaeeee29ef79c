// Straight lines: the forms, the range proposed while typing, "确定", the list, the
// replay that erases a deleted line.
#include "graph_fixture.h"
#include "quillon4ppt/graph/conics/lines_family.h"

using namespace graph;

namespace {

using Range = std::pair<std::string, std::string>;

struct LinesTest : GraphFixture {
    LineFamily& zx() { return dynamic_cast<LineFamily&>(*g->family("ZX")); }
    void type(int form, const std::string& t0, const std::string& t1) {
        zx().optType_ZX[form].click();
        zx().txtZX[0].setText(t0);
        zx().txtZX[1].setText(t1);
    }
    Range range() { return {zx().txtZX[3].text(), zx().txtZX[4].text()}; }
    void ok() { zx().cmdOK_ZX[0].click(); }
    const forms::DrawItem& lastDrawn() { return g->Picture1.items().back(); }
};

void expectSegment(const forms::DrawItem& item, double x1, double y1, double x2, double y2) {
    EXPECT_EQ(item.type, forms::DrawItem::Type::Line);
    EXPECT_DOUBLE_EQ(item.x1, x1);
    EXPECT_DOUBLE_EQ(item.y1, y1);
    EXPECT_DOUBLE_EQ(item.x2, x2);
    EXPECT_DOUBLE_EQ(item.y2, y2);
}

TEST(ReadPointText, BracketsDroppedAndPartsReadLeniently) {
    EXPECT_DOUBLE_EQ(ReadPointText("(2,-1)").x, 2);
    EXPECT_DOUBLE_EQ(ReadPointText("(2,-1)").y, -1);
    EXPECT_DOUBLE_EQ(ReadPointText("  ( 1.5 , 3 ) ").y, 3);
    EXPECT_DOUBLE_EQ(ReadPointText("(  ,  )").x, 0);
    EXPECT_DOUBLE_EQ(ReadPointText("(4)").x, 4);
    EXPECT_DOUBLE_EQ(ReadPointText("(4)").y, 0);
    EXPECT_DOUBLE_EQ(ReadPointText("（3，-4）").x, 3);
    EXPECT_DOUBLE_EQ(ReadPointText("（3，-4）").y, -4);
    EXPECT_DOUBLE_EQ(ReadPointText("(1e400,2)").x, 0);
}

TEST(lineFromInputs, EachFormGivesItsLine) {
    StraightLine intercepts = lineFromInputs(kIntercepts, "2", "4", "");
    EXPECT_DOUBLE_EQ(intercepts.k, -2);
    EXPECT_DOUBLE_EQ(intercepts.b, 4);
    EXPECT_EQ(lineFromInputs(kIntercepts, "0", "3", "").kind, StraightLine::Vertical);
    StraightLine bothZero = lineFromInputs(kIntercepts, "0", "0", "");
    EXPECT_EQ(bothZero.kind, StraightLine::Sloped);
    EXPECT_EQ(bothZero.k, 0);
    StraightLine direction = lineFromInputs(kPointDirection, "(1,1)", "(2,1)", "");
    EXPECT_DOUBLE_EQ(direction.k, 0.5);
    EXPECT_DOUBLE_EQ(direction.b, 0.5);
    StraightLine normal = lineFromInputs(kPointNormal, "(0,2)", "(1,2)", "");
    EXPECT_DOUBLE_EQ(normal.k, -0.5);
    EXPECT_DOUBLE_EQ(normal.b, 2);
    StraightLine upright = lineFromInputs(kPointNormal, "(3,2)", "(1,0)", "");
    EXPECT_EQ(upright.kind, StraightLine::Vertical);
    EXPECT_DOUBLE_EQ(upright.x, 3);
    StraightLine general = lineFromInputs(kGeneral, "2", "0", "4");
    EXPECT_EQ(general.kind, StraightLine::Vertical);
    EXPECT_DOUBLE_EQ(general.x, -2);
    EXPECT_EQ(lineFromInputs(kGeneral, "0", "0", "7").kind, StraightLine::NoLine);
}

TEST_F(LinesTest, PointSlopeProposesTheRangeInsideTheFrameAndDrawsIt) {
    type(kPointSlope, "(1,1)", "2");
    EXPECT_EQ(range(), Range("-2", " 3"));
    EXPECT_EQ(g->Label[12].caption(), "≤ x ≤");
    ok();
    expectSegment(lastDrawn(), -2, -5, 3, 5);
    const LineRecord& r = zx().records.get(0);
    EXPECT_DOUBLE_EQ(r.y1, -5);
    EXPECT_DOUBLE_EQ(r.y2, 5);
    EXPECT_EQ(g->List1.items().back(), "直线(ZX)  0");
}

TEST_F(LinesTest, TwoPointsOnOneVerticalGiveAYRange) {
    type(kTwoPoint, "(1,2)", "(1,5)");
    EXPECT_EQ(g->Label[12].caption(), "≤ y ≤");
    EXPECT_EQ(range(), Range(" 2", " 5"));
    ok();
    expectSegment(lastDrawn(), 1, 2, 1, 5);
}

TEST_F(LinesTest, TheSegmentFlagKeepsJustTheSegmentBetweenThePoints) {
    type(kTwoPoint, "(3,0)", "(-1,2)");
    EXPECT_EQ(range(), Range("-5", " 5"));
    zx().chkXD.click();
    EXPECT_TRUE(zx().SegmentFlag);
    EXPECT_EQ(range(), Range("-1", " 3"));
    ok();
    expectSegment(lastDrawn(), -1, 2, 3, 0);
}

TEST_F(LinesTest, AHorizontalLineKeepsTheWholeFrameAndAMissedFrameStillDraws) {
    type(kSlopeIntercept, "0", "2");
    EXPECT_EQ(range(), Range("-5", " 5"));
    type(kSlopeIntercept, "1", "20");
    EXPECT_EQ(range(), Range("-5", "-15"));
    ok();
    expectSegment(lastDrawn(), -5, 15, -15, 5);
}

TEST_F(LinesTest, EmptyRangeBoxesDrawAPointOfALine) {
    type(kSlopeIntercept, "2", "1");
    zx().txtZX[3].setText("");
    zx().txtZX[4].setText("");
    ok();
    expectSegment(lastDrawn(), 0, 1, 0, 1);
}

TEST_F(LinesTest, InterceptsOnTheYAxisOnlyGiveTheYAxis) {
    type(kIntercepts, "0", "3");
    EXPECT_EQ(g->Label[12].caption(), "≤ y ≤");
    ok();
    expectSegment(lastDrawn(), 0, -5, 0, 5);
}

TEST_F(LinesTest, TheGeneralFormNeedsACoefficient) {
    zx().optType_ZX[kGeneral].click();
    EXPECT_TRUE(g->Label[11].visible());
    EXPECT_TRUE(zx().txtZX[2].visible());
    zx().txtZX[0].setText("0");
    EXPECT_TRUE(dialogs.shown().empty());
    zx().txtZX[1].setText("0");
    zx().txtZX[2].setText("3");
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(3, "请检查您输入的数据！x,y的系数不能都为0！"));
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(zx().counter, 0);
    EXPECT_EQ(zx().records.size(), 0);
}

TEST_F(LinesTest, ANumberTooLargeToHoldReadsAsZero) {
    type(kSlopeIntercept, "1e400", "1");
    EXPECT_EQ(range(), Range("-5", " 5"));
    ok();
    expectSegment(lastDrawn(), -5, 1, 5, 1);
}

TEST_F(LinesTest, ItemsAreNumberedFromZero) {
    type(kSlopeIntercept, "1", "0");
    for (int i = 0; i < 11; ++i) ok();
    EXPECT_EQ(g->List1.items()[1], "直线(ZX)  0");
    EXPECT_EQ(g->List1.items()[11], "直线(ZX)  10");
}

TEST_F(LinesTest, EachFormShowsItsCaptionsRightAlignedAgainstTheBoxes) {
    zx().optType_ZX[kTwoPoint].click();
    EXPECT_EQ(g->Label[9].caption(), "点P1的坐标");
    EXPECT_EQ(g->Label[10].caption(), "点P2的坐标");
    EXPECT_EQ(zx().txtZX[0].text(), "(  ,  )");
    EXPECT_TRUE(zx().chkXD.visible());
    EXPECT_TRUE(zx().Image1[kTwoPoint].visible());
    EXPECT_FALSE(zx().Image1[kSlopeIntercept].visible());
    EXPECT_FALSE(zx().txtZX[2].visible());
    EXPECT_EQ(g->Label[9].layout.left + g->Label[9].layout.width, 1320);
    EXPECT_EQ(g->Label[10].layout.left + g->Label[10].layout.width, 4080);
    EXPECT_EQ(g->Label[9].alignment, 1);
    zx().optType_ZX[kPointSlope].click();
    EXPECT_FALSE(zx().chkXD.visible());
    EXPECT_EQ(g->Label[9].layout.left + g->Label[9].layout.width, 1320);
}

TEST_F(LinesTest, SelectingTheTabStartsItOver) {
    EXPECT_TRUE(g->SSTab1.tabVisible[kTabLines]);
    g->HScrollx.setValue(2);
    type(kTwoPoint, "(3,0)", "(-1,2)");
    zx().chkXD.click();
    g->SSTab1.setTab(kTabLines);
    EXPECT_TRUE(zx().optType_ZX[kSlopeIntercept].value());
    EXPECT_FALSE(zx().optType_ZX[kTwoPoint].value());
    EXPECT_EQ(zx().chkXD.value(), 0);
    EXPECT_FALSE(zx().SegmentFlag);
    EXPECT_EQ(range(), Range("-7", " 3"));
    EXPECT_EQ(g->Label[9].caption(), "斜率k=");
    EXPECT_EQ(zx().txtZX[0].text(), "");
}

TEST_F(LinesTest, DeletionErasesTheLineInTheCanvasColour) {
    g->Combo1.setText("3");
    type(kPointSlope, "(1,1)", "2");
    ok();
    type(kTwoPoint, "(1,2)", "(1,5)");
    ok();
    g->Combo1.setText("1");
    for (int entry : {1, 1}) {
        g->List1.select(entry);
        g->cmdResult.click();
    }
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
    const auto& items = g->Picture1.items();
    const auto& sloped = items[items.size() - 2];
    expectSegment(sloped, -2, -5, 3, 5);
    EXPECT_EQ(sloped.color, common::kWhite);
    EXPECT_EQ(sloped.drawWidth, 3);
    expectSegment(items.back(), 1, 2, 1, 5);
    EXPECT_EQ(items.back().color, common::kWhite);
    EXPECT_EQ(g->Combo1.text(), "1");
    EXPECT_EQ(zx().counter, 2);
}

}  // namespace
