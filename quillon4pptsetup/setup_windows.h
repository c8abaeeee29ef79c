#pragma once
// The setup program's windows on screen: one view per window, shown whenever the
// program loads the window.
#include <map>
#include <memory>

#include "platform/forms/qt/form_window.h"
#include "platform/forms/qt/qt_dialogs.h"
#include "quillon4pptsetup/setup_program.h"

namespace setup {

class SetupWindows {
public:
    SetupWindows(SetupProgram& program, forms::qt::QtDialogs& dialogs);
    // The view of the window, or null before the program first showed it.
    forms::qt::FormWindow* viewOf(const forms::Form& window) const;

private:
    void show(forms::Form& window);

    SetupProgram& program_;
    forms::qt::QtDialogs& dialogs_;
    std::map<const forms::Form*, std::unique_ptr<forms::qt::FormWindow>> views_;
};

}  // namespace setup
