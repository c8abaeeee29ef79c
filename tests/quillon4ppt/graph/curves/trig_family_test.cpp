// The trigonometric tab: ranges of the periods and range modes, key points and their
// extremes, tracing, the record, the options, the replay of a deletion and the slide.
#include <cmath>

#include "curve_tab_fixture.h"
#include "quillon4ppt/graph/curves/trig.h"
#include "quillon4ppt/graph/points.h"

using namespace graph;

namespace {

constexpr double kP = 3.14159265358979;

struct TrigTest : CurveTabFixture<TrigFamily> {
    TrigTest() : CurveTabFixture(kTabTrig, "SJ") {}

    TrigFamily& f() { return family(); }
    void params(const std::string& A, const std::string& w, const std::string& phi, const std::string& k) {
        f().txtA_sin.setText(A);
        f().txtW_sin.setText(w);
        f().txtF_sin.setText(phi);
        f().txtK_sin.setText(k);
    }
    std::size_t draw() {
        const std::size_t before = g->Picture1.items().size();
        f().cmdOK_sin.click();
        return before;
    }
    const TrigRecord& record(int i) { return f().records.get(i); }
    const PointRecord& point(int i) { return static_cast<PointFamily&>(*g->family("POINT")).records.get(i); }
    std::vector<std::string> keyLabels(int i) {
        std::vector<std::string> out;
        for (const auto& p : record(i).keyPoints) out.push_back(p.label);
        return out;
    }
    std::vector<std::string> texts(std::size_t from) {
        std::vector<std::string> out;
        for (const auto& item : itemsFrom(from))
            if (item.type == forms::DrawItem::Type::Text) out.push_back(item.text);
        return out;
    }
};

TEST_F(TrigTest, TheDefaultSineHasFourLabelledKeyPointsAndTwoExtremes) {
    EXPECT_TRUE(f().optFS[2].value());
    EXPECT_FALSE(f().txtXmin_SJ.enabled());
    const std::size_t before = draw();
    const TrigRecord& r = record(0);
    ASSERT_EQ(r.pieces.size(), 1u);
    EXPECT_DOUBLE_EQ(r.pieces[0].xFrom, 0);
    EXPECT_NEAR(r.pieces[0].xTo, 2 * kP, 1e-12);
    EXPECT_EQ(keyLabels(0), (std::vector<std::string>{"(@p)/2", "@p", "(3@p)/2", "2@p"}));
    EXPECT_NEAR(r.keyPoints[0].x, kP / 2, 1e-12);
    EXPECT_EQ(texts(before), (std::vector<std::string>{"π", "-", "2", "π", "3π", "-", "2", "2π"}));
    EXPECT_EQ(listed(),
              (std::vector<std::string>{kAxesEntry, "点(POINT)  0", "点(POINT)  1", "三角函数(SJ)  0"}));
    EXPECT_NEAR(point(0).x, kP / 2, 1e-12);
    EXPECT_EQ(point(0).y, 1);
    EXPECT_NEAR(point(1).x, 3 * kP / 2, 1e-12);
    EXPECT_EQ(point(1).y, -1);
    EXPECT_EQ(point(0).showDot, 0);
    EXPECT_EQ(point(0).showXLabel, 0);
    EXPECT_NE(point(0).showYLabel, 0);
    EXPECT_NE(point(0).showGuides, 0);
}

TEST_F(TrigTest, CosineFivePointAndSineSymmetricOverTwoPeriods) {
    f().optType_SJ[1].click();
    draw();
    EXPECT_EQ(keyLabels(0), (std::vector<std::string>{"(@p)/2", "@p", "(3@p)/2", "2@p"}));
    // The minimum at π comes before the maximum at 2π; the maximum at 0 is skipped.
    EXPECT_NEAR(point(0).x, kP, 1e-12);
    EXPECT_EQ(point(0).y, -1);
    EXPECT_NEAR(point(1).x, 2 * kP, 1e-12);
    EXPECT_EQ(point(1).y, 1);

    f().optType_SJ[0].click();
    f().optFS[0].click();
    f().txtXmin_SJ.setText("2");
    draw();
    EXPECT_NEAR(record(1).pieces[0].xFrom, -2 * kP, 1e-12);
    EXPECT_NEAR(record(1).pieces[0].xTo, 2 * kP, 1e-12);
    EXPECT_EQ(keyLabels(1), (std::vector<std::string>{"-2@p", "(-3@p)/2", "-@p", "-(@p)/2", "(@p)/2", "@p",
                                                      "(3@p)/2", "2@p"}));
    EXPECT_EQ(listed().size(), 5u);  // no extreme points outside the five-point mode
}

TEST_F(TrigTest, DegreesGivenStartAndOmega) {
    f().optFW[1].click();
    f().chkHD_SJ.setValue(0);
    f().txtXmin_SJ.setText("0");
    f().txtXmax_SJ.setText("360");
    params("1", "1", "30", "0");
    draw();
    EXPECT_NEAR(record(0).phi, kP / 6, 1e-12);
    EXPECT_NEAR(record(0).pieces[0].xTo, 2 * kP, 1e-12);
    EXPECT_TRUE(record(0).keyPoints.empty());

    // The start is read in radians whatever the angle setting; ω = 2 draws two waves.
    f().optFW[0].click();
    f().optFS[1].click();
    f().txtXmax_SJ.setText("1");
    params("1", "2", "0", "0");
    draw();
    EXPECT_DOUBLE_EQ(record(1).pieces[0].xFrom, 1);
    EXPECT_NEAR(record(1).pieces[0].xTo, 1 + 2 * kP, 1e-12);
}

TEST_F(TrigTest, ParametersPiPhaseAndTheConstantTerm) {
    params("2*pi", "1", "-PI/3", "2*PI");
    draw();
    EXPECT_NEAR(record(0).A, 2 * 3.1415926, 1e-12);
    EXPECT_NEAR(record(0).phi, -3.1415926 / 3, 1e-12);
    EXPECT_EQ(record(0).k, 0);  // k is not normalised: PI is an empty name
    EXPECT_EQ(keyLabels(0).front(), "(@p)/3");

    // φ = 1 labels each key point with its abscissa.
    params("1", "1", "1", "0");
    draw();
    EXPECT_EQ(keyLabels(1)[1], "0.57");
    EXPECT_EQ(keyLabels(1)[2], "2.14");
}

TEST_F(TrigTest, ZeroOmegaIsARangeErrorAndDrawsNothing) {
    params("1", "0", "0", "0");
    const std::size_t before = draw();
    EXPECT_EQ(shown().back(), kRangeErrorMessage);
    EXPECT_TRUE(itemsFrom(before).empty());
    EXPECT_EQ(listed().size(), 1u);
    params("1", "x+", "0", "0");
    draw();
    EXPECT_EQ(shown().size(), 2u);
    // A number of periods beyond 16 bits is refused the same way, not looped over.
    params("1", "1", "0", "0");
    f().optFS[0].click();
    f().txtXmin_SJ.setText("1e9");
    draw();
    EXPECT_EQ(shown().size(), 3u);
    EXPECT_EQ(listed().size(), 1u);
}

TEST_F(TrigTest, WavesPastTheSlideOrTheSamplerAreRefusedBeforeAnythingIsDrawn) {
    params("100000000", "1", "0", "0");
    std::size_t before = draw();
    params("1", "0.000000001", "0", "0");
    draw();
    EXPECT_EQ(shown(), std::vector<std::string>(2, kTooLargeMessage));
    // 600000 radians would stop part-way on the slide.
    f().optFW[1].click();
    f().chkHD_SJ.setValue(1);
    f().txtXmin_SJ.setText("0");
    f().txtXmax_SJ.setText("600000");
    params("1", "1", "0", "0");
    draw();
    EXPECT_EQ(shown().back(), kRangeErrorMessage);
    EXPECT_TRUE(itemsFrom(before).empty());
    EXPECT_EQ(listed().size(), 1u);
}

// The whole value of the box, halves to even: 1.5 is two periods, 0.6 one, 0.4 none.
TEST_F(TrigTest, TheNumberOfPeriodsIsRounded) {
    f().optFS[0].click();
    f().txtXmin_SJ.setText("1.5");
    draw();
    EXPECT_NEAR(record(0).pieces[0].xFrom, -2 * kP, 1e-12);
    EXPECT_NEAR(record(0).pieces[0].xTo, 2 * kP, 1e-12);
    f().txtXmin_SJ.setText("0.6");
    draw();
    EXPECT_NEAR(record(1).pieces[0].xTo, kP, 1e-12);
    const auto listedBefore = listed().size();
    f().txtXmin_SJ.setText("0.4");
    const std::size_t before = draw();
    EXPECT_EQ(shown().back(), kRangeErrorMessage);
    EXPECT_TRUE(itemsFrom(before).empty());
    EXPECT_EQ(listed().size(), listedBefore);
}

// ω = 0.2 or PI leaves the fraction of a key point without a denominator.
TEST_F(TrigTest, KeyPointsWithoutAFractionHaveNoLabel) {
    params("1", "0.2", "0", "0");
    std::size_t before = draw();
    EXPECT_TRUE(record(0).keyPoints.empty());
    params("1", "PI", "0", "0");
    draw();
    EXPECT_TRUE(record(1).keyPoints.empty());
    for (const auto& text : texts(before)) EXPECT_NE(text, "");
    // The extremes are listed all the same.
    EXPECT_EQ(listed().size(), 1u + 2 * 3u);
}

TEST_F(TrigTest, TangentIsTracedInPiecesWithinTheFrame) {
    f().optType_SJ[2].click();
    EXPECT_FALSE(f().optFS[2].visible());
    EXPECT_TRUE(f().optFS[0].value());
    EXPECT_TRUE(f().txtXmin_SJ.enabled());
    draw();
    ASSERT_EQ(record(0).pieces.size(), 1u);
    const CurveInterval& p = record(0).pieces[0];
    EXPECT_TRUE(p.started && p.ended);
    // |tan x| ≤ 5 from about -1.37 to 1.37.
    EXPECT_NEAR(p.xFrom, -1.37, 0.011);
    EXPECT_NEAR(p.xTo, 1.37, 0.011);
    EXPECT_TRUE(finite());

    f().txtXmin_SJ.setText("2");
    draw();
    EXPECT_EQ(record(1).pieces.size(), 3u);
}

TEST_F(TrigTest, InverseFunctionsUseTheRangeAndItsClamps) {
    f().optType_SJ[4].click();
    EXPECT_TRUE(f().optFW[1].value());
    EXPECT_FALSE(f().optFW[0].enabled());
    EXPECT_EQ(range(f().txtXmin_SJ, f().txtXmax_SJ), (Range{"-1", "1"}));
    f().txtXmax_SJ.setText("3");
    f().txtXmin_SJ.setText("1");
    EXPECT_EQ(range(f().txtXmin_SJ, f().txtXmax_SJ), (Range{"-1", "1"}));
    const std::size_t before = draw();
    const auto drawn = lines(before);
    ASSERT_FALSE(drawn.empty());
    EXPECT_NEAR(drawn.front().y1, -kP / 2, 1e-12);

    f().optType_SJ[6].click();
    EXPECT_EQ(range(f().txtXmin_SJ, f().txtXmax_SJ), (Range{"-5", " 5"}));
    const std::size_t atan = draw();
    EXPECT_EQ(lines(atan).size(), 100u);
    EXPECT_NEAR(lines(atan)[0].x2 - lines(atan)[0].x1, 0.1, 1e-9);
}

TEST_F(TrigTest, ResetAndTheReplayOfADeletionEraseInBothModes) {
    f().txtA_sin.setText("3");
    g->SSTab1.setTab(kTabResults);
    g->SSTab1.setTab(kTabTrig);
    EXPECT_EQ(f().txtA_sin.text(), "1");

    f().optFS[0].click();
    f().txtXmin_SJ.setText("2");
    params("1", "1", "pi/4", "0");
    const std::size_t first = draw();
    const auto drawnPeriods = itemsFrom(first);
    f().optType_SJ[1].click();
    f().optFW[1].click();
    f().txtXmax_SJ.setText("PI");
    const std::size_t second = draw();
    const auto drawnRange = itemsFrom(second);

    for (const auto& [entry, drawn] :
         {std::pair{"三角函数(SJ)  0", drawnPeriods}, {"三角函数(SJ)  1", drawnRange}}) {
        f().optType_SJ[5].click();
        selectEntry(entry);
        const std::size_t replay = g->Picture1.items().size();
        g->cmdResult.click();
        const auto erased = itemsFrom(replay);
        ASSERT_EQ(erased.size(), drawn.size()) << entry;
        for (std::size_t i = 0; i < erased.size(); ++i) {
            EXPECT_EQ(erased[i].color, g->Picture1.backColor);
            EXPECT_EQ(erased[i].x1, drawn[i].x1);
            EXPECT_EQ(erased[i].y2, drawn[i].y2);
            EXPECT_EQ(erased[i].text, drawn[i].text);
        }
    }
    EXPECT_EQ(listed(), std::vector<std::string>{kAxesEntry});
    EXPECT_EQ(f().counter, 2);
}

TEST_F(TrigTest, TheArcsineEndsExactlyOnTheSlide) {
    program.MathTypeFound = false;
    f().optType_SJ[4].click();
    draw();
    f().optType_SJ[2].click();
    f().txtXmin_SJ.setText("2");
    draw();
    insertItemsOnly();
    EXPECT_EQ(countLabel("反正弦函数"), 1);
    EXPECT_EQ(countLabel("正切函数"), 3);
    // Values are rounded to two decimals on the slide: π/2 is 1.57.
    const auto arc = shape("反正弦函数");
    EXPECT_FLOAT_EQ(arc->points.front().y, Y(-1.57));
    EXPECT_FLOAT_EQ(arc->points.back().x, X(1));
    EXPECT_FLOAT_EQ(arc->points.back().y, Y(1.57));
}

}  // namespace

