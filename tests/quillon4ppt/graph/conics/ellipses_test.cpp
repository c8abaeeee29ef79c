// Ellipses: the five forms, the checks, foci, directrices and axes in the preview and
// on the slide, the replay.
#include "graph_fixture.h"
#include "quillon4ppt/graph/conics/ellipses_family.h"

using namespace graph;

namespace {

using Type = forms::DrawItem::Type;

struct EllipsesTest : GraphFixture {
    void SetUp() override {
        GraphFixture::SetUp();
        g->SSTab1.setTab(kTabEllipse);
    }
    EllipseFamily& ty() { return dynamic_cast<EllipseFamily&>(*g->family("TY")); }
    // The boxes in screen order: a², b², F on the first row, x0, y0 on the second.
    void ellipse(forms::OptionButton& form, const std::string& p, const std::string& q,
                 const std::string& s = "", const std::string& t = "", const std::string& f = "") {
        form.click();
        ty().txtA2_TY.setText(p);
        ty().txtB2_TY.setText(q);
        ty().txtX0_TY.setText(s);
        ty().txtY0_TY.setText(t);
        ty().txtF_TY.setText(f);
        ty().cmdOK_TY.click();
    }
    std::vector<forms::DrawItem> drawnSince(std::size_t first) {
        const auto& items = g->Picture1.items();
        return {items.begin() + static_cast<long>(first), items.end()};
    }
    void expectLine(const std::shared_ptr<office::memory::ShapeData>& s, float x1, float y1, float x2,
                    float y2) {
        ASSERT_NE(s, nullptr);
        EXPECT_FLOAT_EQ(s->begin.x, x1);
        EXPECT_FLOAT_EQ(s->begin.y, y1);
        EXPECT_FLOAT_EQ(s->end.x, x2);
        EXPECT_FLOAT_EQ(s->end.y, y2);
    }
    std::shared_ptr<office::memory::ShapeData> nth(const std::string& label, int n) {
        int seen = 0;
        for (auto& s : allShapes())
            if (s->name.rfind(label + "：", 0) == 0 && seen++ == n) return s;
        return nullptr;
    }
};

TEST_F(EllipsesTest, FociAndDirectricesAlongX) {
    ty().chkFocus_TY.setValue(1);
    ty().chkDirectrix_TY.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ellipse(ty().optBx_TY, "25", "9");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kOutOfFrameQuestion});  // directrices at ±6.25
    auto drawn = drawnSince(before);
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_EQ(drawn[0].type, Type::Circle);
    EXPECT_DOUBLE_EQ(drawn[0].radius, 5);
    EXPECT_DOUBLE_EQ(drawn[0].aspect, 0.6);
    EXPECT_DOUBLE_EQ(drawn[1].x1, -4);
    EXPECT_EQ(drawn[1].fillStyle, 0);
    EXPECT_DOUBLE_EQ(drawn[2].x1, 4);
    EXPECT_EQ(drawn[3].type, Type::Line);
    EXPECT_DOUBLE_EQ(drawn[3].x1, -6.25);
    EXPECT_DOUBLE_EQ(drawn[3].y1, -3);
    EXPECT_DOUBLE_EQ(drawn[3].y2, 3);
    EXPECT_DOUBLE_EQ(drawn[4].x2, 6.25);
    const EllipseRecord& r = ty().records.get(0);
    EXPECT_EQ(r.horizontal, -1);
    EXPECT_EQ(r.foci, -1);
    EXPECT_EQ(r.directrices, -1);
    EXPECT_EQ(r.axes, 0);
    EXPECT_EQ(g->List1.items().back(), "椭圆(TY)  0");

    g->cmdOK.click();
    auto oval = shape("椭圆");
    EXPECT_FLOAT_EQ(oval->left, 225);
    EXPECT_FLOAT_EQ(oval->top, 189);
    EXPECT_FLOAT_EQ(oval->width, 270);
    EXPECT_FLOAT_EQ(oval->height, 162);
    EXPECT_FALSE(oval->fill.visible);
    EXPECT_FLOAT_EQ(shape("椭圆左焦点")->left, 250.8f);
    EXPECT_FLOAT_EQ(shape("椭圆左焦点")->top, 268.8f);
    EXPECT_FLOAT_EQ(shape("椭圆右焦点")->left, 466.8f);
    expectLine(shape("椭圆左准线"), 191.25f, 391.5f, 191.25f, 148.5f);
    expectLine(shape("椭圆右准线"), 528.75f, 391.5f, 528.75f, 148.5f);
    EXPECT_EQ(shape("椭圆左准线")->line.dashStyle, office::dash::Solid);
    EXPECT_EQ(countLabel("椭圆对称轴"), 0);
    auto children = state->slide().shapes[0]->children;
    EXPECT_EQ(children[5]->name.rfind("椭圆：", 0), 0u);
    EXPECT_EQ(children[6]->name.rfind("椭圆左焦点：", 0), 0u);
    EXPECT_EQ(children[9]->name.rfind("椭圆右准线：", 0), 0u);
}

