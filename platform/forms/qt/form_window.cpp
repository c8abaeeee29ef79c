#include "platform/forms/qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "platform/forms/qt/anchors.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/fonts.h"
#include "platform/forms/qt/model_call.h"
#include "platform/forms/qt/tab_strip_widget.h"
#include "platform/forms/qt/text_room.h"
#include "platform/forms/qt/widget_factory.h"

namespace forms::qt {
namespace {

// What a window manager's frame adds at the sides before the window is shown.
constexpr int kFrameAllowance = 8;

QRect pixelsOf(const Layout& layout) {
    return {pixels(layout.left), pixels(layout.top), pixels(layout.width), pixels(layout.height)};
}

bool followsTheWindow(const Form& form) {
    return std::any_of(form.controls().begin(), form.controls().end(), [](const Control* c) {
        return !c->layout.container && (c->layout.anchor & (AnchorRight | AnchorBottom));
    });
}

}  // namespace

FormWindow::FormWindow(Form& form, QWidget* parent)
    : QWidget(parent), form_(form), anchors_(new Anchors(this)) {
    setFont(windowFont());
    for (Control* control : form.controls()) build(*control);
    orderTabs();
    focusFirst();
    sizeWindow();
    setFlags();
    placeOnScreen();
    // Esc ends the window as closing it does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    QPointer<FormWindow> alive(this);
    form.subscribe([alive] {
        if (alive) alive->showForm();
    });
    showForm();
}

QWidget* FormWindow::widgetOf(const std::string& controlName) const {
    const Control* control = form_.find(controlName);
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

// A container may be declared after what it holds, so it is built when first needed.
QWidget* FormWindow::build(Control& control) {
    if (auto it = widgets_.find(&control); it != widgets_.end()) return it->second;
    QWidget* widget = createWidget(control, containerOf(control));
    widget->setObjectName(toQString(control.name()));
    widgets_[&control] = widget;
    place(control, widget);
    return widget;
}

QWidget* FormWindow::containerOf(const Control& control) {
    Control* container = control.layout.container ? form_.find(control.layout.container->name()) : nullptr;
    if (!container) return this;
    QWidget* widget = build(*container);
    auto* strip = dynamic_cast<TabStripWidget*>(widget);
    return strip && control.layout.page >= 0 ? strip->page(control.layout.page) : widget;
}

QSize FormWindow::declaredSizeOf(const Control* container) const {
    if (!container) return {pixels(form_.width), pixels(form_.height)};
    return pixelsOf(container->layout).size();
}

void FormWindow::place(const Control& control, QWidget* widget) {
    anchors_->place(widget, withRoomForText(pixelsOf(control.layout), *widget),
                    declaredSizeOf(control.layout.container), control.layout.anchor,
                    control.kind() == Kind::Picture);
}

void FormWindow::orderTabs() {
    std::vector<const Control*> order(form_.controls().begin(), form_.controls().end());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const Control* control : order) {
        QWidget* widget = widgets_.at(control);
        if (!(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

void FormWindow::focusFirst() {
    QWidget* widget = form_.firstFocus ? widgetOf(form_.firstFocus->name()) : nullptr;
    if (!widget) return;
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

// A form without a declared size gets room for its controls.
void FormWindow::sizeWindow() {
    QSize size = declaredSizeOf(nullptr);
    if (size.isEmpty()) size = childrenRect().united(QRect(0, 0, 1, 1)).adjusted(0, 0, 8, 8).size();
    resize(size);
    if (followsTheWindow(form_))
        setMinimumSize(size);
    else
        setFixedSize(size);
}

// A window of fixed size cannot be maximized.
void FormWindow::setFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (minimumSize() != maximumSize()) flags |= Qt::WindowMaximizeButtonHint;
    if (form_.topMost) flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
}

// A window opens at its declared corner of the work area, below any panel; without one
// at the right edge of the work area, beside the slide and clear of the menus and
// toolbars above it.
void FormWindow::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    if (form_.openingCorner) {
        move(area.topLeft() + QPoint(pixels(form_.openingCorner->left), pixels(form_.openingCorner->top)));
        return;
    }
    const QSize frame = frameGeometry().size().expandedTo(size());
    move(std::max(area.left(), area.right() + 1 - frame.width() - kFrameAllowance),
         area.top() + std::max(0, (area.height() - frame.height()) / 2));
}

void FormWindow::showForm() {
    if (windowTitle() != toQString(form_.caption())) setWindowTitle(toQString(form_.caption()));
    if (form_.unloaded()) close();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!form_.unloaded() && onClose) callModel(form_, onClose);
}

}  // namespace forms::qt
