#pragma once
// Message boxes on standard error, for a start without a display. A question is
// asked on the terminal when there is one, and answered OK otherwise.
#include <istream>
#include <ostream>

#include "platform/forms/dialogs.h"

namespace forms {

class ConsoleDialogs : public Dialogs {
public:
    ConsoleDialogs(std::ostream& err, std::istream* terminal) : err_(err), terminal_(terminal) {}
    Answer msgBox(const std::string& text, Buttons buttons = Buttons::Ok) override;
    std::optional<common::Rgb> chooseColor(common::Rgb) override { return std::nullopt; }

private:
    std::ostream& err_;
    std::istream* terminal_;
};

}  // namespace forms
