// Circles: the three forms, the checks, the list, the replay, the shapes on the slide.
#include "graph_fixture.h"
#include "quillon4ppt/graph/conics/circles_family.h"

using namespace graph;

namespace {

struct CirclesTest : GraphFixture {
    void SetUp() override {
        GraphFixture::SetUp();
        g->SSTab1.setTab(kTabCircle);
    }
    CircleFamily& yuan() { return dynamic_cast<CircleFamily&>(*g->family("Yuan")); }
    void circle(forms::OptionButton& form, const std::string& q, const std::string& a = "",
                const std::string& b = "") {
        form.click();
        yuan().txtR2.setText(q);
        yuan().txta.setText(a);
        yuan().txtb.setText(b);
        yuan().cmdOK_Y.click();
    }
    std::vector<forms::DrawItem> circlesDrawn() {
        std::vector<forms::DrawItem> out;
        for (const auto& item : g->Picture1.items())
            if (item.type == forms::DrawItem::Type::Circle) out.push_back(item);
        return out;
    }
};

TEST_F(CirclesTest, TheBoxTakesTheSquaredRadius) {
    circle(yuan().optXYR, "4");
    const CircleRecord& r = yuan().records.get(0);
    EXPECT_EQ(r.cx, 0);
    EXPECT_EQ(r.cy, 0);
    EXPECT_EQ(r.r2, 4);
    EXPECT_EQ(r.centre, 0);
    EXPECT_DOUBLE_EQ(circlesDrawn().back().radius, 2);
    circle(yuan().optXaYbR, "9", "1", "-1");
    EXPECT_DOUBLE_EQ(circlesDrawn().back().radius, 3);
    EXPECT_DOUBLE_EQ(circlesDrawn().back().x1, 1);
    EXPECT_EQ(g->List1.items(),
              (std::vector<std::string>{"平面直角坐标系(ZBX)", "圆(Yuan)  0", "圆(Yuan)  1"}));
}

TEST_F(CirclesTest, TheGeneralEquationGivesCentreAndRadius) {
    circle(yuan().optGeneral_Y, "-2", "4", "-4");
    const CircleRecord& r = yuan().records.get(0);
    EXPECT_DOUBLE_EQ(r.cx, 1);
    EXPECT_DOUBLE_EQ(r.cy, -2);
    EXPECT_DOUBLE_EQ(r.r2, 9);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(CirclesTest, NoRadiusNoCircle) {
    const std::size_t before = g->Picture1.items().size();
    circle(yuan().optGeneral_Y, "0", "0", "1");
    circle(yuan().optXYR, "");
    circle(yuan().optXaYbR, "-4", "1", "1");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(3, "圆的半径不能为负或者零，请检查后重新输入。"));
    EXPECT_EQ(g->Picture1.items().size(), before);
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(yuan().counter, 0);
}

TEST_F(CirclesTest, NumbersPastWhatCanBeComputedAreRefused) {
    circle(yuan().optXYR, "1e400");
    circle(yuan().optGeneral_Y, "1e200", "0", "0");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(2, "您输入的数据过大，无法作图，请检查后重新输入。"));
    EXPECT_EQ(yuan().records.size(), 0);
}

// A radius of 1e8 units reaches past the slide's edge at 27 points a unit.
TEST_F(CirclesTest, CirclesPastTheSlidesEdgeAreRefusedBeforeTheQuestion) {
    const std::size_t before = g->Picture1.items().size();
    circle(yuan().optXYR, "1e16");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{"您输入的数据过大，无法作图，请检查后重新输入。"});
    EXPECT_EQ(g->Picture1.items().size(), before);
    EXPECT_EQ(g->List1.items().size(), 1u);
}

TEST_F(CirclesTest, WithoutAFormNothingIsDrawn) {
    circle(yuan().optXYR, "4");
    g->EquationFormKey = "";
    yuan().cmdOK_Y.click();
    EXPECT_EQ(dialogs.shown(),
              std::vector<std::string>{"您还没有选择任何方程类型！请选择方程类型后再作图。"});
    EXPECT_EQ(g->List1.items().size(), 2u);
}

TEST_F(CirclesTest, ACircleLeavingTheFrameAsksFirst) {
    dialogs.queueAnswer(forms::Answer::Cancel);
    circle(yuan().optXaYbR, "4", "4", "0");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kOutOfFrameQuestion});
    EXPECT_TRUE(circlesDrawn().empty());
    EXPECT_EQ(g->List1.items().size(), 1u);
    circle(yuan().optXaYbR, "4", "4", "0");
    EXPECT_EQ(circlesDrawn().size(), 1u);
    EXPECT_EQ(g->List1.items().size(), 2u);
}

