// Where the controls of the settings editor stand, in twips, as a form file says.
#include "settings/frm_config.h"

namespace settings {
namespace {

struct OptionPair {
    forms::ControlArray<forms::OptionButton>& options;
    const char* frame;
    const char* first;
    const char* second;
};

}  // namespace

void frmConfig::declareLayout() {
    setCaption("《Quillon》用户配置");
    width = 4680, height = 4560;
    const char* labels[] = {"图形比例系数：", "刻度比例系数：", "线条粗细"};
    for (int i = 0; i < 3; ++i) {
        Label1[i].setCaption(labels[i]);
        Label1[i].place(240, 300 + 480 * i, 1560, 255);
    }
    Text1[0].place(1860, 240, 1080, 330);
    Text1[1].place(1860, 720, 1080, 330);
    Combo1.place(1860, 1200, 1080, 330);

    OptionPair pairs[] = {{optYkd, "y轴刻度位置", "左侧", "右侧"},
                          {optYtxt, "y轴文字位置", "左侧", "右侧"},
                          {optXkd, "x轴刻度位置", "上方", "下方"},
                          {optXtxt, "x轴文字位置", "上方", "下方"}};
    for (int i = 0; i < 4; ++i) {
        forms::Frame& frame = Frame1[i];
        frame.setCaption(pairs[i].frame);
        frame.place(240 + 2100 * (i % 2), 1740 + 1020 * (i / 2), 1980, 900);
        pairs[i].options[0].setCaption(pairs[i].first);
        pairs[i].options[0].place(180, 360, 840, 300, &frame);
        pairs[i].options[1].setCaption(pairs[i].second);
        pairs[i].options[1].place(1080, 360, 840, 300, &frame);
    }
    cmdOK.setCaption("确定");
    cmdOK.place(1200, 3840, 1080, 420);
    cmdExit.setCaption("返回");
    cmdExit.place(2460, 3840, 1080, 420);
}

}  // namespace settings
