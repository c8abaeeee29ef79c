#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

#include "platform/forms/qt/binding.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/tab_strip_widget.h"
#include "platform/forms/qt/up_down_widget.h"
#include "platform/forms/qt/widget_kinds.h"

namespace forms::qt {
namespace {

template <typename W>
void showCaption(W& widget, const Control& control) {
    if (widget.text() != toQString(control.caption())) widget.setText(toQString(control.caption()));
}

Qt::CheckState checkState(int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

void showItems(QListWidget& widget, const std::vector<std::string>& items) {
    bool same = widget.count() == static_cast<int>(items.size());
    for (int i = 0; same && i < widget.count(); ++i) same = widget.item(i)->text() == toQString(items[i]);
    if (same) return;
    widget.clear();
    for (const std::string& item : items) widget.addItem(toQString(item));
}

void showList(QListWidget& widget, const ListBox& list) {
    showItems(widget, list.items());
    if (widget.currentRow() == list.listIndex()) return;
    widget.setCurrentRow(list.listIndex());
    if (list.listIndex() < 0) widget.clearSelection();
}

void showTicks(QListWidget& widget, const ListBox& list) {
    showItems(widget, list.items());
    for (int i = 0; i < widget.count(); ++i) widget.item(i)->setSelected(list.selected(i));
    if (widget.currentRow() != list.listIndex())
        widget.setCurrentRow(list.listIndex(), QItemSelectionModel::NoUpdate);
}

// The model hears of every entry whose state the teacher changed, while its entries
// are still the ones shown (a handler may fill the list anew).
void tickChanged(QListWidget& widget, ListBox& list) {
    const std::vector<std::string> shown = list.items();
    std::vector<std::pair<int, bool>> ticks;
    for (int i = 0; i < widget.count() && i < static_cast<int>(shown.size()); ++i)
        if (widget.item(i)->isSelected() != list.selected(i))
            ticks.emplace_back(i, widget.item(i)->isSelected());
    for (auto [row, on] : ticks)
        if (list.items() == shown) list.tick(row, on);
}

QWidget* makeMultiSelectList(ListBox& list, QListWidget* widget) {
    widget->setSelectionMode(QAbstractItemView::MultiSelection);
    const Show show = follow(list, widget, [widget, &list] { showTicks(*widget, list); });
    QObject::connect(widget, &QListWidget::itemSelectionChanged, widget,
                     [widget, &list, show] { act(list, show, [&] { tickChanged(*widget, list); }); });
    forwardKeysAndFocus(list, widget);
    return widget;
}

// VB allows a range from a larger to a smaller value: the larger stands first.
void showScroll(QScrollBar& widget, const ScrollBar& scroll) {
    const bool inverted = scroll.min() > scroll.max();
    widget.setInvertedAppearance(inverted);
    widget.setInvertedControls(inverted);
    widget.setRange(std::min(scroll.min(), scroll.max()), std::max(scroll.min(), scroll.max()));
    widget.setPageStep(std::max(1, std::abs(scroll.max() - scroll.min()) / 10));
    widget.setValue(scroll.value());
}

}  // namespace

QWidget* makeCheckBox(CheckBox& check, QWidget* parent) {
    auto* widget = new QCheckBox(parent);
    const Show show = follow(check, widget, [widget, &check] {
        showCaption(*widget, check);
        widget->setCheckState(checkState(check.value()));
    });
    QObject::connect(widget, &QCheckBox::clicked, widget,
                     [&check, show] { act(check, show, [&] { check.click(); }); });
    forwardKeysAndFocus(check, widget);
    return widget;
}

QWidget* makeOptionButton(OptionButton& option, QWidget* parent) {
    auto* widget = new QRadioButton(parent);
    // The model clears the other options of the group; Qt's grouping by parent differs.
    widget->setAutoExclusive(false);
    const Show show = follow(option, widget, [widget, &option] {
        showCaption(*widget, option);
        widget->setChecked(option.value());
    });
    QObject::connect(widget, &QRadioButton::clicked, widget,
                     [&option, show] { act(option, show, [&] { option.click(); }); });
    forwardKeysAndFocus(option, widget);
    return widget;
}

QWidget* makeListBox(ListBox& list, QWidget* parent) {
    auto* widget = new QListWidget(parent);
    if (list.multiSelect) return makeMultiSelectList(list, widget);
    const Show show = follow(list, widget, [widget, &list] { showList(*widget, list); });
    QObject::connect(widget, &QListWidget::currentRowChanged, widget,
                     [&list, show](int row) { act(list, show, [&] { list.select(row); }); });
    forwardKeysAndFocus(list, widget);
    return widget;
}

QWidget* makeScrollBar(ScrollBar& scroll, QWidget* parent) {
    const Qt::Orientation orientation =
        scroll.layout.width >= scroll.layout.height ? Qt::Horizontal : Qt::Vertical;
    auto* widget = new QScrollBar(orientation, parent);
    widget->setFocusPolicy(Qt::StrongFocus);
    const Show show = follow(scroll, widget, [widget, &scroll] { showScroll(*widget, scroll); });
    QObject::connect(widget, &QScrollBar::valueChanged, widget,
                     [&scroll, show](int value) { act(scroll, show, [&] { scroll.setValue(value); }); });
    forwardKeysAndFocus(scroll, widget);
    return widget;
}

QWidget* makeUpDown(UpDown& spinner, QWidget* parent) {
    auto* widget = new UpDownWidget(parent);
    const Show show = follow(spinner, widget, [] {});
    widget->onUp = [&spinner, show] { act(spinner, show, [&] { spinner.up(); }); };
    widget->onDown = [&spinner, show] { act(spinner, show, [&] { spinner.down(); }); };
    return widget;
}

QWidget* makeTabStrip(TabStrip& strip, QWidget* parent) {
    auto* widget = new TabStripWidget(parent);
    const Show show = follow(strip, widget, [widget, &strip] { widget->showTabs(strip); });
    widget->onTeacherTab = [&strip, show](int tab) { act(strip, show, [&] { strip.setTab(tab); }); };
    return widget;
}

}  // namespace forms::qt
