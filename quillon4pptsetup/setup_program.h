#pragma once
// The setup program: its verbs, its two windows and the state they share.
#include <functional>
#include <memory>
#include <string>

#include "platform/forms/dialogs.h"
#include "quillon4pptsetup/frm_main.h"
#include "quillon4pptsetup/mod_setup.h"
#include "settings/config_database.h"
#include "settings/frm_config.h"

namespace setup {

class SetupProgram {
public:
    // DoEvents lets the window's message loop run once (nothing to do without one).
    SetupProgram(SetupPaths paths, forms::Dialogs& dialogs, ToolbarRegistrar& toolbar,
                 std::function<void()> DoEvents = {});
    ~SetupProgram();

    // Acts on the command line, compared in lower case and not trimmed: "test" ends
    // at once (false), "config" opens the settings editor, anything else frmMain.
    bool Main(const std::string& commandLine);

    // Load a window (again) and show it; each window exists once.
    void ShowMain();
    void ShowConfig();
    // The teacher closed the window from its title bar.
    void WindowClosed(forms::Form& window);
    // Closes the database and ends the program (forms::ProgramExit).
    [[noreturn]] void EndProgram(int status = 0);

    // The window on screen, or null when none is.
    forms::Form* window() const;
    // A window was loaded: the view shows it.
    std::function<void(forms::Form&)> onShow;

    forms::Dialogs& dialogs() { return dialogs_; }
    settings::ConfigDatabase db;
    modSetup setup;

private:
    void show(forms::Form& window);

    forms::Dialogs& dialogs_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<settings::frmConfig> config_;
};

}  // namespace setup
