#include "platform/forms/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/forms/qt/convert.h"

namespace forms::qt {

Answer QtDialogs::msgBox(const std::string& text, Buttons buttons) {
    QMessageBox box(window_);
    box.setWindowTitle(window_ ? window_->windowTitle() : QString());
    if (window_) box.setFont(window_->font());
    box.setText(toQString(text));
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    if (buttons == Buttons::OkCancel)
        box.setEscapeButton(box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    box.exec();
    return buttons == Buttons::Ok || box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
}

std::optional<common::Rgb> QtDialogs::chooseColor(common::Rgb initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), window_);
    if (!chosen.isValid()) return std::nullopt;
    return toRgb(chosen);
}

void QtDialogs::msgBoxTitled(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Information, toQString(title), toQString(text), QMessageBox::NoButton,
                    window_);
    if (window_) box.setFont(window_->font());
    box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace forms::qt
