#pragma once
// The widget of each kind of control, for the factory.
#include <QWidget>

#include "platform/forms/controls.h"
#include "platform/forms/picture_box.h"

namespace forms::qt {

QWidget* makeTextBox(TextBox& box, QWidget* parent);
QWidget* makeComboBox(ComboBox& combo, QWidget* parent);

QWidget* makeCheckBox(CheckBox& check, QWidget* parent);
QWidget* makeOptionButton(OptionButton& option, QWidget* parent);
QWidget* makeListBox(ListBox& list, QWidget* parent);
QWidget* makeScrollBar(ScrollBar& scroll, QWidget* parent);
QWidget* makeUpDown(UpDown& spinner, QWidget* parent);
QWidget* makeTabStrip(TabStrip& strip, QWidget* parent);

}  // namespace forms::qt
