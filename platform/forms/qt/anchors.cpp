#include "platform/forms/qt/anchors.h"

#include <QEvent>

#include "platform/forms/control.h"

namespace forms::qt {
namespace {

// One axis: start and length for the container's growth along it.
std::pair<int, int> alongAxis(int start, int length, int growth, bool nearEdge, bool farEdge) {
    if (farEdge && nearEdge) return {start, std::max(0, length + growth)};
    if (farEdge) return {start + growth, length};
    return {start, length};
}

QRect keepProportions(const QRect& place, const QSize& declared) {
    if (declared.isEmpty()) return place;
    const QSize size = declared.scaled(place.size(), Qt::KeepAspectRatio);
    return {place.left() + (place.width() - size.width()) / 2,
            place.top() + (place.height() - size.height()) / 2, size.width(), size.height()};
}

}  // namespace

QRect anchoredGeometry(const QRect& declared, const QSize& declaredContainer, const QSize& container,
                       unsigned anchor, bool keepProportions) {
    const auto [x, width] =
        alongAxis(declared.x(), declared.width(), container.width() - declaredContainer.width(),
                  anchor & AnchorLeft, anchor & AnchorRight);
    const auto [y, height] =
        alongAxis(declared.y(), declared.height(), container.height() - declaredContainer.height(),
                  anchor & AnchorTop, anchor & AnchorBottom);
    const QRect place(x, y, width, height);
    return keepProportions ? forms::qt::keepProportions(place, declared.size()) : place;
}

void Anchors::place(QWidget* widget, const QRect& declared, const QSize& declaredContainer, unsigned anchor,
                    bool keepProportions) {
    widget->setGeometry(declared);
    if (anchor == (AnchorLeft | AnchorTop)) return;
    entries_.push_back({widget, declared, declaredContainer, anchor, keepProportions});
    widget->parentWidget()->installEventFilter(this);
}

bool Anchors::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Resize) return false;
    const QSize container = static_cast<QWidget*>(watched)->size();
    for (const Entry& e : entries_)
        if (e.widget && e.widget->parent() == watched)
            e.widget->setGeometry(
                anchoredGeometry(e.declared, e.declaredContainer, container, e.anchor, e.keepProportions));
    return false;
}

}  // namespace forms::qt
