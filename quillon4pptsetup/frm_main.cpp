#include "quillon4pptsetup/frm_main.h"

#include "common/messages.h"
#include "quillon4pptsetup/setup_program.h"

namespace setup {
namespace {
constexpr const char* kMacroAdvice =
    "为了使quillon4ppt能正常运行，您需要将ppt的宏安全性设为低，安装程序不能执行该操作，请您手工在ppt中设置。";
}

frmMain::frmMain(SetupProgram& program) : Form("frmMain", program.dialogs()), program_(program) {
    declareLayout();
    for (int i = 0; i < Command1.size(); ++i) Command1[i].Click = [this, i] { Command1_Click(i); };
}

void frmMain::Form_Load() {
    setCaption(kMainCaption);
    Label1.setCaption(kMacroAdvice);
}

void frmMain::Command1_Click(int index) {
    switch (index) {
        case 0:
            setCaption(program_.setup.InstallFiles(Label1) ? kInstalledCaption
                                                           : common::messages::kSetupCaptionNotInstalled);
            break;
        case 1:
            unload();
            program_.ShowConfig();
            break;
        case 2:
            unload();
            program_.EndProgram();
        case 3:
            program_.setup.UninstallFiles(*this, Label1);
            break;
    }
}

}  // namespace setup
