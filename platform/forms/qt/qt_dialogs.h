#pragma once
// Real message boxes and the colour dialog, modal to the window.
#include <QPointer>
#include <QWidget>

#include "platform/forms/dialogs.h"

namespace forms::qt {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window = nullptr) : window_(window) {}
    // The dialogs exist before the window: the program names it once it is built.
    void setWindow(QWidget* window) { window_ = window; }

    // Titled with the window's caption, buttons 确定 and 取消.
    Answer msgBox(const std::string& text, Buttons buttons = Buttons::Ok) override;
    std::optional<common::Rgb> chooseColor(common::Rgb initial) override;
    void msgBoxTitled(const std::string& text, const std::string& title) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace forms::qt
