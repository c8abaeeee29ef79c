// Exponential and logarithmic tabs: suggested ranges, the checks and their messages,
// the records and list entries, resets, and deletion by replay.
#include "curve_tab_fixture.h"
#include "quillon4ppt/graph/curves/exponential.h"
#include "quillon4ppt/graph/curves/logarithm.h"

using namespace graph;

namespace {

struct ExponentialTest : CurveTabFixture<ExponentialFamily> {
    ExponentialTest() : CurveTabFixture(kTabExponential, "AX") {}
    void type(const std::string& a, const std::string& h = "0", const std::string& k = "0") {
        family().txtA_Exponent[1].setText(h);
        family().txtA_Exponent[2].setText(k);
        family().txtA_Exponent[0].setText(a);
    }
    Range suggested() { return range(family().txtXmin_Exponent, family().txtXmax_Exponent); }
    void draw(const std::string& from, const std::string& to) {
        family().txtXmin_Exponent.setText(from);
        family().txtXmax_Exponent.setText(to);
        family().cmdOK_Exponent.click();
    }
};

TEST_F(ExponentialTest, TheRangeStartsAboveTheAsymptoteAndStopsBelowTheTop) {
    type("2");
    EXPECT_EQ(suggested(), (Range{"-3.3", " 2.3"}));
    type("0.5");
    EXPECT_EQ(suggested(), (Range{"-2.3", " 3.3"}));
    // Shifted up by 1, 2^x + 1 meets the top at x = 2.
    type("2", "0", "1");
    EXPECT_EQ(suggested(), (Range{"-3.3", " 1.9"}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(ExponentialTest, ACurveThatNeverComesBelowTheTopGetsTheFramesRange) {
    type("2", "0", "5");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    type("0.5", "0", "7");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    // Shifted so far right that it never rises 0.1 inside the frame.
    type("2", "-100", "0");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
}

TEST_F(ExponentialTest, BadBasesSuggestNothingAndDrawNothing) {
    for (const char* a : {"1", "0", "-2", "abc"}) {
        family().cmdCancel_Exponent.click();
        type(a);
        EXPECT_EQ(suggested(), (Range{"", ""})) << a;
        draw("-1", "1");
    }
    family().cmdCancel_Exponent.click();
    draw("-1", "1");
    EXPECT_EQ(shown(), std::vector<std::string>(5, kRangeErrorMessage));
    EXPECT_EQ(listed().size(), 1u);
    EXPECT_EQ(family().counter, 0);
}

TEST_F(ExponentialTest, DrawingStoresTheItemAndListsIt) {
    type("2", "1", "-1");
    const std::size_t before = g->Picture1.items().size();
    draw("-3", "1");
    ASSERT_EQ(listed().back(), "指数函数(AX)  0");
    const ExpRecord& r = family().records.get(0);
    EXPECT_EQ(std::vector<double>({r.a, r.h, r.k, r.xFrom, r.xTo}), std::vector<double>({2, 1, -1, -3, 1}));
    EXPECT_EQ(r.look.weight, 2);
    EXPECT_EQ(r.look.style, 1);
    // 2^(x+1) - 1 runs from -0.75 to 3 inside the frame: no question.
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(drawnBetween(-3, 1, before));
    EXPECT_FALSE(drawnBetween(1.02, 5, before));
}

TEST_F(ExponentialTest, TheShiftsCountWhenTheCurveLeavesTheFrame) {
    type("2", "0", "3");
    dialogs.queueAnswer(forms::Answer::Cancel);
    draw("-3.3", "2.3");
    EXPECT_EQ(shown(), std::vector<std::string>{kOutOfFrameQuestion});
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(ExponentialTest, RangesThatEndBeforeTheyStartOrOverflowAreRefused) {
    type("2");
    draw("3", "1");
    draw("1", "1");
    draw("0", "2000");
    EXPECT_EQ(shown(), std::vector<std::string>(3, kRangeErrorMessage));
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(ExponentialTest, ValuesPastTheSlideOrTheSamplerAreRefusedBeforeAnythingIsDrawn) {
    const std::size_t before = g->Picture1.items().size();
    type("10");
    draw("0", "9");
    type("2", "0", "1e10");
    draw("-2", "2");
    EXPECT_EQ(shown(), std::vector<std::string>(2, kTooLargeMessage));
    // Half a million units and more would stop part-way on the slide.
    type("1.000001");
    draw("-300000", "300000");
    EXPECT_EQ(shown().back(), kRangeErrorMessage);
    EXPECT_EQ(g->Picture1.items().size(), before);
    EXPECT_EQ(listed().size(), 1u);
    // What the slide holds is drawn.
    dialogs.queueAnswer(forms::Answer::Ok);
    type("10");
    draw("0", "5");
    EXPECT_EQ(listed().size(), 2u);
}

TEST_F(ExponentialTest, TheResetKeepsTheShiftsAndSelectingTheTabResets) {
    type("2", "1", "2");
    family().cmdCancel_Exponent.click();
    EXPECT_EQ(family().txtA_Exponent[0].text(), "");
    EXPECT_EQ(family().txtA_Exponent[1].text(), "1");
    EXPECT_EQ(suggested(), (Range{"", ""}));
    type("3");
    g->SSTab1.setTab(kTabResults);
    g->SSTab1.setTab(kTabExponential);
    EXPECT_EQ(family().txtA_Exponent[0].text(), "");
}

TEST_F(ExponentialTest, DeletionRedrawsTheStoredCurveInTheCanvasColour) {
    type("2");
    draw("-2", "1");
    type("3");
    draw("-1", "1");
    g->Combo1.setText("3");
    selectEntry("指数函数(AX)  0");
    const std::size_t before = g->Picture1.items().size();
    g->cmdResult.click();
    const auto erased = lines(before);
    ASSERT_FALSE(erased.empty());
    for (const auto& l : erased) {
        EXPECT_EQ(l.color, common::kWhite);
        EXPECT_NEAR(l.y1, std::pow(2, l.x1), 1e-9);
    }
    EXPECT_GE(erased.front().x1, -2 - 1e-9);
    EXPECT_EQ(listed(), (std::vector<std::string>{kAxesEntry, "指数函数(AX)  1"}));
    EXPECT_EQ(family().counter, 2);
    EXPECT_EQ(g->Combo1.text(), "3");
    EXPECT_EQ(g->lineColor(), common::kBlack);
}

struct LogarithmTest : CurveTabFixture<LogarithmFamily> {
    LogarithmTest() : CurveTabFixture(kTabLogarithm, "LogX") {}
    Range suggested() { return range(family().txtXmin_Log, family().txtXmax_Log); }
    void draw(const std::string& a, const std::string& from, const std::string& to) {
        family().txtA_log.setText(a);
        family().txtXmin_Log.setText(from);
        family().txtXmax_Log.setText(to);
        family().cmdOK_log.click();
    }
    const LogRecord& last() { return family().records.get(family().counter - 1); }
};

TEST_F(LogarithmTest, TheRangeStartsAtAFiftiethOfTheFrameAndStaysWithinItsHeight) {
    family().txtA_log.setText("2");
    EXPECT_EQ(suggested(), (Range{"0.10", " 5"}));
    family().txtA_log.setText("1.2");
    EXPECT_EQ(suggested(), (Range{"0.10", " 2"}));
    family().txtA_log.setText("0.8");
    EXPECT_EQ(suggested(), (Range{"0.10", " 3"}));
    family().optLogAbsX.click();
    family().txtA_log.setText("2");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    family().optAbsLogX.click();
    family().txtA_log.setText("1.2");
    EXPECT_EQ(suggested(), (Range{"0.10", " 2"}));
    EXPECT_EQ(g->EquationFormKey, "AbsLogX");
}

TEST_F(LogarithmTest, AFrameWithoutTheHeightOfLogOneKeepsItsWidestRange) {
    // Moved down so that y runs from -11 to -1: log_a 1 = 0 lies above it.
    g->frame.yMin = -11, g->frame.yMax = -1;
    family().txtA_log.setText("2");
    EXPECT_EQ(suggested(), (Range{"0.10", " 5"}));
    family().optAbsLogX.click();
    family().txtA_log.setText("2.0");
    EXPECT_EQ(suggested(), (Range{"0.10", " 5"}));
    family().optLogAbsX.click();
    family().txtA_log.setText("2");
    EXPECT_EQ(suggested(), (Range{"-5", " 5"}));
    EXPECT_TRUE(shown().empty());
}

TEST_F(LogarithmTest, ChoosingAFormKeepsTheRangeTheTeacherTyped) {
    family().txtA_log.setText("2");
    family().txtXmin_Log.setText("1");
    family().txtXmax_Log.setText("3");
    family().optLogAbsX.click();
    EXPECT_EQ(suggested(), (Range{"1", "3"}));
    family().optAbsLogX.click();
    EXPECT_EQ(suggested(), (Range{"1", "3"}));
    EXPECT_EQ(g->EquationFormKey, "AbsLogX");
}

// The slide at 27 points a unit ends near 7.9e7 units from the origin.
TEST_F(LogarithmTest, ValuesPastTheSlideAreRefusedBeforeAnythingIsDrawn) {
    const std::size_t before = g->Picture1.items().size();
    draw("1.000000001", "0.5", "4");
    EXPECT_EQ(shown(), std::vector<std::string>{kTooLargeMessage});
    EXPECT_EQ(g->Picture1.items().size(), before);
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(LogarithmTest, ABoundOfZeroIsDrawnAndStoredWhereTheCurveStops) {
    dialogs.queueAnswer(forms::Answer::Ok);
    draw("2", "0", "5");
    ASSERT_EQ(listed().back(), "对数函数(LogX)  0");
    EXPECT_EQ(last().xFrom, 0.01);
    EXPECT_EQ(last().xTo, 5);
    EXPECT_EQ(last().form, kLogX);
    // log_2 0.01 is below -6: the question is asked on the value at 0.01.
    EXPECT_EQ(shown(), std::vector<std::string>{kOutOfFrameQuestion});
}

TEST_F(LogarithmTest, LogOfAbsoluteXLeavesAGapAroundTheAxis) {
    family().optLogAbsX.click();
    const std::size_t before = g->Picture1.items().size();
    draw("2", "-5", "5");
    EXPECT_TRUE(drawnBetween(-5, -0.1, before));
    EXPECT_TRUE(drawnBetween(0.1, 5, before));
    EXPECT_FALSE(drawnBetween(-0.0999, 0.0999, before));
    EXPECT_EQ(last().form, kLogAbsX);
    // The left branch alone ends 0.01 short of 0.
    draw("2", "-5", "0");
    EXPECT_EQ(last().xTo, -0.01);
    EXPECT_EQ(listed().size(), 3u);
}

TEST_F(LogarithmTest, TheQuestionLooksAtBothBranchesWhateverTheBase) {
    family().optLogAbsX.click();
    // log_0.9 0.1 is near 22: the branches rise far above the frame next to the gap.
    dialogs.queueAnswer(forms::Answer::Cancel);
    draw("0.9", "-5", "5");
    EXPECT_EQ(shown(), std::vector<std::string>{kOutOfFrameQuestion});
    EXPECT_EQ(listed().size(), 1u);
    draw("0.2", "-5", "5");
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(listed().back(), "对数函数(LogX)  0");
}

TEST_F(LogarithmTest, RangesTheCurveCannotBeDrawnOverAreRefused) {
    draw("2", "-1", "5");
    draw("2", "0", "0");
    draw("3", "2", "1");
    family().optAbsLogX.click();
    draw("2", "1", "-5");
    family().optLogAbsX.click();
    draw("2", "-0.05", "5");
    draw("2", "-5", "0.1");
    draw("2", "-0.005", "0");
    draw("1", "1", "2");
    draw("", "1", "2");
    EXPECT_EQ(shown(), std::vector<std::string>(9, kRangeErrorMessage));
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(LogarithmTest, LeavingTheEndBoxChecksTheOrder) {
    family().txtXmin_Log.setText("3");
    family().txtXmax_Log.setText("1");
    family().txtXmax_Log.leave();
    EXPECT_EQ(shown(), std::vector<std::string>{kRangeOrderMessage});
    EXPECT_EQ(family().txtXmax_Log.text(), "");
    family().txtXmax_Log.setText("4");
    family().txtXmax_Log.leave();
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(LogarithmTest, TheResetChoosesLogXAndEmptiesTheBoxes) {
    family().optAbsLogX.click();
    family().txtA_log.setText("3");
    family().cmdCancel_log.click();
    EXPECT_TRUE(family().optLogX.value());
    EXPECT_FALSE(family().optAbsLogX.value());
    EXPECT_EQ(g->EquationFormKey, "LogX");
    EXPECT_EQ(suggested(), (Range{"", ""}));
    EXPECT_EQ(family().txtA_log.text(), "");
}

TEST_F(LogarithmTest, DeletionReplaysTheStoredFormEvenAfterAnotherWasChosen) {
    family().optLogAbsX.click();
    draw("2", "-4", "3");
    family().optLogX.click();
    selectEntry("对数函数(LogX)  0");
    const std::size_t before = g->Picture1.items().size();
    g->cmdResult.click();
    EXPECT_TRUE(drawnBetween(-4, -0.1, before, common::kWhite));
    EXPECT_TRUE(drawnBetween(0.1, 3, before, common::kWhite));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(listed().size(), 1u);
    EXPECT_EQ(g->EquationFormKey, "LogAbsX");
}

}  // namespace
