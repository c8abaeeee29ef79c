#pragma once
// Small routines the plotting families share: the out-of-frame question, the range
// message, and the arithmetic they use.
#include <cstdint>

#include "common/color.h"
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

double Larger(double a, double b);
double Smaller(double a, double b);
std::int32_t CommonDivisor(std::int32_t a, std::int32_t b);

// Sixteen dashes along an axis-parallel guide, toward larger coordinates.
void DrawDashedGuide(forms::PictureBox& picture, common::Rgb color, double x1, double y1, double x2,
                     double y2);

constexpr const char* kTooLargeMessage = "您输入的数据过大，无法作图，请检查后重新输入。";
constexpr const char* kRangeErrorMessage = "您所输入的数据范围有误，请检查后重新输入！";
constexpr const char* kOutOfFrameQuestion =
    "您所要绘制的函数图像将有部分超出当前坐标范围，您还要继续作图吗？";

}  // namespace graph
