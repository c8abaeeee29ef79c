// Hyperbolas: the proposed range, the draw action's checks, the preview, deletion
// by replay and the shapes on the slide.
#include "quillon4ppt/graph/conics/hyperbolas.h"

#include <cmath>

#include "hyperbolas_parabolas_fixture.h"

using namespace graph;

namespace {

struct HyperbolaTest : ConicFixture<HyperbolaFamily> {
    HyperbolaTest() : ConicFixture(kTabHyperbola, "SQX") {}

    void standard(bool sideways, const std::string& a2, const std::string& b2) {
        family().cmdCancel_SQX_Click();
        (sideways ? family().optBx_SQX : family().optBy_SQX).click();
        family().txtA2_SQX.setText(a2);
        family().txtB2_SQX.setText(b2);
    }
    void translated(bool sideways, const std::string& a2, const std::string& b2, const std::string& x0,
                    const std::string& y0) {
        family().cmdCancel_SQX_Click();
        (sideways ? family().optPYx_SQX : family().optPYy_SQX).click();
        family().txtA2_SQX.setText(a2);
        family().txtB2_SQX.setText(b2);
        family().txtX0_SQX.setText(x0);
        family().txtY0_SQX.setText(y0);
    }
    void general(const std::string& A, const std::string& B, const std::string& D, const std::string& E,
                 const std::string& F) {
        family().cmdCancel_SQX_Click();
        family().optGeneral_SQX.click();
        family().txtA2_SQX.setText(A);
        family().txtB2_SQX.setText(B);
        family().txtX0_SQX.setText(D);
        family().txtY0_SQX.setText(E);
        family().txtF_SQX.setText(F);
    }
    std::pair<std::string, std::string> range() {
        return {family().txtXmin_SQX.text(), family().txtXmax_SQX.text()};
    }
    void checkAll() {
        for (auto* c : {&family().chkFocus_SQX, &family().chkDirectrix_SQX, &family().chkJJX_SQX,
                        &family().chkAxis_SQX})
            c->setValue(1);
    }
    void ok() { family().cmdOK_SQX.click(); }
};

using Range = std::pair<std::string, std::string>;

TEST_F(HyperbolaTest, TheProposalShrinksTheRangeUntilTheBranchEndsFitTheFrame) {
    standard(true, "4", "1");
    EXPECT_EQ(range(), (Range{"-5", " 5"}));
    standard(true, "1", "4");
    EXPECT_EQ(range(), (Range{"-2", " 2"}));
    standard(false, "1", "1");
    EXPECT_EQ(range(), (Range{"-4", " 4"}));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(HyperbolaTest, ABranchThatNeverFitsEndsTheSearchWithTheWidestRangeTried) {
    // The centre lies above the frame: no branch end ever comes down into it.
    translated(true, "1", "1", "2", "10");
    EXPECT_EQ(range(), (Range{"-1", " 5"}));
    // Opening up and down with a = 6: the branches never come nearer than 6.
    translated(false, "36", "1", "2", "0");
    EXPECT_EQ(range(), (Range{"-1", " 5"}));
}

TEST_F(HyperbolaTest, TypingReportsNegativeSquaresAndIgnoresZero) {
    standard(true, "0", "1");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(range(), (Range{"", ""}));
    standard(true, "-4", "1");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kRangeErrorMessage});
}

TEST_F(HyperbolaTest, TheGeneralFormFindsCentreAndSquaresFromK) {
    auto h = deriveHyperbola(HyperbolaForm::General, {1, -1, 0, 0, -1});
    ASSERT_TRUE(h);
    EXPECT_TRUE(h->horizontal);
    EXPECT_EQ(h->a2, 1);
    EXPECT_EQ(h->b2, 1);
    EXPECT_EQ(h->cx, 0);
    EXPECT_EQ(h->cy, 0);
    // -x² + 4y² - 8y = 0: K = 4 and K/A < 0, so it opens up and down with a2 = K/B.
    auto shifted = deriveHyperbola(HyperbolaForm::General, {-1, 4, 0, -8, 0});
    ASSERT_TRUE(shifted);
    EXPECT_FALSE(shifted->horizontal);
    EXPECT_EQ(shifted->cy, 1);
    EXPECT_EQ(shifted->a2, 1);
    EXPECT_EQ(shifted->b2, 4);
}

TEST_F(HyperbolaTest, TheGeneralEquationIsDrawnLikeTheStandardOne) {
    general("1", "-1", "0", "0", "-1");
    EXPECT_EQ(range(), (Range{"-5", " 5"}));
    ok();
    const HyperbolaRecord& r = family().records.get(0);
    EXPECT_EQ(r.a2, 1);
    EXPECT_EQ(r.b2, 1);
    EXPECT_EQ(r.horizontal, -1);
    EXPECT_EQ(g->List1.items().back(), "双曲线(SQX)  0");
}

