#include "platform/forms/form.h"

namespace forms {

void Form::setCaption(const std::string& text) {
    caption_ = text;
    changed();
}

Control* Form::find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Form::unload() {
    unloaded_ = true;
    changed();
}

void Form::load() {
    unloaded_ = false;
    changed();
}

void Form::enroll(Control& control) {
    control.tabIndex = static_cast<int>(controls_.size());
    controls_.push_back(&control);
    byName_[control.name()] = &control;
}

void Form::changed() const {
    for (const auto& o : observers_) o();
}

}  // namespace forms
