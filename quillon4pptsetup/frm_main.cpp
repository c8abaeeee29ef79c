#include "quillon4pptsetup/frm_main.h"

#include "quillon4pptsetup/setup_program.h"

namespace setup {
using common::messages::kMacroAdvice;

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
            program_.setup.InstallFiles(Label1);
            setCaption(kInstalledCaption);
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