namespace {

TEST(TrigCurve, EachTypeAndItsExactEnds) {
    TrigRecord r;
    r.A = 2, r.omega = 1, r.phi = 0, r.k = 1;
    r.type = kCotangent;
    // k plus the reciprocal of A·tan: 1 + 1/(2·tan(π/4)).
    EXPECT_NEAR(*TrigCurve(r)(kP / 4), 1.5, 1e-12);
    EXPECT_FALSE(TrigCurve(r)(0).has_value());
    r.type = kArcsine;
    EXPECT_DOUBLE_EQ(*TrigCurve(r)(-1), -kHalfPi);
    EXPECT_NEAR(*TrigCurve(r)(0.5), std::asin(0.5), 1e-12);
    EXPECT_FALSE(TrigCurve(r)(1.5).has_value());
    r.type = kArccosine;
    EXPECT_DOUBLE_EQ(*TrigCurve(r)(-1), kPi);
    EXPECT_DOUBLE_EQ(*TrigCurve(r)(1), 0);
    EXPECT_NEAR(*TrigCurve(r)(0.5), std::acos(0.5), 1e-12);
    r.type = kArccotangent;
    EXPECT_DOUBLE_EQ(*TrigCurve(r)(0), kHalfPi);
    EXPECT_EQ(std::string(TrigLabel(kArccotangent)), "反余切函数");
}

}  // namespace
