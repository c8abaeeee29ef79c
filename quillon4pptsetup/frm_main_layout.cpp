// Where the controls of the installer window stand, in twips, as a form file says.
#include "quillon4pptsetup/frm_main.h"

namespace setup {

void frmMain::declareLayout() {
    width = 6360, height = 2400;
    // One row, left to right: 安装, 配置, 删除, 退出.
    const char* captions[] = {"安装", "配置", "退出", "删除"};
    const int column[] = {0, 1, 3, 2};
    for (int i = 0; i < 4; ++i) {
        Command1[i].setCaption(captions[i]);
        Command1[i].place(240 + 1500 * column[i], 1680, 1320, 480);
        Command1[i].tabIndex = column[i];
    }
    Label1.fontName = "宋体";
    Label1.place(240, 180, 5880, 1320, nullptr, -1,
                 forms::AnchorLeft | forms::AnchorTop | forms::AnchorRight);
}

}  // namespace setup
