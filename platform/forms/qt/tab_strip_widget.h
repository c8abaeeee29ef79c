#pragma once
// A tab strip whose pages hold controls. A page is the panel under the bar of tabs:
// its controls are placed from the panel's corner, so none hides behind the bar.
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
    QRect pageArea() const;
    QTabBar* bar_;
    QFrame* panel_;
    std::vector<QWidget*> pages_;
};

}  // namespace forms::qt
