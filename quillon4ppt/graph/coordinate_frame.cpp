#include "quillon4ppt/graph/coordinate_frame.h"

#include <algorithm>

#include "common/numbers.h"
#include "platform/office/host.h"

namespace graph {

int StyleToDash(int index) {
    switch (index) {
        case 0:
        case 1:
        case 6:
            return office::dash::Solid;
        case 2:
            return office::dash::LongDash;
        case 3:
            return office::dash::Dash;
        case 4:
            return office::dash::DashDot;
        case 5:
            return office::dash::DashDotDot;
        default:
            return 0;
    }
}

void ComputeSlideFrame(CoordinateFrame& frame, double slideWidth, double slideHeight, int intK, int xRange) {
    frame.originX = common::CLng(slideWidth / 2);
    frame.originY = common::CLng(slideHeight / 2);
    frame.unitLength = 2.0 * std::min(frame.originX, frame.originY) / (static_cast<double>(intK) * xRange);
}

}  // namespace graph
