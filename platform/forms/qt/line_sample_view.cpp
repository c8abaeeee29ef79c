#include "platform/forms/qt/line_sample_view.h"

#include <QPainter>

#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/picture_view.h"

namespace forms::qt {

// Line styles count as a VB line's border styles: 0 transparent, 1 solid, 2 to 5 the
// dashed draw styles, 6 inside solid.
void LineSampleView::paintEvent(QPaintEvent*) {
    const int style = sample_.style();
    if (style <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(toQColor(sample_.color()), std::max(1, sample_.width()),
             style <= 5 ? penStyle(style - 1) : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QRectF r = rect();
    if (width() >= height())
        painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    else
        painter.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
}

}  // namespace forms::qt
