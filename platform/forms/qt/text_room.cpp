#include "platform/forms/qt/text_room.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/forms/qt/up_down_widget.h"

namespace forms::qt {
namespace {

// One line of the font and what the widget draws around it; measured with Fusion,
// where less than this cuts off descenders. A spinner stands beside a box, as high.
int heightForOneLine(const QWidget& widget) {
    const int line = widget.fontMetrics().height();
    if (auto* label = qobject_cast<const QLabel*>(&widget)) return line + 2 * label->frameWidth();
    if (qobject_cast<const QLineEdit*>(&widget) || dynamic_cast<const UpDownWidget*>(&widget))
        return line + 2;
    if (qobject_cast<const QComboBox*>(&widget)) return line + 4;
    if (qobject_cast<const QAbstractButton*>(&widget)) return line;
    return 0;
}

}  // namespace

QRect withRoomForText(const QRect& declared, const QWidget& widget) {
    const int missing = heightForOneLine(widget) - declared.height();
    if (missing <= 0) return declared;
    return declared.adjusted(0, -missing / 2, 0, missing - missing / 2);
}

}  // namespace forms::qt
