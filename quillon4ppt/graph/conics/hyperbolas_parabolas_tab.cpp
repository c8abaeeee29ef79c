#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "common/text.h"

namespace graph {
namespace {
constexpr double kTraceStep = 0.01;
}  // namespace

void chooseOption(forms::OptionButton& option, const std::function<void()>& handler) {
    if (option.value())
        handler();
    else
        option.setValue(true);
}

double searchRange(double start, int step, double stop, const CoordinateFrame& frame,
                   const std::function<bool(double)>& fits) {
    for (double x = start; x >= frame.xMin && x <= frame.xMax && (x - stop) * step < 0; x += step)
        if (fits(x)) return x;
    return start;
}

void traceConic(forms::PictureBox& picture, common::Rgb color, double from, double to, double lo, double hi,
                const std::function<std::pair<double, double>(double)>& at) {
    double first = from;
    if (from < lo) first = from + kTraceStep * std::floor((lo - from) / kTraceStep);
    const double last = std::min(to, hi + kTraceStep);
    auto previous = at(first);
    for (double t = first + kTraceStep; t <= last; t += kTraceStep) {
        auto point = at(t);
        picture.line(previous.first, previous.second, point.first, point.second, color);
        previous = point;
    }
}

std::pair<double, double> visibleX(const forms::PictureBox& p) {
    const double a = p.scaleLeft(), b = p.scaleLeft() + p.scaleWidth();
    return {std::min(a, b), std::max(a, b)};
}

std::pair<double, double> visibleY(const forms::PictureBox& p) {
    const double a = p.scaleTop(), b = p.scaleTop() + p.scaleHeight();
    return {std::min(a, b), std::max(a, b)};
}

}  // namespace graph
