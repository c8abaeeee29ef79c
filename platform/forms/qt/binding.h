#pragma once
// Keeps a widget and its control in step both ways.
#include <QWidget>
#include <functional>

#include "platform/forms/control.h"

namespace forms::qt {

using Show = std::function<void()>;

// Shows the control in the widget now and after every change the program makes.
// The widget's signals are blocked meanwhile, so showing fires no model event.
Show follow(Control& control, QWidget* widget, std::function<void()> showOwn);

// A teacher's action: the model call, then the widget shows the model again, since a
// handler may refuse or change what the teacher did.
void act(Control& control, const Show& show, const std::function<void()>& call);

// Key presses go to the control's KeyPress (a cancelled key never reaches the widget);
// the focus leaving for another control of the window is its LostFocus.
void forwardKeysAndFocus(Control& control, QWidget* widget);

}  // namespace forms::qt
