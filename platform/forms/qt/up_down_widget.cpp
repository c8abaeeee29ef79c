#include "platform/forms/qt/up_down_widget.h"

namespace forms::qt {
namespace {

QToolButton* arrow(QWidget* parent, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDownWidget::UpDownWidget(QWidget* parent)
    : QWidget(parent), up_(arrow(this, "up")), down_(arrow(this, "down")) {
    connect(up_, &QToolButton::clicked, this, [this] {
        if (onUp) onUp();
    });
    connect(down_, &QToolButton::clicked, this, [this] {
        if (onDown) onDown();
    });
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
    const bool wide = width() > height();
    up_->setArrowType(wide ? Qt::RightArrow : Qt::UpArrow);
    down_->setArrowType(wide ? Qt::LeftArrow : Qt::DownArrow);
    if (wide) {
        down_->setGeometry(0, 0, width() / 2, height());
        up_->setGeometry(width() / 2, 0, width() - width() / 2, height());
    } else {
        up_->setGeometry(0, 0, width(), height() / 2);
        down_->setGeometry(0, height() / 2, width(), height() - height() / 2);
    }
}

}  // namespace forms::qt
