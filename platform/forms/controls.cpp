#include "platform/forms/controls.h"

#include <algorithm>

#include "platform/forms/form.h"

namespace forms {

void Label::setCaption(const std::string& text) {
    bool differs = text != caption();
    Control::setCaption(text);
    if (differs) fire(Change);
}

void Image::loadPicture(const std::string& path) {
    picture_ = path;
    changed();
}

void Label::setBackColor(common::Rgb c) {
    backColor_ = c;
    changed();
}

void TextBox::setText(const std::string& text) {
    text_ = text;
    changed();
    fire(Change);
}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    changed();
    fire(Click);
}

void OptionButton::setValue(bool on) {
    if (on == value_) return;
    value_ = on;
    if (on)
        for (Control* c : form().controls()) {
            auto* other = dynamic_cast<OptionButton*>(c);
            if (other && other != this && other->group_ == group_ &&
                other->layout.container == layout.container && other->value_) {
                other->value_ = false;
                other->changed();
            }
        }
    changed();
    if (on) fire(Click);
}

void ComboBox::setText(const std::string& text) {
    text_ = text;
    auto it = std::find(items_.begin(), items_.end(), text);
    listIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    changed();
    fire(Change);
}

void ComboBox::addItem(const std::string& item) {
    items_.push_back(item);
    changed();
}

void ComboBox::select(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    listIndex_ = index;
    text_ = items_[index];
    changed();
    fire(Click);
}

void ListBox::addItem(const std::string& item) {
    items_.push_back(item);
    selected_.push_back(false);
    changed();
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    changed();
}

void ListBox::clear() {
    items_.clear();
    selected_.clear();
    listIndex_ = -1;
    changed();
}

bool ListBox::selected(int index) const {
    return index >= 0 && index < static_cast<int>(selected_.size()) && selected_[index];
}

void ListBox::setSelected(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    selected_[index] = on;
    changed();
}

void ListBox::tick(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    selected_[index] = on;
    listIndex_ = index;
    changed();
    fire(Click);
}

std::string ListBox::text() const {
    return listIndex_ < 0 ? std::string() : items_[listIndex_];
}

void ListBox::select(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) return;
    listIndex_ = index;
    changed();
    fire(Click);
}

void ScrollBar::setValue(int v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (v == value_) return;
    value_ = v;
    changed();
    fire(Change);
}

void ScrollBar::setRange(int min, int max) {
    min_ = min, max_ = max;
    changed();
    setValue(value_);
}

void UpDown::setValue(int v) {
    value_ = std::clamp(v, min, max);
    changed();
}

void UpDown::up() {
    if (value_ + increment > max) return;
    setValue(value_ + increment);
    fire(UpClick);
}

void UpDown::down() {
    if (value_ - increment < min) return;
    setValue(value_ - increment);
    fire(DownClick);
}

void TabStrip::setTab(int index) {
    if (index == tab_ || index < 0 || index >= static_cast<int>(captions.size())) return;
    tab_ = index;
    changed();
    fire(Click);
}

void TabStrip::setTabVisible(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(captions.size())) return;
    if (tabVisible.size() < captions.size()) tabVisible.resize(captions.size(), true);
    tabVisible[index] = on;
    changed();
}

void LineSample::setColor(common::Rgb c) {
    color_ = c;
    changed();
}

void LineSample::setStyle(int s) {
    style_ = s;
    changed();
}

void LineSample::setWidth(int w) {
    width_ = w;
    changed();
}

}  // namespace forms
