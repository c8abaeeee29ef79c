#include "quillon4pptsetup/setup_program.h"

#include "common/text.h"
#include "platform/forms/control.h"

namespace setup {

SetupProgram::SetupProgram(SetupPaths paths, forms::Dialogs& dialogs, ToolbarRegistrar& toolbar,
                           std::function<void()> DoEvents)
    : setup(std::move(paths), toolbar, std::move(DoEvents)), dialogs_(dialogs) {}

SetupProgram::~SetupProgram() = default;

bool SetupProgram::Main(const std::string& commandLine) {
    std::string verb = common::lowerAscii(commandLine);
    if (verb == "test") return false;
    if (verb == "config")
        ShowConfig();
    else
        ShowMain();
    return true;
}

void SetupProgram::show(forms::Form& window) {
    window.load();
    if (onShow) onShow(window);
}

void SetupProgram::ShowMain() {
    if (!main_) main_ = std::make_unique<frmMain>(*this);
    main_->Form_Load();
    show(*main_);
}

void SetupProgram::ShowConfig() {
    if (!config_)
        config_ = std::make_unique<settings::frmConfig>(dialogs_, db, setup.paths().settingsFolder,
                                                        [this] { ShowMain(); });
    show(*config_);
    config_->Form_Load();
}

void SetupProgram::WindowClosed(forms::Form& window) {
    if (&window == config_.get())
        config_->cmdExit_Click();
    else if (&window == main_.get())
        main_->Command1_Click(2);
}

void SetupProgram::EndProgram(int status) {
    db.CloseConfigDatabase();
    throw forms::ProgramExit{status};
}

forms::Form* SetupProgram::window() const {
    if (config_ && !config_->unloaded()) return config_.get();
    if (main_ && !main_->unloaded()) return main_.get();
    return nullptr;
}

}  // namespace setup
