// Parabolas: the proposed ranges, the draw action's checks, the canonical record,
// the preview, deletion by replay and the shapes on the slide.
#include "quillon4ppt/graph/conics/parabolas.h"

#include <cmath>

#include "hyperbolas_parabolas_fixture.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"

using namespace graph;

namespace {

struct ParabolaTest : ConicFixture<ParabolaFamily> {
    ParabolaTest() : ConicFixture(kTabParabola, "PWX") {}

    void choose(forms::OptionButton& option) {
        family().cmdCancel_PWX_Click();
        option.click();
    }
    void type(const std::string& s, const std::string& x0 = "", const std::string& y0 = "") {
        family().txt2p.setText(s);
        family().txtX0_PWX.setText(x0);
        family().txtY0_PWX.setText(y0);
    }
    void general(const std::string& a, const std::string& b, const std::string& c) {
        choose(family().optAx2_PWX);
        type(a, b, c);
    }
    std::pair<std::string, std::string> range() {
        return {family().txtXmin_PWX.text(), family().txtXmax_PWX.text()};
    }
    void setRange(const std::string& from, const std::string& to) {
        family().txtXmin_PWX.setText(from);
        family().txtXmax_PWX.setText(to);
    }
    void ok() { family().cmdOK_PWX.click(); }
    // Preview items drawn as one line from a to b.
    bool drawnLine(std::size_t from, double x1, double y1, double x2, double y2) const {
        for (const auto& i : itemsFrom(from))
            if (i.type == forms::DrawItem::Type::Line && std::fabs(i.x1 - x1) < 1e-9 &&
                std::fabs(i.y1 - y1) < 1e-9 && std::fabs(i.x2 - x2) < 1e-9 && std::fabs(i.y2 - y2) < 1e-9)
                return true;
        return false;
    }
    bool drawnCircle(std::size_t from, double x, double y) const {
        for (const auto& i : itemsFrom(from))
            if (i.type == forms::DrawItem::Type::Circle && std::fabs(i.x1 - x) < 1e-9 &&
                std::fabs(i.y1 - y) < 1e-9)
                return true;
        return false;
    }
};

using Range = std::pair<std::string, std::string>;

TEST_F(ParabolaTest, TheStandardFormsProposeWholeUnitsThatFitTheFrame) {
    choose(family().opt2px);
    EXPECT_EQ(range(), (Range{"0", " 5"}));
    type("4");
    EXPECT_EQ(range(), (Range{"0", " 5"}));
    type("10");
    EXPECT_EQ(range(), (Range{"0", " 2"}));
    choose(family().opt_2px);
    type("10");
    EXPECT_EQ(range(), (Range{"-2", "0"}));
    choose(family().opt2py);
    type("2");
    EXPECT_EQ(range(), (Range{"-3", " 3"}));
}

TEST_F(ParabolaTest, TheGeneralQuadraticIsKeptAsItsVertexForm) {
    general("1", "-2", "-3");
    EXPECT_EQ(range(), (Range{"-2", " 4"}));
    family().chkFocus_PWX.setValue(1);
    family().chkDirectrix_PWX.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ok();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(g->CurveExtents.cyMin, -4);
    EXPECT_EQ(g->CurveExtents.cyMax, 5);
    EXPECT_TRUE(drawnCircle(before, 1, -3.75));
    EXPECT_TRUE(drawnLine(before, -2, -4.25, 4, -4.25));
    const ParabolaRecord& r = family().records.get(0);
    EXPECT_EQ(r.s, 1);
    EXPECT_EQ(r.x0, 1);
    EXPECT_EQ(r.y0, -4);
    EXPECT_EQ(r.opening, "y");
    EXPECT_EQ(g->List1.items().back(), "抛物线(PWX)  0");
}

TEST_F(ParabolaTest, ADownwardQuadraticOpensTheOtherWayWithAPositiveParameter) {
    general("-0.5", "0", "2");
    family().chkFocus_PWX.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kOutOfFrameQuestion});
    const ParabolaRecord& r = family().records.get(0);
    EXPECT_EQ(r.s, 2);
    EXPECT_EQ(r.opening, "-y");
    EXPECT_TRUE(drawnCircle(before, 0, 1.5));
    insertItemsOnly();
    auto focus = shape("抛物线焦点");
    ASSERT_NE(focus, nullptr);
    EXPECT_FLOAT_EQ(focus->left, X(0) - 1.2f);
    EXPECT_FLOAT_EQ(focus->top, Y(1.5) - 1.2f);
}

