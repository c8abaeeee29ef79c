// The plot list: entries, insertion as one group, deletion by replay, reset.
#include "common/text.h"
#include "graph_fixture.h"
#include "quillon4ppt/graph/plot_entries.h"

using namespace graph;

namespace {

using PlotListTest = GraphFixture;

TEST_F(PlotListTest, PointsAreListedWithTheirIndex) {
    point("2", "3");
    point("1", "1");
    EXPECT_EQ(g->List1.items(),
              (std::vector<std::string>{"平面直角坐标系(ZBX)", "点(POINT)  0", "点(POINT)  1"}));
}

TEST_F(PlotListTest, EmptyCoordinatesAreRefused) {
    point("", "3");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{"您还没有输入点P的坐标值！"});
    EXPECT_EQ(g->List1.items().size(), 1u);
}

TEST_F(PlotListTest, InsertionGroupsEveryShapeUnderOneName) {
    point("2", "3");
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    const auto& group = state->slide().shapes[0];
    EXPECT_EQ(group->type, office::shapetype::Group);
    EXPECT_EQ(group->name, "组合：500121224101112_quillon");
    // axes, letters and origin, then the point's dot, two guides and two values, and the
    // hidden box holding what made them
    EXPECT_EQ(group->children.size(), 5u + 5u + 1u);
    EXPECT_TRUE(group->children.back()->hidden);
    EXPECT_EQ(g->caption(), "图像插入PPT已经完成！");
    EXPECT_EQ(state->saves, 1);
    EXPECT_EQ(g->shapeNames.counter(), 0);
    auto& calls = state->calls;
    auto back = std::find(calls.begin(), calls.end(), group->name + ".ZOrder(1)");
    ASSERT_NE(back, calls.end());
    EXPECT_EQ(*(back + 1), group->name + ".ZOrder(5)");
}

TEST_F(PlotListTest, WithoutCoordinateAxesTheItemsStillLandInTheFrame) {
    g->chkNoCoordinate.click();
    point("2", "3", true);
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);  // one dot: nothing to group
    const auto& dot = state->slide().shapes[0];
    EXPECT_EQ(dot->name.rfind("点：", 0), 0u);
    EXPECT_FLOAT_EQ(dot->left, 412.8f);
    EXPECT_FLOAT_EQ(dot->top, 187.8f);
}

// Without the coordinate-system entry the frame still comes from the window, at every
// insertion, not from whatever an earlier insertion left behind.
TEST_F(PlotListTest, DeletingTheCoordinateSystemStillInsertsEveryItemInPlace) {
    g->List1.select(0);
    g->cmdResult.click();
    point("2", "3", true);
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_FLOAT_EQ(state->slide().shapes[0]->left, 412.8f);
    EXPECT_EQ(g->caption(), "图像插入PPT已经完成！");

    g->txtLenOfAxis_x.setText("20");
    g->txtLenOfAxis_x.pressKey(13);
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 2u);
    EXPECT_FLOAT_EQ(state->slide().shapes[1]->left, 360 + 2 * 13.5f - 1.2f);
}

TEST_F(PlotListTest, PointsPastWhatCanBeDrawnAreRefused) {
    for (const char* x : {"1e39", "1e999", "-1e16"}) point(x, "3");
    point("2", "1e400");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(4, "您输入的数据过大，无法作图，请检查后重新输入。"));
    EXPECT_EQ(g->List1.items().size(), 1u);
}

// At 27 points a unit the slide ends near 7.9e7 units from the origin.
TEST_F(PlotListTest, PointsPastTheSlidesEdgeAreRefused) {
    point("1e8", "1");
    point("1", "-1e8");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(2, "您输入的数据过大，无法作图，请检查后重新输入。"));
    point("7e7", "1");
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(g->List1.items().size(), 2u);
}

TEST_F(PlotListTest, AnEmptyListAddsNothingAndSaysSo) {
    g->List1.select(0);
    g->cmdResult.click();
    EXPECT_TRUE(g->List1.items().empty());
    g->cmdOK.click();
    EXPECT_TRUE(state->slide().shapes.empty());
    EXPECT_EQ(g->caption(), "没有可插入PPT的图像。");
}

