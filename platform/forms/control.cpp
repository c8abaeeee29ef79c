#include "platform/forms/control.h"

#include <exception>

#include "common/shown_error.h"
#include "platform/forms/form.h"

namespace forms {

Control::Control(Form& form, std::string name, Kind kind) : form_(form), name_(std::move(name)), kind_(kind) {
    form_.enroll(*this);
}

void Control::setVisible(bool on) {
    visible_ = on;
    changed();
}

void Control::setEnabled(bool on) {
    enabled_ = on;
    changed();
}

void Control::setCaption(const std::string& text) {
    caption_ = text;
    changed();
}

int Control::pressKey(int code) {
    int key = code;
    if (KeyPress) fire([this, &key] { KeyPress(key); });
    return key;
}

void Control::leave() {
    fire(LostFocus);
}

void Control::changed() const {
    for (const auto& o : observers_) o();
}

void Control::fire(const Event& event) const {
    if (!event) return;
    if (form_.eventDepth_ > 0) {
        event();
        return;
    }
    struct Depth {
        int& d;
        explicit Depth(int& depth) : d(depth) { ++d; }
        ~Depth() { --d; }
    } depth(form_.eventDepth_);
    try {
        event();
    } catch (const ProgramExit&) {
        throw;
    } catch (const std::exception& e) {
        form_.dialogs().msgBox(common::ShownText(e));
    }
}

}  // namespace forms
