#pragma once
// What the hyperbola and parabola tabs share: reading their boxes, choosing an
// option, the whole-unit range search and the preview trace.
#include <functional>
#include <utility>

#include "common/color.h"
#include "common/messages.h"
#include "platform/forms/controls.h"
#include "platform/forms/picture_box.h"
#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

// Selects the option and runs its handler once, also when it was already selected:
// the handler writes the equation form, which another tab may have changed.
void chooseOption(forms::OptionButton& option, const std::function<void()>& handler);

// Steps in whole units from the frame edge `start` toward `stop` (never reaching it)
// and stays inside the frame; the first X that fits, or `start` when none does.
double searchRange(double start, int step, double stop, const CoordinateFrame& frame,
                   const std::function<bool(double)>& fits);

// Short segments 0.01 apart along the parameter from `from` to `to`, each point
// given by `at`. Only the stretch over the canvas (lo..hi of the parameter) is
// traced: the rest can't be seen, and a huge range would take forever.
void traceConic(forms::PictureBox& picture, common::Rgb color, double from, double to, double lo, double hi,
                const std::function<std::pair<double, double>(double)>& at);

// The canvas's span of x and of y.
std::pair<double, double> visibleX(const forms::PictureBox& picture);
std::pair<double, double> visibleY(const forms::PictureBox& picture);

constexpr const char* kNoFormMessage = common::messages::kGraphNoForm;

}  // namespace graph
