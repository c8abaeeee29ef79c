#include "platform/forms/qt/picture_view.h"

#include <cmath>

#include "platform/forms/qt/convert.h"

namespace forms::qt {
namespace {

// Mathematical coordinates through the scale window onto the target rectangle.
class Mapping {
public:
    Mapping(const PictureBox& box, const QRectF& target) : box_(box), target_(target) {}
    QPointF point(double x, double y) const {
        return {target_.left() + (x - box_.scaleLeft()) / box_.scaleWidth() * target_.width(),
                target_.top() + (y - box_.scaleTop()) / box_.scaleHeight() * target_.height()};
    }
    double horizontalPixels(double length) const {
        return std::abs(length / box_.scaleWidth() * target_.width());
    }

private:
    const PictureBox& box_;
    QRectF target_;
};

QPen penOf(const DrawItem& item, double growth) {
    QPen pen(toQColor(item.color), std::max(1, item.drawWidth) * growth, penStyle(item.drawStyle));
    pen.setCapStyle(pen.style() == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap);
    return pen;
}

// With aspect < 1 the radius lies across, otherwise up and down.
QRectF ellipseOf(const DrawItem& item, const Mapping& map) {
    const double radius = map.horizontalPixels(item.radius);
    const double aspect = std::abs(item.aspect);
    const double across = aspect < 1 ? radius : radius / aspect;
    const double upDown = aspect < 1 ? radius * aspect : radius;
    const QPointF centre = map.point(item.x1, item.y1);
    return {centre.x() - across, centre.y() - upDown, 2 * across, 2 * upDown};
}

QFont fontOf(const DrawItem& item, double growth) {
    QFont font(toQString(item.fontName));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(item.fontSize * 96 / 72 * growth))));
    font.setItalic(item.italic);
    font.setBold(item.bold);
    return font;
}

void paintItem(QPainter& painter, const DrawItem& item, const Mapping& map, double growth) {
    painter.setPen(penOf(item, growth));
    switch (item.type) {
        case DrawItem::Type::Line:
            painter.drawLine(map.point(item.x1, item.y1), map.point(item.x2, item.y2));
            break;
        case DrawItem::Type::Circle:
            painter.setBrush(item.fillStyle == 0 ? QBrush(toQColor(item.fillColor)) : QBrush(Qt::NoBrush));
            painter.drawEllipse(ellipseOf(item, map));
            break;
        case DrawItem::Type::Text: {
            painter.setFont(fontOf(item, growth));
            const QPointF topLeft = map.point(item.x1, item.y1);
            painter.drawText(topLeft + QPointF(0, painter.fontMetrics().ascent()), toQString(item.text));
            break;
        }
    }
}

double growthOf(const PictureBox& box, double width) {
    const int declared = pixels(box.layout.width);
    return declared > 0 ? width / declared : 1;
}

}  // namespace

Qt::PenStyle penStyle(int drawStyle) {
    switch (drawStyle) {
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        case 4:
            return Qt::DashDotDotLine;
        default:
            return Qt::SolidLine;
    }
}

void paintPicture(QPainter& painter, const PictureBox& box, const QRectF& target, double growth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(target);
    painter.fillRect(target, toQColor(box.backColor));
    const Mapping map(box, target);
    if (box.scaleWidth() != 0 && box.scaleHeight() != 0)
        for (const DrawItem& item : box.items()) paintItem(painter, item, map, growth);
    painter.restore();
}

QImage renderPicture(const PictureBox& box, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    paintPicture(painter, box, QRectF(QPointF(0, 0), size), growthOf(box, size.width()));
    return image;
}

PictureView::PictureView(const PictureBox& box, QWidget* parent) : QFrame(parent), box_(box) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void PictureView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    paintPicture(painter, box_, contentsRect(), growthOf(box_, width()));
}

}  // namespace forms::qt
