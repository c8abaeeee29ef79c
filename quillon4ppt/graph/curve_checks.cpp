#include "quillon4ppt/graph/curve_checks.h"

#include <cmath>
#include <cstdlib>

#include "common/numbers.h"
#include "common/text.h"
#include "platform/office/slide_limits.h"

namespace graph {

bool ConfirmOutOfFrame(const CurveExtents& e, const CoordinateFrame& f, forms::Dialogs& dialogs) {
    bool leaves = e.cxMin < f.xMin || e.cxMax > f.xMax || e.cyMin < f.yMin || e.cyMax > f.yMax;
    if (!leaves) return false;
    return dialogs.msgBox(kOutOfFrameQuestion, forms::Buttons::OkCancel) == forms::Answer::Cancel;
}

void ShowRangeError(forms::Dialogs& dialogs) {
    dialogs.msgBox(kRangeErrorMessage);
}

double readBox(const forms::TextBox& box) {
    return common::Val(common::trimBlanks(box.text()));
}

bool drawable(double value) {
    constexpr double kLargest = 1e15;
    return std::isfinite(value) && std::fabs(value) < kLargest;
}

bool SlideHolds(const CoordinateFrame& f, double xLow, double xHigh, double yLow, double yHigh) {
    const double left = f.X(xLow), right = f.X(xHigh), top = f.Y(yHigh), bottom = f.Y(yLow);
    auto within = [](double points) { return std::fabs(points) <= office::kFarthestPoints; };
    return within(left) && within(right) && within(top) && within(bottom) && within(right - left) &&
           within(bottom - top);
}

double Larger(double a, double b) {
    return a > b ? a : b;
}
double Smaller(double a, double b) {
    return a >= b ? b : a;
}

std::int32_t CommonDivisor(std::int32_t a, std::int32_t b) {
    // Wide arithmetic: the sum and the magnitudes of 32-bit values must not overflow.
    std::int64_t la = a, lb = b;
    if (la + lb == 0 || la == lb) return static_cast<std::int32_t>(std::llabs(la));
    std::int64_t p = std::llabs(la), q = std::llabs(lb);
    if (la == 0 || lb == 0) return 1;
    if (q == p) return static_cast<std::int32_t>(p);
    // Euclid's remainders reach the same divisor as repeated subtraction, without
    // looping a billion times for (1, 2^31 - 1).
    while (q != 0) {
        std::int64_t r = p % q;
        p = q;
        q = r;
    }
    return static_cast<std::int32_t>(p);
}

void DrawDashedGuide(forms::PictureBox& picture, common::Rgb color, double x1, double y1, double x2,
                     double y2) {
    if (x1 != x2) {
        double s = std::fabs(x2 - x1) / 31;
        for (int k = 0; k < 16; ++k) picture.line(x1 + (2 * k + 1) * s, y1, x1 + (2 * k + 2) * s, y1, color);
    } else {
        double s = std::fabs(y2 - y1) / 31;
        for (int k = 0; k < 16; ++k) picture.line(x1, y1 + (2 * k + 1) * s, x1, y1 + (2 * k + 2) * s, color);
    }
}

}  // namespace graph