TEST_F(PlotListTest, LongLabelsAreCutAt32Characters) {
    g->txtLenOfAxis_x.setText("22");
    g->txtLenOfAxis_x.pressKey(13);
    g->chkDrawScale.click();
    point("1", "1", true);
    g->cmdOK.click();
    auto number = shape("x轴刻度标注-10");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->name, "x轴刻度标注-10：500121224101112_quillo");
    EXPECT_EQ(common::charCount(number->name), 32u);
    EXPECT_EQ(shape("点")->name, "点：500121224101112_quillon");
}

TEST_F(PlotListTest, AFailingHostCallStopsTheInsertionAndIsShown) {
    state->hasPresentation = false;
    g->cmdOK.click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], "没有打开的演示文稿窗口。请先打开一个演示文稿。");
    EXPECT_EQ(g->shapeNames.counter(), 0);
    EXPECT_EQ(g->caption(), "图像插入PPT未能完成。");
}

TEST_F(PlotListTest, DeletionErasesThePointAndKeepsTheCounter) {
    point("2", "3");
    point("1", "1");
    g->List1.select(1);
    std::size_t before = g->Picture1.items().size();
    g->cmdResult.click();
    EXPECT_EQ(g->List1.items(), (std::vector<std::string>{"平面直角坐标系(ZBX)", "点(POINT)  1"}));
    const auto& items = g->Picture1.items();
    ASSERT_GT(items.size(), before);
    const auto& eraser = items[before];
    EXPECT_EQ(eraser.type, forms::DrawItem::Type::Circle);
    EXPECT_EQ(eraser.x1, 2);
    EXPECT_EQ(eraser.color, common::kWhite);
    EXPECT_EQ(eraser.fillColor, common::kWhite);
    EXPECT_EQ(g->lineColor(), common::kBlack);
    EXPECT_TRUE(g->RecordItems);
    point("4", "4");
    EXPECT_EQ(g->List1.items().back(), "点(POINT)  2");
}

TEST_F(PlotListTest, DeletingWithNothingSelectedSaysSoAndKeepsRecording) {
    g->cmdResult.click();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{"您没有选择任何需要删除的对象"});
    point("1", "2");
    EXPECT_EQ(g->List1.items().size(), 2u);
}

TEST_F(PlotListTest, DeletingTheCoordinateSystemTicksNoCoordinate) {
    g->List1.select(0);
    g->cmdResult.click();
    EXPECT_EQ(g->chkNoCoordinate.value(), 1);
}

TEST_F(PlotListTest, ResetStartsOverButKeepsTheCounters) {
    point("2", "3");
    g->txtLenOfAxis_x.setText("20");
    g->txtLenOfAxis_x.pressKey(13);
    dialogs.queueAnswer(forms::Answer::Cancel);
    g->cmdReset.click();
    EXPECT_EQ(g->List1.items().size(), 2u);
    g->cmdReset.click();
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
    EXPECT_EQ(g->frame.xMin, -5);
    EXPECT_EQ(g->udLenOfAxis[1].value(), 10);
    point("1", "1");
    EXPECT_EQ(g->List1.items().back(), "点(POINT)  1");
}

TEST_F(PlotListTest, ResetLeavesTheCaptionAsItIs) {
    point("1", "2");
    g->cmdOK.click();
    g->cmdReset.click();
    EXPECT_EQ(g->caption(), "图像插入PPT已经完成！");
}

TEST_F(PlotListTest, TheSameListCanBeInsertedTwice) {
    point("1", "2");
    g->cmdOK.click();
    g->cmdOK.click();
    EXPECT_EQ(state->slide().shapes.size(), 2u);
}

TEST(PlotEntries, TheIndexIsTheWholeNumberAfterTheBracket) {
    EXPECT_EQ(parseEntry("椭圆(TY)  123").index, 123);
    EXPECT_EQ(parseEntry("椭圆(TY)  123").key, "TY");
    EXPECT_EQ(parseEntry("平面直角坐标系(ZBX)").key, "ZBX");
    EXPECT_EQ(parseEntry("no brackets").key, "");
}

}  // namespace

namespace {

TEST(ShapeNames, ShapesOfOneLabelKeepDistinctNames) {
    graph::InsertedShapeNames names;
    names.random = [] { return 0.5; };
    names.countShape();
    std::string first = names.NameShape("渐近线");
    names.countShape();
    std::string second = names.NameShape("渐近线");
    EXPECT_NE(first, second);
    EXPECT_EQ(second.rfind("渐近线：501", 0), 0u);
    names.ResetShapeNames();
    names.countShape();
    EXPECT_EQ(names.NameShape("渐近线"), first);
}

}  // namespace
