// Where the controls of the formula window stand, in twips, as a form file says.
#include "quillon4ppt/formula/frm_gs.h"

namespace formula {

namespace {
constexpr common::Rgb kTopicBlue = common::rgb(0, 0, 0xFF);
}

void frmGS::declareLayout() {
    width = 6600, height = 3900;
    txtGS.place(120, 150, 4200, 360);
    txtGS.tabIndex = 0;
    cmdOK.setCaption("确定");
    cmdOK.place(4440, 120, 960, 420);
    cmdOK.tabIndex = 1;
    cmdExit.setCaption("退出");
    cmdExit.place(5520, 120, 960, 420);
    cmdExit.tabIndex = 2;
    for (int i = 1; i <= 7; ++i) {
        lbhelp[i].foreColor = kTopicBlue;
        lbhelp[i].place(120 + (i - 1) * 900, 660, 860, 255);
    }
    lbhelp[0].place(120, 1020, 3000, 2700);
    Image1.place(3240, 1020, 3240, 2700);
}

}  // namespace formula
