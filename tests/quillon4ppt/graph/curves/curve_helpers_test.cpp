// The curve helpers every function family uses: the preview tracer with its piece
// tracking, and the slide emitter.
#include <cmath>

#include "graph_fixture.h"
#include "quillon4ppt/graph/curves/curve_trace.h"
#include "quillon4ppt/graph/curves/emit_curve.h"

using namespace graph;

namespace {

struct CurveHelpers : GraphFixture {
    std::vector<CurveInterval> pieces;
    std::size_t drawnBefore = 0;

    void trace(const CurveFunction& f, double from, double to, CurveAxis axis = CurveAxis::Horizontal) {
        drawnBefore = g->Picture1.items().size();
        TracePreview(*g, f, from, to, 0.01, &pieces, axis);
    }
    std::vector<forms::DrawItem> drawn() const {
        const auto& items = g->Picture1.items();
        return {items.begin() + static_cast<long>(drawnBefore), items.end()};
    }
    void expectPiece(std::size_t i, double from, double to) {
        ASSERT_LT(i, pieces.size());
        EXPECT_TRUE(pieces[i].started && pieces[i].ended) << i;
        // to the accuracy of the accumulated step
        EXPECT_NEAR(pieces[i].xFrom, from, 0.011) << i;
        EXPECT_NEAR(pieces[i].xTo, to, 0.011) << i;
    }
    SlideContext slide() {
        ComputeSlideFrame(g->frame, 720, 540, 2, 10);
        return SlideContext{program.slideHost(), g->frame, g->shapeNames, program.AxisSettings};
    }
};

std::optional<double> Reciprocal(double x) {
    if (x == 0) return std::nullopt;
    return 1 / x;
}

TEST_F(CurveHelpers, SegmentsOutsideTheFrameAreNotDrawnAndSplitThePieces) {
    trace([](double x) { return std::sin(x); }, -5, 5);
    ASSERT_EQ(pieces.size(), 1u);
    expectPiece(0, -5, 5);
    EXPECT_GE(drawn().size(), 999u);

    trace([](double x) { return x * x; }, -3, 3);
    ASSERT_EQ(pieces.size(), 1u);
    expectPiece(0, -2.23, 2.23);
    for (const auto& line : drawn()) EXPECT_LE(std::max(line.y1, line.y2), 5);

    trace(Reciprocal, -5, 5);
    ASSERT_EQ(pieces.size(), 2u);
    expectPiece(0, -5, -0.2);
    expectPiece(1, 0.21, 5);

    trace([](double x) { return std::tan(x); }, -5, 5);
    ASSERT_EQ(pieces.size(), 5u);
    const double ends[][2] = {{-5, -4.91}, {-4.51, -1.77}, {-1.37, 1.37}, {1.77, 4.51}, {4.91, 5}};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_NEAR(pieces[i].xFrom, ends[i][0], 0.011) << i;
    for (std::size_t i = 0; i < 5; ++i) EXPECT_NEAR(pieces[i].xTo, ends[i][1], 0.011) << i;
}

TEST_F(CurveHelpers, ACurveNeverVisibleKeepsOneUnstartedPiece) {
    trace([](double) { return 9.0; }, -5, 5);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FALSE(pieces[0].started);
    EXPECT_EQ(pieces[0].xFrom, 0);
    EXPECT_EQ(pieces[0].xTo, 0);
    EXPECT_TRUE(drawn().empty());

    trace([](double) { return std::optional<double>{}; }, -5, 5);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FALSE(pieces[0].started);
    EXPECT_TRUE(drawn().empty());

    trace([](double) { return std::nan(""); }, -1, 1);
    EXPECT_FALSE(pieces[0].started);
    EXPECT_TRUE(drawn().empty());
}

TEST_F(CurveHelpers, FailuresKeepTheValueBeforeThemAndTheRunStartsAtTheFirstSuccess) {
    trace([](double x) { return x < 0 ? std::nullopt : std::optional(std::sqrt(x)); }, -1, 1);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_NEAR(pieces[0].xFrom, 0, 0.011);
    const auto lines = drawn();
    ASSERT_FALSE(lines.empty());
    EXPECT_GE(lines.front().x1, -0.011);

    // A hole in the middle is bridged at the height before it.
    trace([](double x) { return std::fabs(x) < 0.5 ? std::nullopt : std::optional(x); }, -1, 1);
    ASSERT_EQ(pieces.size(), 1u);
    bool flat = false;
    for (const auto& l : drawn()) flat = flat || (l.x1 > 0 && l.x1 < 0.4 && std::fabs(l.y1 + 0.5) < 0.011);
    EXPECT_TRUE(flat);
}

TEST_F(CurveHelpers, AHugeRangeIsTracedOverTheFrameOnly) {
    int calls = 0;
    trace([&](double x) { return ++calls, std::optional(x / 4); }, -1e12, 1e12);
    EXPECT_LT(calls, 1100);
    ASSERT_EQ(pieces.size(), 1u);
    expectPiece(0, -5, 5);
}

TEST_F(CurveHelpers, AVerticalCurvePlotsTheValueAcross) {
    trace([](double y) { return y * y; }, -2, 2, CurveAxis::Vertical);
    ASSERT_EQ(pieces.size(), 1u);
    expectPiece(0, -2, 2);
    double lowest = 9, highest = -9;
    for (const auto& l : drawn()) {
        EXPECT_GE(l.x1, 0);
        EXPECT_NEAR(l.x1, l.y1 * l.y1, 1e-9);
        lowest = std::min(lowest, l.y1), highest = std::max(highest, l.y2);
    }
    EXPECT_NEAR(lowest, -2, 1e-9);
    EXPECT_NEAR(highest, 2, 0.011);
}

TEST_F(CurveHelpers, TheEmitterSamplesRoundedPointsAndFillsTheRowsLeftOver) {
    SlideContext s = slide();
    LineLook look{2, 3, common::rgb(255, 0, 0)};
    ASSERT_TRUE(EmitCurve(
        s, [](double x) { return x; }, 0, 1, "任意函数", look));
    auto curve = shape("任意函数");
    ASSERT_TRUE(curve);
    ASSERT_EQ(curve->points.size(), 19u);
    EXPECT_FLOAT_EQ(curve->points.back().x, static_cast<float>(s.X(0.9)));
    EXPECT_EQ(curve->line.color, look.color);
    EXPECT_EQ(curve->line.dashStyle, StyleToDash(2));
    EXPECT_EQ(curve->line.weight, 3);
    EXPECT_FALSE(curve->fill.visible);

    const double twoPi = 6.28318530717958;
    ASSERT_TRUE(EmitCurve(
        s, [](double x) { return std::sin(x); }, 0, twoPi, "正弦", look));
    auto sine = shape("正弦");
    ASSERT_EQ(sine->points.size(), 127u);
    EXPECT_FLOAT_EQ(sine->points[125].x, static_cast<float>(s.X(6.25)));
    EXPECT_FLOAT_EQ(sine->points[125].y, static_cast<float>(s.Y(-0.03)));
    EXPECT_FLOAT_EQ(sine->points.back().x, static_cast<float>(s.X(twoPi)));
    EXPECT_FLOAT_EQ(sine->points.back().y, static_cast<float>(s.Y(std::sin(twoPi))));
}

TEST_F(CurveHelpers, TheEmitterSkipsShortPiecesAndNeverPlacesAFailure) {
    SlideContext s = slide();
    const LineLook look{0, 1, 0};
    EXPECT_FALSE(EmitCurve(
        s, [](double x) { return x; }, 0, 0.01, "短", look));
    EXPECT_FALSE(EmitCurve(
        s, [](double) { return std::optional<double>{}; }, 0, 1, "空", look));
    EXPECT_FALSE(EmitCurve(
        s, [](double) { return INFINITY; }, 0, 1, "空", look));
    EXPECT_EQ(allShapes().size(), 0u);

    // Log fails at the rounded start 0: the first row takes the first value that succeeds.
    ASSERT_TRUE(EmitCurve(
        s, [](double x) { return x > 0 ? std::optional(std::log(x)) : std::nullopt; }, 0.001, 1, "对数",
        look));
    auto curve = shape("对数");
    ASSERT_TRUE(curve);
    EXPECT_FLOAT_EQ(curve->points[0].x, static_cast<float>(s.X(0)));
    EXPECT_FLOAT_EQ(curve->points[0].y, curve->points[1].y);
    EXPECT_FLOAT_EQ(curve->points[1].y, static_cast<float>(s.Y(-3)));  // log 0.05 = -2.9957
}

TEST_F(CurveHelpers, AVerticalCurveOnTheSlideTakesItsValueAcross) {
    SlideContext s = slide();
    ASSERT_TRUE(EmitCurve(
        s, [](double y) { return y * y; }, -2, 2, "任意函数", LineLook{}, CurveAxis::Vertical));
    auto curve = shape("任意函数");
    ASSERT_TRUE(curve);
    EXPECT_FLOAT_EQ(curve->points[0].x, static_cast<float>(s.X(4)));
    EXPECT_FLOAT_EQ(curve->points[0].y, static_cast<float>(s.Y(-2)));
    EXPECT_FLOAT_EQ(curve->points[1].x, static_cast<float>(s.X(3.8)));  // 1.95² rounded
    EXPECT_FLOAT_EQ(curve->points[1].y, static_cast<float>(s.Y(-1.95)));
}

}  // namespace
