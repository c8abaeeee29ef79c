#pragma once
// Small routines the plotting families share: the out-of-frame question, the range
// message, and the arithmetic they use.
#include <cstdint>

#include "common/color.h"
#include "common/messages.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/picture_box.h"
#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

struct CurveExtents {
    double cxMin = 0, cxMax = 0;  // horizontal extent of the item about to be drawn
    double cyMin = 0, cyMax = 0;  // its lowest and highest value
};

// True when the item would leave the frame and the teacher declined to go on.
bool ConfirmOutOfFrame(const CurveExtents& e, const CoordinateFrame& frame, forms::Dialogs& dialogs);

void ShowRangeError(forms::Dialogs& dialogs);

// A box's number as teachers type it: trimmed, leniently read, 0 when empty.
double readBox(const forms::TextBox& box);

// A number the preview and the slide can take: finite and of a sensible size.
bool drawable(double value);

// The box from (xLow, yLow) to (xHigh, yHigh) maps, through the frame's slide mapping,
// to positions and a width and height a slide can hold.
bool SlideHolds(const CoordinateFrame& slideFrame, double xLow, double xHigh, double yLow, double yHigh);

double Larger(double a, double b);
double Smaller(double a, double b);
std::int32_t CommonDivisor(std::int32_t a, std::int32_t b);

// Sixteen dashes along an axis-parallel guide, toward larger coordinates.
void DrawDashedGuide(forms::PictureBox& picture, common::Rgb color, double x1, double y1, double x2,
                     double y2);

constexpr const char* kTooLargeMessage = common::messages::kGraphTooLarge;
constexpr const char* kRangeErrorMessage = common::messages::kGraphRangeError;
constexpr const char* kOutOfFrameQuestion = common::messages::kGraphOutOfFrameQuestion;

}  // namespace graph