TEST_F(ParabolaTest, AnAxisOnTheCoordinateAxisIsDrawnInThePreviewOnly) {
    general("2", "0", "0");
    family().chkAxis_PWX.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ok();
    EXPECT_TRUE(drawnLine(before, 0, -5 + 10.0 / 31, 0, -5 + 20.0 / 31));
    EXPECT_EQ(family().records.get(0).axis, -1);
    insertItemsOnly();
    EXPECT_EQ(labels(), std::vector<std::string>{"抛物线"});
    EXPECT_EQ(shape("抛物线")->line.dashStyle, office::dash::Solid);
}

TEST_F(ParabolaTest, RangesAndParametersWithoutACurveAreRefused) {
    choose(family().opt2px);
    type("4");
    setRange("-1", "5");
    ok();
    choose(family().opt_2px0);
    type("4", "1", "0");
    EXPECT_EQ(range(), (Range{"-5", " 1"}));
    setRange("-5", "2");
    ok();
    choose(family().opt2px);
    type("-4");
    ok();
    choose(family().opt2py);
    type("0");
    ok();
    general("1", "0", "0");
    setRange("3", "3");
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(5, kRangeErrorMessage));
    g->EquationFormKey = "Bx";
    ok();
    EXPECT_EQ(dialogs.shown().back(), kNoFormMessage);
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(family().counter, 0);
}

TEST_F(ParabolaTest, ATranslatedParabolaWithEveryOptionReachesPastItsEndsOnTheSlide) {
    choose(family().opt2px0);
    type("4", "1", "1");
    EXPECT_EQ(range(), (Range{" 1", " 5"}));
    family().chkFocus_PWX.setValue(1);
    family().chkDirectrix_PWX.setValue(1);
    family().chkAxis_PWX.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ok();
    EXPECT_EQ(g->CurveExtents.cyMin, -3);
    EXPECT_EQ(g->CurveExtents.cyMax, 5);
    EXPECT_TRUE(drawnCircle(before, 2, 1));
    EXPECT_TRUE(drawnLine(before, 0, -3, 0, 5));
    EXPECT_TRUE(drawnLine(before, -5 + 10.0 / 31, 1, -5 + 20.0 / 31, 1));
    insertItemsOnly();
    EXPECT_EQ(labels(), (std::vector<std::string>{"抛物线", "抛物线焦点", "抛物线准线", "抛物线对称轴"}));
    auto axis = shape("抛物线对称轴");
    EXPECT_FLOAT_EQ(axis->begin.x, X(-1));
    EXPECT_FLOAT_EQ(axis->begin.y, Y(1));
    EXPECT_FLOAT_EQ(axis->end.x, X(7));
    EXPECT_EQ(axis->line.dashStyle, office::dash::Dash);
    auto directrix = shape("抛物线准线");
    EXPECT_FLOAT_EQ(directrix->begin.x, X(0));
    EXPECT_FLOAT_EQ(directrix->begin.y, Y(-3));
    EXPECT_FLOAT_EQ(directrix->end.y, Y(5));
    auto curve = shape("抛物线");
    EXPECT_FLOAT_EQ(curve->points.front().x, X(5));
    EXPECT_FLOAT_EQ(curve->points.front().y, Y(-3));
    EXPECT_EQ(g->CurveExtents.cyMin, -3);
}

TEST_F(ParabolaTest, TheCurveEndsOnTheUnroundedPointAtTheRangeEnd) {
    choose(family().opt2py);
    type("4");
    setRange("-4.5", "4.47");
    ok();
    const ParabolaRecord& r = family().records.get(0);
    EXPECT_EQ(r.opening, "y");
    insertItemsOnly();
    const auto& rows = shape("抛物线")->points;
    ASSERT_EQ(rows.size(), 181u);
    EXPECT_FLOAT_EQ(rows[0].x, X(-4.5));
    EXPECT_FLOAT_EQ(rows[0].y, Y(5.06));  // 5.0625 rounded
    EXPECT_FLOAT_EQ(rows[179].x, X(4.45));
    EXPECT_FLOAT_EQ(rows[180].x, X(4.47));
    EXPECT_FLOAT_EQ(rows[180].y, Y(4.47 * 4.47 / 4));
    EXPECT_EQ(g->CurveExtents.cxMax, 4.47);
}

