#pragma once
// A tab strip whose pages hold controls. A page covers the whole strip, because the
// controls on it are placed from the strip's corner as the form declares them; the
// bar of tabs lies on top of the pages.
#include <QFrame>
#include <QTabBar>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/forms/controls.h"

namespace forms::qt {

class TabStripWidget : public QWidget {
public:
    explicit TabStripWidget(QWidget* parent);
    std::function<void(int)> onTeacherTab;

    QWidget* page(int index);  // made when first asked for
    void showTabs(const TabStrip& strip);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* bar_;
    QFrame* panel_;
    std::vector<QWidget*> pages_;
};

}  // namespace forms::qt