TEST_F(EllipsesTest, AxesOfSymmetryForTheTranslatedForm) {
    // Both axes share their label: distinct numbers keep their names apart.
    int draws = 0;
    g->shapeNames.random = [&draws] { return ++draws / 999.0; };
    g->Combo1.setText("2");
    ty().optPYx_TY.click();
    ty().chkAxis_TY.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ellipse(ty().optPYx_TY, "25", "9", "0", "0");
    auto drawn = drawnSince(before);
    ASSERT_EQ(drawn.size(), 1u + 32u);
    EXPECT_DOUBLE_EQ(drawn[1].y1, 0);
    EXPECT_DOUBLE_EQ(drawn[1].x1, -5 + 10.0 / 31);
    EXPECT_DOUBLE_EQ(drawn[17].x1, 0);
    g->cmdOK.click();
    expectLine(nth("椭圆对称轴", 0), 157.5f, 270, 562.5f, 270);
    expectLine(nth("椭圆对称轴", 1), 360, 391.5f, 360, 148.5f);
    EXPECT_EQ(nth("椭圆对称轴", 1)->line.dashStyle, office::dash::Dash);
    EXPECT_FLOAT_EQ(nth("椭圆对称轴", 1)->line.weight, 2);
}

TEST_F(EllipsesTest, MajorAxisAlongY) {
    ty().chkFocus_TY.setValue(1);
    ty().chkDirectrix_TY.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ellipse(ty().optBy_TY, "25", "9");
    auto drawn = drawnSince(before);
    EXPECT_DOUBLE_EQ(drawn[0].aspect, 5.0 / 3);
    EXPECT_DOUBLE_EQ(drawn[1].y1, -4);
    EXPECT_DOUBLE_EQ(drawn[2].y1, 4);
    EXPECT_DOUBLE_EQ(drawn[3].y1, -6.25);
    EXPECT_DOUBLE_EQ(drawn[3].x1, -3);
    EXPECT_DOUBLE_EQ(drawn[3].x2, 3);
    EXPECT_EQ(ty().records.get(0).horizontal, 0);
    g->cmdOK.click();
    auto oval = shape("椭圆");
    EXPECT_FLOAT_EQ(oval->left, 279);
    EXPECT_FLOAT_EQ(oval->top, 135);
    EXPECT_FLOAT_EQ(oval->width, 162);
    EXPECT_FLOAT_EQ(oval->height, 270);
    EXPECT_FLOAT_EQ(shape("椭圆上焦点")->top, 160.8f);
    EXPECT_FLOAT_EQ(shape("椭圆下焦点")->top, 376.8f);
    expectLine(shape("椭圆上准线"), 238.5f, 101.25f, 481.5f, 101.25f);
    expectLine(shape("椭圆下准线"), 238.5f, 438.75f, 481.5f, 438.75f);
}

