// The exponential, logarithmic, power and inverse-proportion curves on the slide: one
// shape per piece, where the record puts it.
#include "curve_tab_fixture.h"
#include "quillon4ppt/graph/curves/exponential.h"
#include "quillon4ppt/graph/curves/inverse.h"
#include "quillon4ppt/graph/curves/logarithm.h"
#include "quillon4ppt/graph/curves/power.h"

using namespace graph;

namespace {

// The records go straight into the families; the list entries name them.
struct CurveSlideTest : CurveTabFixture<ExponentialFamily> {
    CurveSlideTest() : CurveTabFixture(kTabExponential, "AX") {}
    template <typename F>
    F& kind(const std::string& key) {
        return static_cast<F&>(*g->family(key));
    }
    template <typename F, typename R>
    void list(const std::string& key, const R& record) {
        F& f = kind<F>(key);
        f.records.at(f.counter) = record;
        g->listItem(f);
    }
    std::vector<std::shared_ptr<office::memory::ShapeData>> curves() const {
        std::vector<std::shared_ptr<office::memory::ShapeData>> out;
        for (const auto& s : allShapes())
            if (!s->points.empty()) out.push_back(s);
        return out;
    }
    // Samples are rounded to hundredths: up to 0.135 points on a 27-point unit.
    static void expectPoint(const office::PointF& p, double x, double y) {
        EXPECT_NEAR(p.x, X(x), 0.14);
        EXPECT_NEAR(p.y, Y(y), 0.14);
    }
};

const LineLook kLook{3, 1, common::rgb(0, 0, 255)};

TEST_F(CurveSlideTest, TheExponentialIsOneCurveInItsLook) {
    list<ExponentialFamily>("AX", ExpRecord{2, 1, -1, -3, 1, kLook});
    insertItemsOnly();
    ASSERT_EQ(labels(), std::vector<std::string>{"指数函数"});
    const auto curve = curves().front();
    expectPoint(curve->points.front(), -3, -0.75);
    EXPECT_EQ(curve->line.color, kLook.color);
    EXPECT_EQ(curve->line.dashStyle, StyleToDash(3));
    EXPECT_FALSE(curve->fill.visible);
}

TEST_F(CurveSlideTest, LogOfAbsoluteXHasTwoBranchesWithTheGapBetween) {
    list<LogarithmFamily>("LogX", LogRecord{kLogAbsX, 2, -5, 5, kLook});
    list<LogarithmFamily>("LogX", LogRecord{kLogAbsX, 2, -5, -0.01, kLook});
    list<LogarithmFamily>("LogX", LogRecord{kAbsLogX, 2, 0.01, 4, kLook});
    insertItemsOnly();
    EXPECT_EQ(labels(), std::vector<std::string>(4, "对数函数"));
    const auto c = curves();
    ASSERT_EQ(c.size(), 4u);
    expectPoint(c[0]->points.front(), 0.1, std::log2(0.1));
    expectPoint(c[1]->points.front(), -5, std::log2(5));
    for (const auto& p : c[1]->points) EXPECT_LE(p.x, X(-0.1) + 0.01);
    expectPoint(c[1]->points.back(), -0.1, std::log2(0.1));
    expectPoint(c[2]->points.front(), -5, std::log2(5));
    for (const auto& p : c[2]->points) EXPECT_LE(p.x, X(-0.01) + 0.01);
    // |log_2 x| never goes below the x axis.
    for (const auto& p : c[3]->points) EXPECT_LE(p.y, Y(0) + 0.01);
}

TEST_F(CurveSlideTest, RootFormsMeetAtTheOriginAndPowersAreOneCurve) {
    list<PowerFamily>("MI", PowerRecord{kPowerXmn, 2, 3, -5, 5, kLook});
    list<PowerFamily>("MI", PowerRecord{kPowerXn, 3, 0, -1.5, 1.5, kLook});
    list<PowerFamily>("MI", PowerRecord{kPowerXmn, 1, 3, -4, -1, kLook});
    insertItemsOnly();
    EXPECT_EQ(labels(), std::vector<std::string>(4, "幂函数"));
    const auto c = curves();
    ASSERT_EQ(c.size(), 4u);
    // x^(2/3): |x|^(2/3) on the left, ending at the origin where the right one starts.
    expectPoint(c[0]->points.front(), -5, std::cbrt(25));
    expectPoint(c[0]->points.back(), 0, 0);
    expectPoint(c[1]->points.front(), 0, 0);
    expectPoint(c[2]->points.front(), -1.5, -3.38);
    expectPoint(c[3]->points.front(), -4, -std::cbrt(4));
    expectPoint(c[3]->points.back(), -1, -1);
}

TEST_F(CurveSlideTest, InverseBranchesEndExactlyAtTheGapAndTheRangeEnd) {
    list<InverseFamily>("FBLHS", InverseRecord{1, 0.2, -1.2, 1.2, kLook});
    insertItemsOnly();
    EXPECT_EQ(labels(), std::vector<std::string>(2, "反比例函数"));
    const auto c = curves();
    ASSERT_EQ(c.size(), 2u);
    expectPoint(c[0]->points.front(), -1.2, -0.83);
    expectPoint(c[0]->points.back(), -0.2, -5);
    expectPoint(c[1]->points.front(), 0.2, 5);
    // The samples fill every row before 1.2; the last row is the range end itself.
    expectPoint(c[1]->points.back(), 1.2, 0.83);
}

}  // namespace
