#include "platform/forms/dialogs.h"

namespace forms {

Answer ScriptedDialogs::msgBox(const std::string& text, Buttons buttons) {
    shown_.push_back(text);
    if (transcript_) *transcript_ << "msgbox: " << text << '\n';
    if (buttons == Buttons::Ok) return Answer::Ok;
    Answer a = Answer::Ok;
    if (!answers_.empty()) {
        a = answers_.front();
        answers_.pop_front();
    }
    if (transcript_) *transcript_ << "answer: " << (a == Answer::Ok ? "ok" : "cancel") << '\n';
    return a;
}

std::optional<common::Rgb> ScriptedDialogs::chooseColor(common::Rgb) {
    if (colors_.empty()) return std::nullopt;
    common::Rgb c = colors_.front();
    colors_.pop_front();
    return c;
}

}  // namespace forms