TEST_F(EllipsesTest, TheGeneralEquationIsCompletedToSquares) {
    ellipse(ty().optGeneral_TY, "4", "9", "-16", "18", "-11");
    const EllipseRecord& r = ty().records.get(0);
    EXPECT_DOUBLE_EQ(r.cx, 2);
    EXPECT_DOUBLE_EQ(r.cy, -1);
    EXPECT_DOUBLE_EQ(r.a2, 9);
    EXPECT_DOUBLE_EQ(r.b2, 4);
    EXPECT_EQ(r.horizontal, -1);
    ellipse(ty().optGeneral_TY, "9", "4", "0", "0", "-36");
    const EllipseRecord& upright = ty().records.get(1);
    EXPECT_DOUBLE_EQ(upright.a2, 9);
    EXPECT_DOUBLE_EQ(upright.b2, 4);
    EXPECT_EQ(upright.horizontal, 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(EllipsesTest, WhatIsNoEllipseIsRefused) {
    ellipse(ty().optBx_TY, "9", "9");
    ellipse(ty().optBy_TY, "9", "16");
    ellipse(ty().optGeneral_TY, "-1", "-2", "0", "0", "-1");
    ellipse(ty().optGeneral_TY, "1", "-1", "0", "0", "1");
    ellipse(ty().optGeneral_TY, "2", "2", "0", "0", "-1");
    ellipse(ty().optGeneral_TY, "1", "2", "0", "0", "0");
    ellipse(ty().optPYx_TY, "1e400", "1", "0", "0");
    ellipse(ty().optGeneral_TY, "1", "2", "1e300", "0", "0");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(8, "您输入的数据有误，请检查后重新输入。"));
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(ty().counter, 0);
}

TEST_F(EllipsesTest, TheStandardFormsHaveNoAxesOption) {
    EXPECT_EQ(g->EquationFormKey, "Bx");
    EXPECT_FALSE(ty().chkAxis_TY.visible());
    EXPECT_FALSE(ty().txtX0_TY.visible());
    EXPECT_FALSE(ty().txtF_TY.visible());
    ty().optPYy_TY.click();
    EXPECT_FALSE(ty().optBx_TY.value());
    EXPECT_TRUE(ty().chkAxis_TY.visible());
    EXPECT_TRUE(ty().imgTY[3].visible());
    EXPECT_FALSE(ty().imgTY[4].visible());
    ty().chkAxis_TY.setValue(1);
    ty().optGeneral_TY.click();
    EXPECT_FALSE(ty().optPYy_TY.value());
    EXPECT_TRUE(ty().txtF_TY.visible());
    EXPECT_TRUE(ty().imgTY[8].visible());
    EXPECT_FALSE(ty().imgTY[0].visible());
    ellipse(ty().optBx_TY, "4", "1");
    EXPECT_FALSE(ty().chkAxis_TY.visible());
    EXPECT_EQ(ty().records.get(0).axes, 0);
}

TEST_F(EllipsesTest, SelectingTheTabStartsItOver) {
    ty().optGeneral_TY.click();
    ty().txtF_TY.setText("3");
    ty().chkFocus_TY.setValue(1);
    g->SSTab1.setTab(kTabCircle);
    EXPECT_EQ(g->EquationFormKey, "xyr");
    g->SSTab1.setTab(kTabEllipse);
    EXPECT_EQ(g->EquationFormKey, "Bx");
    EXPECT_TRUE(ty().optBx_TY.value());
    EXPECT_FALSE(ty().optGeneral_TY.value());
    EXPECT_EQ(ty().txtF_TY.text(), "");
    EXPECT_FALSE(ty().txtF_TY.visible());
    EXPECT_EQ(ty().chkFocus_TY.value(), 0);
}

TEST_F(EllipsesTest, DirectricesOutsideANarrowFrameAsk) {
    ellipse(ty().optBx_TY, "16", "7");  // a = 4, directrices at ±16/3
    EXPECT_TRUE(dialogs.shown().empty());
    ty().chkDirectrix_TY.setValue(1);
    dialogs.queueAnswer(forms::Answer::Cancel);
    const std::size_t before = g->Picture1.items().size();
    ellipse(ty().optBx_TY, "16", "7");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kOutOfFrameQuestion});
    EXPECT_EQ(g->Picture1.items().size(), before);
    EXPECT_EQ(g->List1.items().size(), 2u);
}

TEST_F(EllipsesTest, DeletionErasesTheEllipseWithItsFociAndDirectrices) {
    ty().chkFocus_TY.setValue(1);
    ty().chkDirectrix_TY.setValue(1);
    ellipse(ty().optBy_TY, "25", "9");
    g->SSTab1.setTab(kTabResults);
    const std::size_t before = g->Picture1.items().size();
    g->List1.select(1);
    g->cmdResult.click();
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
    auto erased = drawnSince(before);
    ASSERT_EQ(erased.size(), 5u);
    EXPECT_DOUBLE_EQ(erased[0].radius, 5);
    EXPECT_DOUBLE_EQ(erased[0].aspect, 5.0 / 3);
    EXPECT_DOUBLE_EQ(erased[2].y1, 4);
    EXPECT_DOUBLE_EQ(erased[4].y1, 6.25);
    for (const auto& item : erased) EXPECT_EQ(item.color, common::kWhite);
    EXPECT_EQ(g->EquationFormKey, "PYy");
    EXPECT_EQ(ty().counter, 1);
}

}  // namespace
