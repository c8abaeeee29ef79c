// Where the controls of the point labeler stand, in twips, as a form file says.
#include "quillon4ppt/utilities/frm_dot.h"

namespace utilities {

namespace {

void title(forms::Control& c, const char* text) {
    c.setCaption(text);
}

}  // namespace

void frmDot::declareLayout() {
    width = 5880, height = 5160;
    title(Label1[0], "标注个数");
    Label1[0].place(120, 255, 900, 255);
    txtDotNumber.place(1020, 195, 720, 330);
    title(Label1[9], "字号");
    Label1[9].place(1980, 255, 540, 255);
    cmbSize.place(2520, 195, 900, 330);
    title(Label1[10], "颜色");
    Label1[10].place(3660, 255, 540, 255);
    swatch().place(4200, 210, 600, 300);
    title(Label1[11], "单击色块可更改颜色");
    Label1[11].place(120, 4400, 2520, 255);

    title(Frame1, "带下标的字母");
    Frame1.place(120, 720, 5640, 1620);
    title(optType[0], "字母不变，下标可变");
    optType[0].place(120, 300, 2640, 300, &Frame1);
    title(optType[1], "字母可变，下标不变");
    optType[1].place(2880, 300, 2640, 300, &Frame1);
    const char* captions[] = {"字母", "起始下标", "起始字母", "下标", "起始字母", "起始数字", "字母", "上标"};
    for (int i = 0; i < 8; ++i) title(Label1[i + 1], captions[i]);
    for (int i = 0; i < 2; ++i) {
        const int left = 360 + 2760 * i;
        Label1[2 * i + 1].place(left, 780, 960, 255, &Frame1);
        txtDotInfo[2 * i].place(left + 1020, 720, 720, 330, &Frame1);
        Label1[2 * i + 2].place(left, 1200, 960, 255, &Frame1);
        txtDotInfo[2 * i + 1].place(left + 1020, 1140, 720, 330, &Frame1);
    }

    title(optType[2], "纯字母");
    title(optType[3], "纯数字");
    title(optType[4], "带上标的字母");
    for (int t = 2; t <= 4; ++t) {
        fraType[t].place(120 + 1920 * (t - 2), 2460, 1800, 1620);
        optType[t].place(120, 300, 1620, 300, &fraType[t]);
        Label1[t + 3].place(120, 780, 900, 255, &fraType[t]);
        txtDotInfo[t + 2].place(1020, 720, 660, 330, &fraType[t]);
    }
    Label1[8].place(120, 1200, 900, 255, &fraType[4]);
    txtDotInfo[7].place(1020, 1140, 660, 330, &fraType[4]);

    title(cmdOk, "确定");
    cmdOk.place(2760, 4320, 1380, 420);
    title(cmdExit, "退出");
    cmdExit.place(4380, 4320, 1380, 420);
}

}  // namespace utilities