TEST_F(ParabolaTest, DeletingAGeneralItemReplaysItAsTheTranslatedForm) {
    general("1", "-2", "-3");
    family().chkFocus_PWX.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ok();
    const auto drawn = itemsFrom(before);
    choose(family().opt2px);
    const std::size_t erased = g->Picture1.items().size();
    selectEntry("抛物线(PWX)  0");
    g->cmdResult.click();
    EXPECT_TRUE(family().opt2py0.value());
    EXPECT_EQ(g->EquationFormKey, "2py0");
    EXPECT_EQ(family().txt2p.text(), " 1");
    EXPECT_EQ(family().txtX0_PWX.text(), " 1");
    EXPECT_EQ(family().txtY0_PWX.text(), "-4");
    EXPECT_EQ(range(), (Range{"-2", " 4"}));
    EXPECT_EQ(family().chkFocus_PWX.value(), 1);
    const auto replay = itemsFrom(erased);
    ASSERT_EQ(replay.size(), drawn.size());
    for (std::size_t i = 0; i < replay.size(); ++i) {
        EXPECT_EQ(replay[i].color, common::kWhite);
        EXPECT_DOUBLE_EQ(replay[i].y1, drawn[i].y1);
    }
    EXPECT_EQ(replay.back().fillColor, common::kWhite);
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{kAxesEntry});
    EXPECT_EQ(family().counter, 1);
}

TEST_F(ParabolaTest, DeletionAfterAnotherTabChoseItsFormStillReplaysTheParabola) {
    choose(family().opt2py0);
    type("2", "1", "1");
    ok();
    g->SSTab1.setTab(kTabHyperbola);  // writes the hyperbola's form; opt2py0 stays chosen
    g->SSTab1.setTab(kTabResults);
    const std::size_t erased = g->Picture1.items().size();
    selectEntry("抛物线(PWX)  0");
    g->cmdResult.click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(g->EquationFormKey, "2py0");
    ASSERT_GT(g->Picture1.items().size(), erased);
    EXPECT_EQ(g->Picture1.items().back().color, common::kWhite);
}

TEST_F(ParabolaTest, ACurveThatNeverFitsEndsTheSearchWithTheWidestRangeTried) {
    general("1", "-2", "10");
    EXPECT_EQ(range(), (Range{"-3", " 5"}));
    choose(family().opt2px0);
    type("4", "0", "10");
    EXPECT_EQ(range(), (Range{" 0", " 5"}));
    choose(family().opt2py);
    type("0.1");
    EXPECT_EQ(range(), (Range{"-5", " 5"}));
}

TEST_F(ParabolaTest, EachFormShowsItsBoxesAndTheStandardFormsDropTheAxis) {
    choose(family().opt2px0);
    family().chkAxis_PWX.setValue(1);
    EXPECT_TRUE(family().txtX0_PWX.visible());
    EXPECT_TRUE(family().imgPWX[2].visible());
    family().opt_2py.click();
    EXPECT_FALSE(family().opt2px0.value());
    EXPECT_FALSE(family().chkAxis_PWX.visible());
    EXPECT_EQ(family().chkAxis_PWX.value(), 0);
    EXPECT_FALSE(family().txtY0_PWX.visible());
    EXPECT_EQ(g->EquationFormKey, "-2py");
    family().optAx2_PWX.click();
    EXPECT_FALSE(family().imgPWX[0].visible());
    EXPECT_TRUE(family().imgPWX[3].visible());
    EXPECT_TRUE(family().imgPWX[5].visible());
    EXPECT_EQ(range(), (Range{"-5", " 5"}));
}

TEST_F(ParabolaTest, NumbersTooLargeToDrawAreRefusedAndHugeRangesStillEnd) {
    choose(family().opt2px);
    type("1E300");
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kRangeErrorMessage});
    choose(family().opt2py);
    type("2");
    // x = 1e6 puts the curve 2.5e11 units up, far past the slide's edge.
    setRange("-1000000", "1000000");
    ok();
    EXPECT_EQ(dialogs.shown().back(), kTooLargeMessage);
    EXPECT_EQ(g->List1.items().size(), 1u);
    setRange("-1000", "1000");
    const std::size_t before = g->Picture1.items().size();
    ok();
    EXPECT_EQ(g->List1.items().size(), 2u);
    // Only the stretch over the canvas is traced.
    EXPECT_LT(g->Picture1.items().size() - before, 1100u);
    EXPECT_EQ(family().records.get(0).xTo, 1000);
}

}  // namespace
