#pragma once
// The state a run of the tool program shares with its windows: the presentation it
// works on, the start-up flags, the settings, the dialogs; and the exit routine.
#include <memory>
#include <optional>
#include <string>

#include "platform/forms/dialogs.h"
#include "platform/office/host.h"
#include "platform/registry/registry_file.h"
#include "quillon4ppt/launch/environment.h"
#include "quillon4ppt/launch/instance_lock.h"
#include "settings/axis_settings.h"

namespace launch {

class Program {
public:
    Program(Environment env, forms::Dialogs& dialogs, office::HostConnector& connector);

    // Asks the start-up questions, attaches to the presentation or starts a new one.
    // Ends the program (forms::ProgramExit) when the teacher cancels or no
    // presentation can be reached.
    void CheckHost();
    // SettingsError when config.mdb cannot be read.
    void LoadSettings();

    office::Application& host();
    office::SlideHost& slideHost() { return office::slideHost(host()); }
    // A command of the teacher's that may change the slide: one step to undo, and all or
    // nothing. Unless commandDone() ends it, what it changed is taken back.
    office::CommandScope command() { return office::CommandScope(host()); }
    // The command succeeded: its step is closed and made to last. A failure to save is
    // told to the teacher here, and the same failure only once, however often it recurs.
    void commandDone(office::CommandScope& command);

    // Saves what must be saved, releases the presentation and ends the program at
    // once: throws forms::ProgramExit, which unwinds every handler.
    [[noreturn]] void ExitProgram(int status = 0);

    forms::Dialogs& dialogs() { return dialogs_; }
    // Another tool program was running when this one started.
    bool anotherInstanceRunning() const { return instanceLock_ && instanceLock_->othersRunning(); }
    const Environment& environment() const { return env_; }

    bool MathTypeFound = false;
    settings::AxisSettings AxisSettings;

private:
    void startNewInstance();
    void reportSaveFailure(const office::HostError& e);

    Environment env_;
    forms::Dialogs& dialogs_;
    office::HostConnector& connector_;
    std::optional<registry::RegistryFile> registry_;
    std::unique_ptr<office::Application> host_;
    std::unique_ptr<InstanceLock> instanceLock_;
    std::string reportedSaveFailure_;
};

}  // namespace launch
