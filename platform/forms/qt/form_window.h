#pragma once
// The window of any form model: one widget per control, built from the controls'
// declared layout and bound to them both ways.
#include <QWidget>
#include <functional>
#include <map>

#include "platform/forms/form.h"

namespace forms::qt {

class Anchors;

// The form must outlive the window. Run it with QApplication::exec(): a ProgramExit
// from a handler ends the event loop with its status; an unloaded form closes the
// window (the last window closed ends the loop with 0).
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form, QWidget* parent = nullptr);

    // Called when the teacher closes the window from its title bar; not when the
    // program unloads the form.
    std::function<void()> onClose;

    // The widget that shows the control, or null.
    QWidget* widgetOf(const std::string& controlName) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* build(Control& control);
    QWidget* containerOf(const Control& control);
    QSize declaredSizeOf(const Control* container) const;
    void place(const Control& control, QWidget* widget);
    void orderTabs();
    void focusFirst();
    void sizeWindow();
    void setFlags();
    void placeOnScreen();
    void showForm();

    Form& form_;
    Anchors* anchors_;
    std::map<const Control*, QWidget*> widgets_;
};

}  // namespace forms::qt