TEST_F(HyperbolaTest, SquaresOfTheSameSignOrTwoCrossingLinesAreRefused) {
    general("1", "1", "0", "0", "-1");
    // Typing B, E and F each ran the proposal.
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(3, kRangeErrorMessage));
    family().txtXmin_SQX.setText("-3");
    family().txtXmax_SQX.setText("3");
    ok();
    general("1", "-1", "0", "0", "0");  // x² - y² = 0
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(5, kRangeErrorMessage));
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(family().counter, 0);
}

TEST_F(HyperbolaTest, ARangeEndingBetweenTheVerticesIsRefused) {
    standard(true, "4", "1");
    family().txtXmax_SQX.setText("1");
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kRangeErrorMessage});
    EXPECT_EQ(g->List1.items().size(), 1u);
}

TEST_F(HyperbolaTest, ARangeEndingAtTheVerticesGivesCurvesThatStayThere) {
    standard(true, "4", "1");
    family().txtXmax_SQX.setText("2");
    ok();
    insertItemsOnly();
    for (const char* label : {"双曲线左支", "双曲线右支"}) {
        auto branch = shape(label);
        ASSERT_NE(branch, nullptr);
        const float vertex = std::string(label) == "双曲线左支" ? X(-2) : X(2);
        for (const auto& row : branch->points) {  // none at the slide's corner
            EXPECT_FLOAT_EQ(row.x, vertex);
            EXPECT_FLOAT_EQ(row.y, Y(0));
        }
    }
}

TEST_F(HyperbolaTest, OpeningSidewaysTracesBothBranchesOverTheHeightOfTheRangeEnd) {
    standard(true, "4", "1");
    const std::size_t before = g->Picture1.items().size();
    ok();
    const double end = std::sqrt(25.0 / 4 - 1);
    auto drawn = itemsFrom(before);
    ASSERT_FALSE(drawn.empty());
    EXPECT_DOUBLE_EQ(drawn.front().y1, -end);
    EXPECT_NEAR(drawn.front().x1, 5, 1e-12);  // the right branch first
    EXPECT_LE(drawn.back().y2, end);
    EXPECT_NEAR(drawn.back().x2, -5, 0.05);
    const HyperbolaRecord& r = family().records.get(0);
    EXPECT_DOUBLE_EQ(r.tFrom, -end);
    EXPECT_DOUBLE_EQ(r.tTo, end);
    EXPECT_EQ(r.xFrom, -5);
    EXPECT_EQ(r.xTo, 5);
}

TEST_F(HyperbolaTest, OpeningUpAndDownTracesOverTheRangeAndShowsBothHalves) {
    standard(false, "1", "1");
    const std::size_t before = g->Picture1.items().size();
    ok();
    auto drawn = itemsFrom(before);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front().x1, -4);
    EXPECT_DOUBLE_EQ(drawn.front().y1, std::sqrt(17.0));
    const HyperbolaRecord& r = family().records.get(0);
    EXPECT_EQ(r.tFrom, -4);
    EXPECT_EQ(r.tTo, 4);
    EXPECT_EQ(r.horizontal, 0);
    insertItemsOnly();
    EXPECT_EQ(labels(), (std::vector<std::string>{"双曲线下半支", "双曲线上半支"}));
    auto upper = shape("双曲线上半支");
    EXPECT_FLOAT_EQ(upper->points.front().x, X(-4));
    EXPECT_FLOAT_EQ(upper->points.front().y, Y(4.12));
    // 160 rows end at x = 3.95, before the sampler's rows run out.
    EXPECT_FLOAT_EQ(upper->points.back().x, X(3.95));
    EXPECT_FLOAT_EQ(upper->points.back().y, Y(4.07));
    EXPECT_EQ((upper->points.size() - 1) % 3, 0u);
    EXPECT_FALSE(upper->fill.visible);
}

TEST_F(HyperbolaTest, ATranslatedHyperbolaWithEveryOptionGivesTenShapesInOrder) {
    translated(true, "4", "1", "1", "1");
    EXPECT_EQ(range(), (Range{"-3", " 5"}));
    checkAll();
    ok();
    insertItemsOnly();
    EXPECT_EQ(labels(),
              (std::vector<std::string>{"双曲线左支", "双曲线右支", "左焦点", "右焦点", "左准线", "右准线",
                                        "渐近线", "渐近线", "双曲线对称轴", "双曲线对称轴"}));
    const double c = std::sqrt(5.0), top = 1 + std::sqrt(3.0), bottom = 1 - std::sqrt(3.0);
    auto shapes = allShapes();
    EXPECT_FLOAT_EQ(shapes[2]->left, X(1 - c) - 1.2f);
    EXPECT_FLOAT_EQ(shapes[2]->top, Y(1) - 1.2f);
    EXPECT_TRUE(shapes[2]->fill.visible);
    EXPECT_FLOAT_EQ(shapes[4]->begin.x, X(1 - 4 / c));
    EXPECT_FLOAT_EQ(shapes[4]->begin.y, Y(bottom));
    EXPECT_FLOAT_EQ(shapes[4]->end.y, Y(top));
    // y = 1 + (x - 1)/2 from x = -3 to 5
    EXPECT_FLOAT_EQ(shapes[6]->begin.x, X(-3));
    EXPECT_FLOAT_EQ(shapes[6]->begin.y, Y(-1));
    EXPECT_FLOAT_EQ(shapes[6]->end.y, Y(3));
    EXPECT_FLOAT_EQ(shapes[8]->begin.x, X(1 - 1.5 * c));
    EXPECT_FLOAT_EQ(shapes[8]->end.x, X(1 + 1.5 * c));
    EXPECT_EQ(shapes[8]->line.dashStyle, office::dash::Dash);
    EXPECT_FLOAT_EQ(shapes[9]->begin.y, Y(bottom));
    EXPECT_EQ(shapes[6]->line.dashStyle, office::dash::Solid);
}

