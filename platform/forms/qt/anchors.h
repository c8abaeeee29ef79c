#pragma once
// Controls follow their container's edges as their anchors say, as WinForms anchors
// do: anchored right (or bottom) they move with that edge; anchored to both opposite
// edges they stretch.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace forms::qt {

// Where a control anchored so stands in a container of the given size. A canvas keeps
// its declared proportions: the largest such rectangle, centred in its place.
QRect anchoredGeometry(const QRect& declared, const QSize& declaredContainer, const QSize& container,
                       unsigned anchor, bool keepProportions);

class Anchors : public QObject {
public:
    using QObject::QObject;
    // Places the widget now, and again whenever an edge it follows moves.
    void place(QWidget* widget, const QRect& declared, const QSize& declaredContainer, unsigned anchor,
               bool keepProportions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> widget;
        QRect declared;
        QSize declaredContainer;
        unsigned anchor;
        bool keepProportions;
    };
    std::vector<Entry> entries_;
};

}  // namespace forms::qt
