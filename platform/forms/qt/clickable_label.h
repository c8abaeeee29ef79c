#pragma once
// A label or a picture of an equation that the teacher can click.
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace forms::qt {

class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
};

}  // namespace forms::qt
