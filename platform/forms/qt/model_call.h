#pragma once
// Nothing may cross Qt's event loop: every model call made from a widget goes
// through here.
#include <functional>

#include "platform/forms/form.h"

namespace forms::qt {

// Runs the call. ProgramExit ends the event loop with its status; another error is
// shown to the teacher as the handlers' errors are; anything else ends the program.
void callModel(Form& form, const std::function<void()>& call);

}  // namespace forms::qt
