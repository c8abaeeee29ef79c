#pragma once
// Form files were laid out for a smaller font than the CJK font shown here: a control
// too low for one line of its text grows about its declared middle, so nothing is
// cut off and it still lines up with its neighbours.
#include <QRect>
#include <QWidget>

namespace forms::qt {

QRect withRoomForText(const QRect& declared, const QWidget& widget);

}  // namespace forms::qt
