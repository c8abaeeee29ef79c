#pragma once
// The drawing canvas: its display list painted with anti-aliasing, the scale window
// mapped onto the widget.
#include <QFrame>
#include <QImage>
#include <QPainter>

#include "platform/forms/picture_box.h"

namespace forms::qt {

// VB draw styles 0 to 4: solid, dash, dot, dash-dot, dash-dot-dot.
Qt::PenStyle penStyle(int drawStyle);

// Paints the display list into target. Pen widths and font sizes are those of the
// declared canvas, multiplied by growth when the canvas is shown larger.
void paintPicture(QPainter& painter, const PictureBox& box, const QRectF& target, double growth);

// The canvas as the teacher would see it at that size (tests, export).
QImage renderPicture(const PictureBox& box, QSize size);

class PictureView : public QFrame {
public:
    PictureView(const PictureBox& box, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PictureBox& box_;
};

}  // namespace forms::qt