TEST_F(CirclesTest, EachFormShowsItsBoxes) {
    EXPECT_TRUE(g->SSTab1.tabVisible[kTabCircle]);
    EXPECT_EQ(g->EquationFormKey, "xyr");
    EXPECT_FALSE(yuan().txta.visible());
    EXPECT_TRUE(yuan().imgYuan[0].visible());
    yuan().optGeneral_Y.click();
    EXPECT_FALSE(yuan().optXYR.value());
    EXPECT_TRUE(yuan().txtb.visible());
    EXPECT_FALSE(yuan().imgYuan[0].visible());
    EXPECT_TRUE(yuan().imgYuan[5].visible());
    EXPECT_EQ(g->EquationFormKey, "General");
    yuan().optXaYbR.click();
    EXPECT_FALSE(yuan().optGeneral_Y.value());
    EXPECT_TRUE(yuan().imgYuan[2].visible());
    EXPECT_FALSE(yuan().imgYuan[3].visible());
}

TEST_F(CirclesTest, TheCentreIsASecondShapeAfterTheCircle) {
    g->labColor.setBackColor(common::rgb(0, 0, 255));
    g->Combo2.setText("3");
    yuan().chkCentreOfCircle.setValue(1);
    circle(yuan().optGeneral_Y, "-2", "4", "-4");  // centre (1, -2), radius 3
    g->cmdOK.click();
    auto shapes = allShapes();
    ASSERT_EQ(shapes.size(), 5u + 2u);
    auto oval = shapes[5], dot = shapes[6];
    EXPECT_EQ(oval->name.rfind("圆：", 0), 0u);
    EXPECT_EQ(oval->autoShapeType, office::kShapeOval);
    EXPECT_FLOAT_EQ(oval->left, 306);
    EXPECT_FLOAT_EQ(oval->top, 243);
    EXPECT_FLOAT_EQ(oval->width, 162);
    EXPECT_FLOAT_EQ(oval->height, 162);
    EXPECT_EQ(oval->line.color, common::rgb(0, 0, 255));
    EXPECT_EQ(oval->line.dashStyle, office::dash::Dash);
    EXPECT_FALSE(oval->fill.visible);
    EXPECT_EQ(dot->name.rfind("圆心：", 0), 0u);
    EXPECT_FLOAT_EQ(dot->left, 385.8f);
    EXPECT_FLOAT_EQ(dot->top, 322.8f);
    EXPECT_FLOAT_EQ(dot->width, 2.4f);
    EXPECT_TRUE(dot->fill.visible);
    EXPECT_EQ(dot->fill.color, common::rgb(0, 0, 255));
}

TEST_F(CirclesTest, WithoutTheCentreOnlyTheCircle) {
    g->Combo1.setText("2");
    circle(yuan().optXYR, "4");
    g->cmdOK.click();
    EXPECT_EQ(countLabel("圆"), 1);
    EXPECT_EQ(countLabel("圆心"), 0);
    EXPECT_FLOAT_EQ(shape("圆")->line.weight, 2);
}

TEST_F(CirclesTest, DeletionErasesCircleAndCentre) {
    yuan().chkCentreOfCircle.setValue(1);
    circle(yuan().optGeneral_Y, "-2", "4", "-4");
    circle(yuan().optXYR, "1");
    g->SSTab1.setTab(kTabResults);
    g->List1.select(1);
    g->cmdResult.click();
    EXPECT_EQ(g->List1.items(), (std::vector<std::string>{"平面直角坐标系(ZBX)", "圆(Yuan)  1"}));
    auto drawn = circlesDrawn();
    ASSERT_GE(drawn.size(), 2u);
    const auto& circle = drawn[drawn.size() - 2];
    const auto& centre = drawn.back();
    EXPECT_DOUBLE_EQ(circle.x1, 1);
    EXPECT_DOUBLE_EQ(circle.y1, -2);
    EXPECT_DOUBLE_EQ(circle.radius, 3);
    EXPECT_EQ(circle.color, common::kWhite);
    EXPECT_EQ(centre.fillStyle, 0);
    EXPECT_EQ(centre.fillColor, common::kWhite);
    EXPECT_EQ(yuan().counter, 2);
    EXPECT_EQ(g->lineColor(), common::kBlack);
}

}  // namespace
