#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/forms/qt/binding.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/widget_kinds.h"

namespace forms::qt {
namespace {

// A multi-line box keeps its lines apart with CR LF, as the handlers split them.
QString shownLines(const std::string& text) {
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string modelLines(const QString& text) {
    return QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

// Writing the text back while the teacher types would move the caret, so only a text
// the program changed is written; the box then shows its start, as a program's text does.
void showLine(QLineEdit& edit, const std::string& text) {
    if (edit.text() == toQString(text)) return;
    edit.setText(toQString(text));
    if (!edit.hasFocus()) edit.setCursorPosition(0);
}

QWidget* makeLineBox(TextBox& box, QWidget* parent) {
    auto* widget = new QLineEdit(parent);
    const Show show = follow(box, widget, [widget, &box] { showLine(*widget, box.text()); });
    QObject::connect(widget, &QLineEdit::textEdited, widget, [&box, show](const QString& text) {
        act(box, show, [&] { box.setText(text.toStdString()); });
    });
    forwardKeysAndFocus(box, widget);
    return widget;
}

QWidget* makeMultiLineBox(TextBox& box, QWidget* parent) {
    auto* widget = new QPlainTextEdit(parent);
    widget->setTabChangesFocus(true);
    const Show show = follow(box, widget, [widget, &box] {
        if (widget->toPlainText() != shownLines(box.text())) widget->setPlainText(shownLines(box.text()));
    });
    QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [widget, &box, show] {
        act(box, show, [&] { box.setText(modelLines(widget->toPlainText())); });
    });
    forwardKeysAndFocus(box, widget);
    return widget;
}

void showItems(QComboBox& widget, const std::vector<std::string>& items) {
    bool same = widget.count() == static_cast<int>(items.size());
    for (int i = 0; same && i < widget.count(); ++i) same = widget.itemText(i) == toQString(items[i]);
    if (same) return;
    widget.clear();
    for (const std::string& item : items) widget.addItem(toQString(item));
}

void showCombo(QComboBox& widget, const ComboBox& combo) {
    showItems(widget, combo.items());
    if (widget.currentIndex() != combo.listIndex()) widget.setCurrentIndex(combo.listIndex());
    if (widget.currentText() != toQString(combo.text())) widget.setEditText(toQString(combo.text()));
}

}  // namespace

QWidget* makeTextBox(TextBox& box, QWidget* parent) {
    return box.multiLine ? makeMultiLineBox(box, parent) : makeLineBox(box, parent);
}

QWidget* makeComboBox(ComboBox& combo, QWidget* parent) {
    auto* widget = new QComboBox(parent);
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->setCompleter(nullptr);
    const Show show = follow(combo, widget, [widget, &combo] { showCombo(*widget, combo); });
    QObject::connect(widget->lineEdit(), &QLineEdit::textEdited, widget, [&combo, show](const QString& text) {
        act(combo, show, [&] { combo.setText(text.toStdString()); });
    });
    QObject::connect(widget, &QComboBox::activated, widget,
                     [&combo, show](int index) { act(combo, show, [&] { combo.select(index); }); });
    forwardKeysAndFocus(combo, widget);
    return widget;
}

}  // namespace forms::qt
