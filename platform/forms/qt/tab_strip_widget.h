#pragma once
// A tab strip whose pages hold controls. A page is the panel under the tabs: its
// controls are placed from the panel's corner, so none hides behind the tabs.
#include <QFrame>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/forms/controls.h"

namespace forms::qt {

// The tabs in as many rows as their captions need, each caption whole; the row of the
// chosen tab lies next to the page.
class TabRows : public QWidget {
public:
    explicit TabRows(QWidget* parent);
    std::function<void(int)> onTeacherTab;

    void setTabs(std::vector<QString> captions, std::vector<bool> visible, int current);
    int count() const { return static_cast<int>(captions_.size()); }
    int currentIndex() const { return current_; }
    bool isTabVisible(int index) const { return visible_.at(index); }
    QString tabText(int index) const { return captions_.at(index); }
    // Empty for a hidden tab.
    QRect tabRect(int index) const;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<QRect> arrange(int width) const;
    int tabWidth(int index) const;
    int tabHeight() const;
    void choose(int index);

    std::vector<QString> captions_;
    std::vector<bool> visible_;
    int current_ = 0;
};

class TabStripWidget : public QWidget {
public:
    explicit TabStripWidget(QWidget* parent);
    std::function<void(int)> onTeacherTab;

    QWidget* page(int index);  // made when first asked for
    void showTabs(const TabStrip& strip);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    QRect pageArea() const;
    TabRows* rows_;
    QFrame* panel_;
    std::vector<QWidget*> pages_;
};

}  // namespace forms::qt
