// Axes and points on a 720 x 540 slide.
#include "graph_fixture.h"

using namespace graph;

namespace {

struct SlideShapesTest : GraphFixture {
    void insert() { g->cmdOK.click(); }
};

TEST_F(SlideShapesTest, AxesWithStealthArrowheadsLettersAndOrigin) {
    insert();
    auto x = shape("x轴");
    ASSERT_NE(x, nullptr);
    EXPECT_FLOAT_EQ(x->begin.x, 225);
    EXPECT_FLOAT_EQ(x->begin.y, 270);
    EXPECT_FLOAT_EQ(x->end.x, 495);
    EXPECT_FLOAT_EQ(x->end.y, 270);
    EXPECT_EQ(x->line.endStyle, office::arrow::Stealth);
    EXPECT_EQ(x->line.endLength, office::arrow::Medium);
    EXPECT_EQ(x->line.endWidth, office::arrow::Narrow);
    EXPECT_EQ(x->line.beginLength, office::arrow::Long);
    EXPECT_EQ(x->line.beginStyle, office::arrow::None);
    EXPECT_EQ(x->line.dashStyle, office::dash::Solid);
    EXPECT_FLOAT_EQ(x->line.weight, 0.75f);  // left at the host's default
    auto y = shape("y轴");
    EXPECT_FLOAT_EQ(y->begin.y, 405);
    EXPECT_FLOAT_EQ(y->end.y, 135);
    EXPECT_EQ(y->line.beginLength, office::arrow::Medium);
    auto letter = shape("x轴标记");
    EXPECT_FLOAT_EQ(letter->left, 491);
    EXPECT_FLOAT_EQ(letter->top, 266);
    EXPECT_EQ(letter->text, U"x");
    EXPECT_TRUE(letter->charFonts[0].italic);
    EXPECT_EQ(letter->charFonts[0].nameAscii, "Times New Roman");
    EXPECT_EQ(letter->charFonts[0].size, 18);
    EXPECT_EQ(letter->margins[0], 0);
    auto yLetter = shape("y轴标记");
    EXPECT_FLOAT_EQ(yLetter->left, 353);
    EXPECT_FLOAT_EQ(yLetter->top, 128);
    auto origin = shape("原点");
    EXPECT_FLOAT_EQ(origin->left, 348);
    EXPECT_FLOAT_EQ(origin->top, 268);
    EXPECT_FALSE(origin->charFonts[0].italic);
    EXPECT_EQ(countLabel("x轴刻度线1"), 0);
}

TEST_F(SlideShapesTest, TicksBelowTheXAxisAndNoTickAtZero) {
    program.AxisSettings.blXkdUp = false;
    g->chkDrawScale.click();
    insert();
    auto tick = shape("x轴刻度线1");
    ASSERT_NE(tick, nullptr);
    EXPECT_FLOAT_EQ(tick->begin.x, 387);
    EXPECT_FLOAT_EQ(tick->begin.y, 270);
    EXPECT_FLOAT_EQ(tick->end.x, 387);
    EXPECT_FLOAT_EQ(tick->end.y, 275.4f);
    EXPECT_EQ(countLabel("x轴刻度线0"), 0);
    EXPECT_EQ(countLabel("x轴刻度线-4"), 1);
    EXPECT_EQ(countLabel("x轴刻度线5"), 0);
    auto number = shape("x轴刻度标注1");
    EXPECT_FLOAT_EQ(number->left, 383);
    EXPECT_FLOAT_EQ(number->top, 270);
    EXPECT_EQ(number->text, U"1");
}

TEST_F(SlideShapesTest, TicksAndNumbersOnTheConfiguredSides) {
    program.AxisSettings.blXkdUp = true;
    program.AxisSettings.blXtxtUp = true;
    program.AxisSettings.blYkdLeft = true;
    program.AxisSettings.blYtxtLeft = false;
    g->chkDrawScale.click();
    insert();
    EXPECT_FLOAT_EQ(shape("x轴刻度线1")->end.y, 264.6f);
    EXPECT_FLOAT_EQ(shape("x轴刻度标注1")->top, 255);
    auto yTick = shape("y轴刻度线2");
    EXPECT_FLOAT_EQ(yTick->begin.x, 354.6f);
    EXPECT_FLOAT_EQ(yTick->end.x, 360);
    EXPECT_FLOAT_EQ(yTick->begin.y, 216);
    auto yNumber = shape("y轴刻度标注2");
    EXPECT_FLOAT_EQ(yNumber->left, 362);
    EXPECT_FLOAT_EQ(yNumber->top, 210);
}

TEST_F(SlideShapesTest, PointWithGuidesAndValues) {
    g->labColor.setBackColor(common::rgb(255, 0, 0));
    point("2", "3");
    insert();
    auto dot = shape("点");
    ASSERT_NE(dot, nullptr);
    EXPECT_FLOAT_EQ(dot->left, 412.8f);
    EXPECT_FLOAT_EQ(dot->top, 187.8f);
    EXPECT_FLOAT_EQ(dot->width, 2.4f);
    EXPECT_EQ(dot->fill.color, common::rgb(255, 0, 0));
    EXPECT_TRUE(dot->fill.visible);
    EXPECT_FLOAT_EQ(dot->line.weight, 2);
    auto vertical = shape("标示横坐标的虚线");
    EXPECT_FLOAT_EQ(vertical->begin.x, 414);
    EXPECT_FLOAT_EQ(vertical->begin.y, 270);
    EXPECT_FLOAT_EQ(vertical->end.y, 189);
    EXPECT_EQ(vertical->line.dashStyle, office::dash::Dash);
    auto horizontal = shape("标示纵坐标的虚线");
    EXPECT_FLOAT_EQ(horizontal->begin.x, 360);
    EXPECT_FLOAT_EQ(horizontal->end.x, 414);
    auto xValue = shape("横坐标标注");
    EXPECT_FLOAT_EQ(xValue->left, 412.8f);
    EXPECT_FLOAT_EQ(xValue->top, 270);
    EXPECT_EQ(xValue->text, U"2");
    EXPECT_EQ(xValue->charFonts[0].size, 9);
    EXPECT_FALSE(xValue->fill.visible);
    EXPECT_FALSE(xValue->line.visible);
    auto yValue = shape("纵坐标标注");
    EXPECT_FLOAT_EQ(yValue->left, 348);
    EXPECT_FLOAT_EQ(yValue->top, 180);
}

TEST_F(SlideShapesTest, ValuesMoveToTheOtherSideInOtherQuadrants) {
    point("-1.5", "-2");
    insert();
    EXPECT_FLOAT_EQ(shape("横坐标标注")->top, 257);
    EXPECT_EQ(shape("横坐标标注")->text, U"-1.5");
    EXPECT_FLOAT_EQ(shape("纵坐标标注")->left, 362.2f);
}

TEST_F(SlideShapesTest, APointOnAnAxisGetsOneValueAndNoGuides) {
    point("0", "3");
    insert();
    EXPECT_EQ(countLabel("点"), 1);
    auto value = shape("y轴上刻度标注");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text, U"3");
    EXPECT_FLOAT_EQ(value->left, 362.2f);
    EXPECT_FLOAT_EQ(value->top, 183);
    EXPECT_EQ(countLabel("标示横坐标的虚线"), 0);
    EXPECT_EQ(countLabel("x轴上刻度标注"), 0);
}

TEST_F(SlideShapesTest, PointOnlyDrawsTheDot) {
    point("2", "3", true);
    insert();
    EXPECT_EQ(countLabel("点"), 1);
    EXPECT_EQ(countLabel("横坐标标注"), 0);
    EXPECT_EQ(countLabel("标示纵坐标的虚线"), 0);
}

}  // namespace
