// Lines on the slide, and a whole list inserted as one named group.
#include "common/text.h"
#include "graph_fixture.h"
#include "quillon4ppt/graph/conics/lines_family.h"

using namespace graph;

namespace {

struct LinesSlideTest : GraphFixture {
    LineFamily& zx() { return dynamic_cast<LineFamily&>(*g->family("ZX")); }
    void pointSlope(const std::string& p, const std::string& k) {
        zx().optType_ZX[kPointSlope].click();
        zx().txtZX[0].setText(p);
        zx().txtZX[1].setText(k);
        zx().cmdOK_ZX[0].click();
    }
};

TEST_F(LinesSlideTest, TheLineRunsBetweenItsMappedEndsInItsStyle) {
    g->labColor.setBackColor(common::rgb(0, 128, 0));
    g->Combo2.setText("3");
    pointSlope("(1,1)", "2");  // from (-2, -5) to (3, 5)
    g->cmdOK.click();
    auto line = shape("直线");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->type, office::shapetype::Line);
    EXPECT_FLOAT_EQ(line->begin.x, 306);
    EXPECT_FLOAT_EQ(line->begin.y, 405);
    EXPECT_FLOAT_EQ(line->end.x, 441);
    EXPECT_FLOAT_EQ(line->end.y, 135);
    EXPECT_EQ(line->line.color, common::rgb(0, 128, 0));
    EXPECT_EQ(line->line.dashStyle, StyleToDash(3));
    EXPECT_FLOAT_EQ(line->line.weight, 1);
    EXPECT_EQ(line->fill.color, common::rgb(0, 128, 0));
    EXPECT_TRUE(line->fill.visible);
    EXPECT_TRUE(line->line.visible);
}

TEST_F(LinesSlideTest, AxesPointAndLineBecomeOneNamedGroup) {
    point("2", "3");
    pointSlope("(0,0)", "1");
    ASSERT_EQ(g->List1.items(),
              (std::vector<std::string>{"平面直角坐标系(ZBX)", "点(POINT)  0", "直线(ZX)  0"}));
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    const auto& group = state->slide().shapes[0];
    EXPECT_EQ(group->type, office::shapetype::Group);
    EXPECT_EQ(group->name, "组合：500121224101112_quillon");
    EXPECT_LE(common::charCount(group->name), 32u);
    // axes, two letters and the origin; the dot, two guides and two values; the line;
    // the hidden box holding what made them
    ASSERT_EQ(group->children.size(), 5u + 5u + 1u + 1u);
    EXPECT_EQ(group->children[0]->name.rfind("x轴：", 0), 0u);
    EXPECT_EQ(group->children[5]->name.rfind("点：", 0), 0u);
    EXPECT_EQ(group->children[10]->name.rfind("直线：", 0), 0u);
    EXPECT_EQ(g->caption(), "图像插入PPT已经完成！");
}

}  // namespace
