#include "platform/forms/qt/tab_strip_widget.h"

#include <QSignalBlocker>
#include <algorithm>

#include "platform/forms/qt/convert.h"

namespace forms::qt {

TabStripWidget::TabStripWidget(QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)), panel_(new QFrame(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel_->lower();
    // The strip takes its place in the window's tab order through its bar.
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(bar_);
    connect(bar_, &QTabBar::currentChanged, this, [this](int tab) {
        if (onTeacherTab) onTeacherTab(tab);
    });
}

QWidget* TabStripWidget::page(int index) {
    while (static_cast<int>(pages_.size()) <= index) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("page%1").arg(pages_.size()));
        page->setGeometry(pageArea());
        page->setVisible(static_cast<int>(pages_.size()) == bar_->currentIndex());
        pages_.push_back(page);
        bar_->raise();
    }
    return pages_[index];
}

void TabStripWidget::showTabs(const TabStrip& strip) {
    QSignalBlocker quiet(bar_);
    const int count = static_cast<int>(strip.captions.size());
    while (bar_->count() > count) bar_->removeTab(bar_->count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString caption = toQString(strip.captions[i]);
        if (i == bar_->count())
            bar_->addTab(caption);
        else if (bar_->tabText(i) != caption)
            bar_->setTabText(i, caption);
        bar_->setTabVisible(i, i >= static_cast<int>(strip.tabVisible.size()) || strip.tabVisible[i]);
    }
    bar_->setCurrentIndex(strip.tab());
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) pages_[i]->setVisible(i == strip.tab());
}

void TabStripWidget::resizeEvent(QResizeEvent*) {
    const int barHeight = bar_->sizeHint().height();
    bar_->setGeometry(0, 0, width(), barHeight);
    panel_->setGeometry(0, barHeight - 1, width(), height() - barHeight + 1);
    for (QWidget* page : pages_) page->setGeometry(pageArea());
}

QRect TabStripWidget::pageArea() const {
    const int barHeight = bar_->sizeHint().height();
    return QRect(0, barHeight, width(), std::max(0, height() - barHeight));
}

}  // namespace forms::qt
