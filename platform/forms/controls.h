#pragma once
// The standard controls of a window.
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name) : Control(f, std::move(name), Kind::Button) {}
    void click() { fire(Click); }
    Event Click;
};

// Also serves as a colour swatch (backColor) that can be clicked.
class Label : public Control {
public:
    Label(Form& f, std::string name) : Control(f, std::move(name), Kind::Label) {}
    void setCaption(const std::string& text) override;
    common::Rgb backColor() const { return backColor_; }
    void setBackColor(common::Rgb c);
    bool opaque = false;  // shows its back colour
    int alignment = 0;    // 0 left, 1 right, 2 centred
    common::Rgb foreColor = common::kBlack;
    void click() { fire(Click); }
    Event Click;
    Event Change;

private:
    common::Rgb backColor_ = common::kWhite;
};

class TextBox : public Control {
public:
    TextBox(Form& f, std::string name) : Control(f, std::move(name), Kind::TextBox) {}
    const std::string& text() const { return text_; }
    // Every assignment fires Change, as the handlers expect.
    void setText(const std::string& text);
    std::string valueText() const override { return text_; }
    bool multiLine = false;
    Event Change;

private:
    std::string text_;
};

class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string name) : Control(f, std::move(name), Kind::CheckBox) {}
    int value() const { return value_; }
    bool checked() const { return value_ == 1; }
    // Fires Click when the value changes.
    void setValue(int v);
    void click() { setValue(value_ == 1 ? 0 : 1); }
    std::string valueText() const override { return std::to_string(value_); }
    Event Click;

private:
    int value_ = 0;
};

// Option buttons of one group clear each other; a handler may also clear buttons
// of other groups itself.
class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string name, int group = 0)
        : Control(f, std::move(name), Kind::Option), group_(group) {}
    bool value() const { return value_; }
    // Selecting fires Click when the button was not selected before.
    void setValue(bool on);
    void click() { setValue(true); }
    int group() const { return group_; }
    std::string valueText() const override { return value_ ? "1" : "0"; }
    Event Click;

private:
    int group_;
    bool value_ = false;
};

class ComboBox : public Control {
public:
    ComboBox(Form& f, std::string name) : Control(f, std::move(name), Kind::Combo) {}
    const std::string& text() const { return text_; }
    void setText(const std::string& text);  // fires Change
    const std::vector<std::string>& items() const { return items_; }
    void addItem(const std::string& item);
    int listIndex() const { return listIndex_; }
    void select(int index);  // fires Click
    std::string valueText() const override { return text_; }
    Event Change;
    Event Click;

private:
    std::string text_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ListBox : public Control {
public:
    ListBox(Form& f, std::string name) : Control(f, std::move(name), Kind::List) {}
    const std::vector<std::string>& items() const { return items_; }
    void addItem(const std::string& item);
    void removeItem(int index);
    void clear();
    int listIndex() const { return listIndex_; }
    // The selected entry's text, empty when none is selected.
    std::string text() const;
    void select(int index);  // fires Click
    std::string valueText() const override { return text(); }
    Event Click;

    // A multi-select list keeps a selection state per entry.
    bool multiSelect = false;
    bool selected(int index) const;
    // From the program: no Click, so a handler that changes many entries runs its
    // follow-up once.
    void setSelected(int index, bool on);
    // The teacher ticks or unticks an entry: it becomes the current one, and Click fires.
    void tick(int index, bool on);

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::vector<bool> selected_;
};

class ScrollBar : public Control {
public:
    ScrollBar(Form& f, std::string name) : Control(f, std::move(name), Kind::ScrollBar) {}
    int value() const { return value_; }
    void setValue(int v);  // fires Change when the value changes
    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    std::string valueText() const override { return std::to_string(value_); }
    Event Change;

private:
    int value_ = 0, min_ = 0, max_ = 100;
};

// An up-down spinner: a click that stays within the range moves the value by the
// increment and fires UpClick or DownClick; at the end of the range it does nothing.
class UpDown : public Control {
public:
    UpDown(Form& f, std::string name) : Control(f, std::move(name), Kind::UpDown) {}
    int value() const { return value_; }
    void setValue(int v);
    int min = 0, max = 10, increment = 1;
    void up();
    void down();
    std::string valueText() const override { return std::to_string(value_); }
    Event UpClick;
    Event DownClick;

private:
    int value_ = 0;
};

class TabStrip : public Control {
public:
    TabStrip(Form& f, std::string name) : Control(f, std::move(name), Kind::Tabs) {}
    int tab() const { return tab_; }
    void setTab(int index);  // fires Click when the tab changes
    std::vector<std::string> captions;
    std::vector<bool> tabVisible;  // a missing entry is a visible tab
    void setTabVisible(int index, bool on);
    std::string valueText() const override { return std::to_string(tab_); }
    Event Click;

private:
    int tab_ = 0;
};

class Frame : public Control {
public:
    Frame(Form& f, std::string name) : Control(f, std::move(name), Kind::Frame) {}
};

// A picture of an equation: the picture file loaded into it, else its caption as text.
class Image : public Control {
public:
    Image(Form& f, std::string name) : Control(f, std::move(name), Kind::Image) {}
    void click() { fire(Click); }
    Event Click;
    const std::string& picture() const { return picture_; }
    void loadPicture(const std::string& path);
    std::string valueText() const override { return picture_.empty() ? caption() : picture_; }

private:
    std::string picture_;
};

// The sample line of the line-style controls.
class LineSample : public Control {
public:
    LineSample(Form& f, std::string name) : Control(f, std::move(name), Kind::Line) {}
    common::Rgb color() const { return color_; }
    int style() const { return style_; }
    int width() const { return width_; }
    void setColor(common::Rgb c);
    void setStyle(int s);
    void setWidth(int w);

private:
    common::Rgb color_ = common::kBlack;
    int style_ = 1, width_ = 1;
};

}  // namespace forms
