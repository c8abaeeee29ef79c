#pragma once
// One widget per control, bound to it both ways. Every window is built from its
// controls' declarations, so a new window needs no GUI code of its own.
#include <QWidget>

#include "platform/forms/control.h"

namespace forms::qt {

QWidget* createWidget(Control& control, QWidget* parent);

}  // namespace forms::qt