TEST_F(HyperbolaTest, AStandardFormNeverCarriesTheAxes) {
    translated(true, "4", "1", "1", "1");
    checkAll();
    standard(false, "1", "1");
    EXPECT_FALSE(family().chkAxis_SQX.visible());
    checkAll();
    const std::size_t before = g->Picture1.items().size();
    ok();
    EXPECT_EQ(family().records.get(0).axes, 0);
    for (const auto& item : itemsFrom(before))  // no dashes of a guide along y = 0
        EXPECT_FALSE(item.y1 == 0 && item.y2 == 0 && std::fabs(item.x2 - item.x1 - 10.0 / 31) < 1e-9);
    insertItemsOnly();
    EXPECT_EQ(labels(),
              (std::vector<std::string>{"双曲线下半支", "双曲线上半支", "双曲线下焦点", "双曲线上焦点",
                                        "双曲线下准线", "双曲线上准线", "渐近线", "渐近线"}));
}

TEST_F(HyperbolaTest, DeletionRedrawsTheAsymptotesInTheCanvasColourOverTheStoredRange) {
    translated(true, "4", "1", "0", "0");
    family().txtXmin_SQX.setText("-4");
    family().txtXmax_SQX.setText("4");
    family().chkJJX_SQX.setValue(1);
    const std::size_t before = g->Picture1.items().size();
    ok();
    const auto drawn = itemsFrom(before);
    family().chkJJX_SQX.setValue(0);
    // A general equation left half typed in the boxes does not disturb the replay.
    family().optGeneral_SQX.click();
    family().txtA2_SQX.setText("1");
    family().txtB2_SQX.setText("-1");
    dialogs.clearShown();
    const std::size_t erased = g->Picture1.items().size();
    selectEntry("双曲线(SQX)  0");
    g->cmdResult.click();
    EXPECT_TRUE(dialogs.shown().empty());
    const auto replay = itemsFrom(erased);
    ASSERT_EQ(replay.size(), drawn.size());
    for (std::size_t i = 0; i < replay.size(); ++i) {
        EXPECT_EQ(replay[i].color, common::kWhite);
        EXPECT_DOUBLE_EQ(replay[i].x1, drawn[i].x1);
        EXPECT_DOUBLE_EQ(replay[i].y2, drawn[i].y2);
    }
    const auto& asymptote = replay.back();
    EXPECT_EQ(asymptote.x1, -4);
    EXPECT_EQ(asymptote.y1, -2);
    EXPECT_EQ(asymptote.x2, 4);
    EXPECT_EQ(asymptote.y2, 2);
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{kAxesEntry});
    EXPECT_EQ(g->lineColor(), common::kBlack);
    EXPECT_EQ(family().counter, 1);
}

TEST_F(HyperbolaTest, DecliningTheOutOfFrameQuestionStoresNothing) {
    standard(true, "1", "4");
    family().txtXmax_SQX.setText("4");
    dialogs.queueAnswer(forms::Answer::Cancel);
    ok();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{kOutOfFrameQuestion});
    EXPECT_EQ(g->List1.items().size(), 1u);
    EXPECT_EQ(family().counter, 0);
}

TEST_F(HyperbolaTest, ResetEmptiesTheBoxesAndChoosesTheFirstForm) {
    translated(false, "4", "1", "1", "1");
    checkAll();
    g->SSTab1.setTab(kTabResults);
    g->SSTab1.setTab(kTabHyperbola);
    EXPECT_TRUE(family().optBx_SQX.value());
    EXPECT_FALSE(family().optPYy_SQX.value());
    EXPECT_EQ(g->EquationFormKey, "Bx");
    EXPECT_EQ(family().txtA2_SQX.text(), "");
    EXPECT_EQ(family().chkJJX_SQX.value(), 0);
    EXPECT_FALSE(family().txtX0_SQX.visible());
    EXPECT_TRUE(family().imgSQX[1].visible());
    EXPECT_FALSE(family().imgSQX[2].visible());
}

}  // namespace
