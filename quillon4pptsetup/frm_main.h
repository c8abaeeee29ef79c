#pragma once
// The installer window: install, settings, uninstall, quit, and a status line.
#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace setup {

class SetupProgram;

class frmMain : public forms::Form {
public:
    explicit frmMain(SetupProgram& program);

    // The window as it opens: its title and the advice in the status line.
    void Form_Load();
    void Command1_Click(int index);

    forms::ControlArray<forms::CommandButton> Command1{*this, "Command1", 4};
    forms::Label Label1{*this, "Label1"};

private:
    void declareLayout();
    SetupProgram& program_;
};

using common::messages::kInstalledCaption;
using common::messages::kMainCaption;

}  // namespace setup
