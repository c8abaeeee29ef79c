#pragma once
// The installer window: install, settings, uninstall, quit, and a status line.
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

constexpr const char* kMainCaption = "《Quillon》安装及配置程序";
constexpr const char* kInstalledCaption = "Quillonppt版已经安装完成！";

}  // namespace setup
