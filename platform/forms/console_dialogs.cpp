#include "platform/forms/console_dialogs.h"

#include <string>

namespace forms {

Answer ConsoleDialogs::msgBox(const std::string& text, Buttons buttons) {
    err_ << text << '\n';
    if (buttons == Buttons::Ok || !terminal_) return Answer::Ok;
    err_ << "[确定: y / 取消: n] " << std::flush;
    std::string reply;
    std::getline(*terminal_, reply);
    return reply == "n" || reply == "N" ? Answer::Cancel : Answer::Ok;
}

}  // namespace forms
