#include "platform/forms/qt/tab_strip_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <algorithm>

#include "platform/forms/qt/convert.h"

namespace forms::qt {

namespace {
// Room beside and above a caption inside its tab.
constexpr int kTabPadding = 10, kTabLeading = 8;
}  // namespace

TabRows::TabRows(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void TabRows::setTabs(std::vector<QString> captions, std::vector<bool> visible, int current) {
    captions_ = std::move(captions);
    visible_ = std::move(visible);
    visible_.resize(captions_.size(), true);
    current_ = current;
    update();
}

int TabRows::tabWidth(int index) const {
    return fontMetrics().horizontalAdvance(captions_[index]) + 2 * kTabPadding;
}

int TabRows::tabHeight() const {
    return fontMetrics().height() + kTabLeading;
}

// Rows filled from the first visible tab; the chosen tab's row moves to the bottom.
std::vector<QRect> TabRows::arrange(int width) const {
    std::vector<std::vector<int>> rows(1);
    int used = 0;
    for (int i = 0; i < count(); ++i) {
        if (!visible_[i]) continue;
        if (used > 0 && used + tabWidth(i) > width) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(i);
        used += tabWidth(i);
    }
    auto chosen = std::find_if(rows.begin(), rows.end(), [&](const std::vector<int>& row) {
        return std::find(row.begin(), row.end(), current_) != row.end();
    });
    if (chosen != rows.end()) std::rotate(chosen, chosen + 1, rows.end());
    std::vector<QRect> rects(captions_.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int x = 0;
        for (int i : rows[r]) {
            rects[i] = QRect(x, static_cast<int>(r) * tabHeight(), tabWidth(i), tabHeight());
            x += tabWidth(i);
        }
    }
    return rects;
}

QRect TabRows::tabRect(int index) const {
    return arrange(width()).at(index);
}

int TabRows::heightForWidth(int width) const {
    int bottom = tabHeight();
    for (const QRect& r : arrange(width))
        if (!r.isEmpty()) bottom = std::max(bottom, r.bottom() + 1);
    return bottom;
}

void TabRows::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const auto rects = arrange(width());
    for (int i = 0; i < count(); ++i) {
        if (rects[i].isEmpty()) continue;
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.rect = rects[i];
        tab.text = captions_[i];
        tab.shape = QTabBar::RoundedNorth;
        tab.state &= ~QStyle::State_HasFocus;
        if (i == current_) {
            tab.state |= QStyle::State_Selected;
            if (hasFocus()) tab.state |= QStyle::State_HasFocus;
        }
        painter.drawControl(QStyle::CE_TabBarTab, tab);
    }
}

void TabRows::mousePressEvent(QMouseEvent* event) {
    const auto rects = arrange(width());
    for (int i = 0; i < count(); ++i)
        if (rects[i].contains(event->position().toPoint())) return choose(i);
}

void TabRows::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
    if (step == 0) return QWidget::keyPressEvent(event);
    for (int i = current_ + step; i >= 0 && i < count(); i += step)
        if (visible_[i]) return choose(i);
}

void TabRows::choose(int index) {
    if (index == current_) return;
    current_ = index;
    update();
    if (onTeacherTab) onTeacherTab(index);
}

TabStripWidget::TabStripWidget(QWidget* parent)
    : QWidget(parent), rows_(new TabRows(this)), panel_(new QFrame(this)) {
    panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel_->lower();
    // The strip takes its place in the window's tab order through its tabs.
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(rows_);
    rows_->onTeacherTab = [this](int tab) {
        arrange();
        if (onTeacherTab) onTeacherTab(tab);
    };
}

QWidget* TabStripWidget::page(int index) {
    while (static_cast<int>(pages_.size()) <= index) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("page%1").arg(pages_.size()));
        page->setGeometry(pageArea());
        page->setVisible(static_cast<int>(pages_.size()) == rows_->currentIndex());
        pages_.push_back(page);
        rows_->raise();
    }
    return pages_[index];
}

void TabStripWidget::showTabs(const TabStrip& strip) {
    std::vector<QString> captions;
    for (const auto& caption : strip.captions) captions.push_back(toQString(caption));
    rows_->setTabs(std::move(captions), strip.tabVisible, strip.tab());
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) pages_[i]->setVisible(i == strip.tab());
    arrange();
}

void TabStripWidget::resizeEvent(QResizeEvent*) {
    arrange();
}

void TabStripWidget::arrange() {
    const int tabs = rows_->heightForWidth(width());
    rows_->setGeometry(0, 0, width(), tabs);
    panel_->setGeometry(0, tabs - 1, width(), height() - tabs + 1);
    for (QWidget* page : pages_) page->setGeometry(pageArea());
    rows_->update();
}

QRect TabStripWidget::pageArea() const {
    const int tabs = rows_->heightForWidth(width());
    return QRect(0, tabs, width(), std::max(0, height() - tabs));
}

}  // namespace forms::qt
