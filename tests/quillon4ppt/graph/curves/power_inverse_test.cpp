// Power and inverse-proportion tabs: suggested ranges, the root forms on negative x,
// the checks and their messages, the gap around the pole, resets and deletion.
#include "curve_tab_fixture.h"
#include "quillon4ppt/graph/curves/inverse.h"
#include "quillon4ppt/graph/curves/power.h"

using namespace graph;

namespace {

struct PowerTest : CurveTabFixture<PowerFamily> {
    PowerTest() : CurveTabFixture(kTabPower, "MI") {}
    Range suggested() { return range(family().txtXmin_Power, family().txtXmax_Power); }
    void root(const std::string& n, const std::string& m) {
        family().optXmn_Power.click();
        family().txtM_Power.setText(m);
        family().txtN_Power.setText(n);
    }
    void draw(const std::string& from, const std::string& to) {
        family().txtXmin_Power.setText(from);
        family().txtXmax_Power.setText(to);
        family().cmdOK_Pwoer.click();
    }
};

TEST_F(PowerTest, WholePowersFitTheFramesHeight) {
    family().txtN_Power.setText("2");
    EXPECT_EQ(suggested(), (Range{"-2.2", " 2.2"}));
    family().txtN_Power.setText("3");
    EXPECT_EQ(suggested(), (Range{"-1.7", " 1.7"}));
    family().txtN_Power.setText("0");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    // A pole at 0: the right branch from where it enters the frame.
    family().txtN_Power.setText("-1");
    EXPECT_EQ(suggested(), (Range{" 0.2", " 5"}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(PowerTest, RootFormsFollowTheReducedFraction) {
    root("1", "2");
    EXPECT_EQ(suggested(), (Range{" 0", " 5"}));
    root("2", "6");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    root("3", "2");
    EXPECT_EQ(suggested(), (Range{" 0", " 2.9"}));
    root("4", "2");
    EXPECT_EQ(suggested(), (Range{"-2.2", " 2.2"}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(PowerTest, FramesWithoutZeroOrHeightGetTheirOwnRange) {
    // x from 2 to 12: no x = 0 to be symmetric about.
    g->frame.xMin = 2, g->frame.xMax = 12;
    family().txtN_Power.setText("2");
    EXPECT_EQ(suggested(), (Range{" 2", " 12"}));
    // y from -11 to -1: x^4 never comes down into it.
    g->frame.xMin = -5, g->frame.xMax = 5;
    g->frame.yMin = -11, g->frame.yMax = -1;
    family().txtN_Power.setText("4");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    root("1", "2");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(PowerTest, BadPowersAndRootIndicesShowTheRangeMessage) {
    family().txtN_Power.setText("1.5");
    family().cmdCancel_Power.click();
    root("1", "0.5");
    family().txtM_Power.setText("0");
    draw("1", "2");
    EXPECT_EQ(shown(), std::vector<std::string>(4, kRangeErrorMessage));
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(PowerTest, EvenRootsOfNegativeNumbersAndPolesInTheRangeAreRefused) {
    root("1", "2");
    draw("-5", "5");
    draw("-5", "-1");
    root("-1", "3");
    draw("-2", "2");
    family().optXn_Power.click();
    family().txtN_Power.setText("-2");
    draw("0", "3");
    draw("3", "3");
    EXPECT_EQ(shown(), std::vector<std::string>(5, kRangeErrorMessage));
    EXPECT_EQ(listed().size(), 1u);
    draw("0.5", "3");
    EXPECT_EQ(listed().back(), "幂函数(MI)  0");
}

TEST_F(PowerTest, TheCubeRootIsOddAndTheTwoThirdsPowerEven) {
    root("2", "6");
    std::size_t before = g->Picture1.items().size();
    draw("-5", "5");
    ASSERT_EQ(listed().back(), "幂函数(MI)  0");
    const PowerRecord& r = family().records.get(0);
    EXPECT_EQ(std::vector<int>({r.form, r.n, r.m}), std::vector<int>({kPowerXmn, 2, 6}));
    for (const auto& l : lines(before)) EXPECT_NEAR(l.y1, std::cbrt(l.x1), 1e-9) << l.x1;
    EXPECT_TRUE(drawnBetween(-5, -0.01, before));
    root("2", "3");
    before = g->Picture1.items().size();
    draw("-5", "5");
    for (const auto& l : lines(before)) EXPECT_NEAR(l.y1, std::cbrt(l.x1 * l.x1), 1e-9) << l.x1;
    EXPECT_TRUE(drawnBetween(-5, -0.01, before));
    EXPECT_TRUE(drawnBetween(0.01, 5, before));
    root("1", "2");
    before = g->Picture1.items().size();
    draw("0", "4");
    EXPECT_FALSE(drawnBetween(-5, 0, before));
    EXPECT_TRUE(finite());
}

TEST_F(PowerTest, ExtentsOfNegativePowersAskAboutTheFrame) {
    family().txtN_Power.setText("-1");
    dialogs.queueAnswer(forms::Answer::Cancel);
    draw("0.1", "5");
    EXPECT_EQ(shown(), std::vector<std::string>{kOutOfFrameQuestion});
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(PowerTest, ChoosingAFormKeepsTheRangeTheTeacherTyped) {
    family().txtN_Power.setText("2");
    family().txtM_Power.setText("3");
    family().txtXmin_Power.setText("-1");
    family().txtXmax_Power.setText("4");
    family().optXmn_Power.click();
    EXPECT_EQ(suggested(), (Range{"-1", "4"}));
    family().optXn_Power.click();
    EXPECT_EQ(suggested(), (Range{"-1", "4"}));
    EXPECT_EQ(g->EquationFormKey, "Xn");
}

TEST_F(PowerTest, ValuesPastTheSlideOrTheSamplerAreRefusedBeforeAnythingIsDrawn) {
    const std::size_t before = g->Picture1.items().size();
    family().txtN_Power.setText("12");
    draw("-5", "5");
    EXPECT_EQ(shown(), std::vector<std::string>{kTooLargeMessage});
    family().txtN_Power.setText("1");
    draw("-1e6", "1e6");
    EXPECT_EQ(shown().back(), kRangeErrorMessage);
    EXPECT_EQ(g->Picture1.items().size(), before);
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(PowerTest, TheResetChoosesXnAndHidesTheRootIndex) {
    root("1", "3");
    EXPECT_TRUE(family().txtM_Power.visible());
    g->SSTab1.setTab(kTabResults);
    g->SSTab1.setTab(kTabPower);
    EXPECT_TRUE(family().optXn_Power.value());
    EXPECT_FALSE(family().optXmn_Power.value());
    EXPECT_FALSE(family().txtM_Power.visible());
    EXPECT_FALSE(family().imgM_Power.visible());
    EXPECT_EQ(g->EquationFormKey, "Xn");
    EXPECT_EQ(suggested(), (Range{"", ""}));
    EXPECT_EQ(family().txtN_Power.text(), "");
}

TEST_F(PowerTest, DeletionReplaysTheStoredRootWithoutSuggestingOrAsking) {
    root("1", "3");
    draw("-4", "2");
    family().optXn_Power.click();
    family().txtN_Power.setText("2.5");
    dialogs.clearShown();
    selectEntry("幂函数(MI)  0");
    const std::size_t before = g->Picture1.items().size();
    g->cmdResult.click();
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(drawnBetween(-4, 0, before, common::kWhite));
    EXPECT_TRUE(drawnBetween(0, 2, before, common::kWhite));
    EXPECT_FALSE(drawnBetween(2.02, 5, before, common::kWhite));
    EXPECT_EQ(family().txtXmin_Power.text(), "-4");
    EXPECT_EQ(g->EquationFormKey, "Xmn");
    EXPECT_EQ(listed().size(), 1u);
}

struct InverseTest : CurveTabFixture<InverseFamily> {
    InverseTest() : CurveTabFixture(kTabInverse, "FBLHS") {}
    void draw(const std::string& k, const std::string& from = "-5", const std::string& to = "5") {
        family().txtFBL[0].setText(k);
        family().txtFBL[1].setText(from);
        family().txtFBL[2].setText(to);
        family().cmdOK_FBL[0].click();
    }
    const InverseRecord& last() { return family().records.get(family().counter - 1); }
};

TEST_F(InverseTest, TheGapIsTheFirstHundredthInsideTheFrame) {
    CoordinateFrame frame;
    EXPECT_EQ(InverseGap(1, frame).value_or(-1), 0.20000000000000004);
    EXPECT_NEAR(*InverseGap(2, frame), 0.4, 1e-12);
    EXPECT_NEAR(*InverseGap(-3, frame), 0.6, 1e-12);
    EXPECT_FALSE(InverseGap(100, frame));
    frame.xMin = 2, frame.xMax = 12;
    EXPECT_NEAR(*InverseGap(1, frame), 2, 1e-12);
}

TEST_F(InverseTest, BothBranchesStopAtTheGap) {
    EXPECT_EQ(family().txtFBL[0].text(), "1");
    const std::size_t before = g->Picture1.items().size();
    family().cmdOK_FBL[0].click();
    ASSERT_EQ(listed().back(), "反比例函数(FBLHS)  0");
    EXPECT_EQ(last().xStart, 0.20000000000000004);
    EXPECT_EQ(std::vector<double>({last().k, last().xFrom, last().xTo}), std::vector<double>({1, -5, 5}));
    EXPECT_TRUE(drawnBetween(-5, -0.2, before));
    EXPECT_TRUE(drawnBetween(0.2, 5, before));
    EXPECT_FALSE(drawnBetween(-0.19, 0.19, before));
    for (const auto& l : lines(before)) EXPECT_NEAR(l.y1 * l.x1, 1, 1e-9);
    // A second curve joins the first: no clearing and no question.
    draw("-3");
    EXPECT_NEAR(last().xStart, 0.6, 1e-12);
    EXPECT_EQ(lines(before).front().y1, -0.2);
    EXPECT_TRUE(shown().empty());
}

TEST_F(InverseTest, CurvesOutsideTheFrameAndRangesOnOneSideAreRefused) {
    draw("100");
    draw("1", "0.5", "5");
    draw("1", "-5", "-0.1");
    draw("1", "-0.1", "5");
    draw("1", "5", "-5");
    EXPECT_EQ(shown(), std::vector<std::string>(5, kRangeErrorMessage));
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(InverseTest, TheSecondButtonResetsTheTabAndSelectingTheTabDoesNot) {
    draw("2", "-3", "4");
    g->SSTab1.setTab(kTabResults);
    g->SSTab1.setTab(kTabInverse);
    EXPECT_EQ(family().txtFBL[0].text(), "2");
    g->HScrollx.setValue(1);
    family().cmdOK_FBL[1].click();
    EXPECT_EQ(family().txtFBL[0].text(), "");
    EXPECT_EQ(range(family().txtFBL[1], family().txtFBL[2]), (Range{"-6", " 4"}));
    EXPECT_EQ(listed().size(), 2u);
}

TEST_F(InverseTest, DeletionErasesBothBranches) {
    draw("2", "-3", "4");
    draw("1");
    selectEntry("反比例函数(FBLHS)  0");
    const std::size_t before = g->Picture1.items().size();
    g->cmdResult.click();
    EXPECT_TRUE(drawnBetween(-3, -0.4, before, common::kWhite));
    EXPECT_TRUE(drawnBetween(0.4, 4, before, common::kWhite));
    for (const auto& l : lines(before)) EXPECT_NEAR(l.y1 * l.x1, 2, 1e-9);
    EXPECT_EQ(listed(), (std::vector<std::string>{kAxesEntry, "反比例函数(FBLHS)  1"}));
}

}  // namespace
