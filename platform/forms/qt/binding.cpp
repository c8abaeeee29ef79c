#include "platform/forms/qt/binding.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalBlocker>

#include "platform/forms/form.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/model_call.h"

namespace forms::qt {
namespace {

void showFont(const Control& control, QWidget& widget) {
    if (control.fontName.empty() && control.fontSize <= 0) return;
    QFont font = widget.window()->font();
    if (!control.fontName.empty()) font.setFamily(toQString(control.fontName));
    if (control.fontSize > 0) font.setPointSizeF(control.fontSize);
    if (font != widget.font()) widget.setFont(font);
}

// The key code a handler sees: the typed character, or 13, 8, 27 for Enter,
// Backspace and Escape; 0 for keys that type nothing.
int keyAscii(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    const QList<uint> typed = event.text().toUcs4();
    return typed.isEmpty() ? 0 : static_cast<int>(typed.front());
}

bool leavesForAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

class KeysAndFocus : public QObject {
public:
    KeysAndFocus(Control& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) return cancelled(static_cast<QKeyEvent&>(*event));
        if (event->type() == QEvent::FocusOut &&
            leavesForAnotherControl(static_cast<QFocusEvent&>(*event).reason()))
            callModel(control_.form(), [this] { control_.leave(); });
        return false;
    }

private:
    bool cancelled(const QKeyEvent& event) {
        const int code = keyAscii(event);
        if (code == 0) return false;
        int result = code;
        callModel(control_.form(), [&] { result = control_.pressKey(code); });
        return result == 0;
    }

    Control& control_;
};

}  // namespace

Show follow(Control& control, QWidget* widget, std::function<void()> showOwn) {
    QPointer<QWidget> alive(widget);
    Show show = [&control, alive, showOwn = std::move(showOwn)] {
        if (!alive) return;
        QSignalBlocker quiet(alive.data());
        alive->setVisible(control.visible());
        alive->setEnabled(control.enabled());
        showFont(control, *alive);
        const QString tip = toQString(control.toolTipText);
        if (alive->toolTip() != tip) alive->setToolTip(tip);
        showOwn();
    };
    control.subscribe(show);
    show();
    return show;
}

void act(Control& control, const Show& show, const std::function<void()>& call) {
    callModel(control.form(), call);
    show();
}

void forwardKeysAndFocus(Control& control, QWidget* widget) {
    widget->installEventFilter(new KeysAndFocus(control, widget));
}

}  // namespace forms::qt
