// Where the controls of the graph workspace stand, in twips, as a form file says.
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

using forms::AnchorBottom;
using forms::AnchorLeft;
using forms::AnchorRight;
using forms::AnchorTop;

constexpr unsigned kLeftBottom = AnchorLeft | AnchorBottom;
constexpr unsigned kRightBottom = AnchorRight | AnchorBottom;

void place(forms::Control& c, int left, int top, int width, int height,
           unsigned anchor = AnchorLeft | AnchorTop, const forms::Control* container = nullptr,
           int page = -1) {
    c.place(left, top, width, height, container, page, anchor);
}

void title(forms::Control& c, const char* text) {
    c.setCaption(text);
}

}  // namespace

void frmGraph::declareLayout() {
    width = 10200, height = 8000;
    place(labZS, 120, 60, 1500, 240);
    place(labYS, 2160, 60, 1500, 240, AnchorRight | AnchorTop);
    place(Picture1, 240, 330, 3200, 3200, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom);
    place(labZX, 120, 3560, 1500, 240, kLeftBottom);
    place(labYX, 2160, 3560, 1500, 240, kRightBottom);
    // The right corners' captions end at the canvas's right edge.
    labYS.alignment = labYX.alignment = 1;

    const char* ends[] = {"左移", "右移", "下移", "上移"};
    for (int i = 0; i < 4; ++i) title(Label[i], ends[i]);
    place(Label[0], 120, 3900, 450, 255, kLeftBottom);
    place(HScrollx, 600, 3900, 2520, 255, kLeftBottom | AnchorRight);
    place(Label[1], 3180, 3900, 450, 255, kRightBottom);
    place(Label[2], 120, 4260, 450, 255, kLeftBottom);
    place(HScrolly, 600, 4260, 2520, 255, kLeftBottom | AnchorRight);
    place(Label[3], 3180, 4260, 450, 255, kRightBottom);

    title(fraAxis, "坐标系");
    place(fraAxis, 120, 4620, 3480, 1140, kLeftBottom);
    title(Label[4], "x轴长度");
    place(Label[4], 120, 330, 780, 255, AnchorLeft | AnchorTop, &fraAxis);
    place(txtLenOfAxis_x, 900, 270, 600, 330, AnchorLeft | AnchorTop, &fraAxis);
    place(udLenOfAxis[1], 1500, 270, 255, 330, AnchorLeft | AnchorTop, &fraAxis);
    title(Label[5], "y轴长度");
    place(Label[5], 1860, 330, 780, 255, AnchorLeft | AnchorTop, &fraAxis);
    place(txtLenOfAxis_y, 2640, 270, 480, 330, AnchorLeft | AnchorTop, &fraAxis);
    place(udLenOfAxis[0], 3120, 270, 255, 330, AnchorLeft | AnchorTop, &fraAxis);
    title(chkDrawScale, "画刻度");
    place(chkDrawScale, 120, 720, 1000, 300, AnchorLeft | AnchorTop, &fraAxis);
    title(chkNoCoordinate, "不画坐标轴");
    place(chkNoCoordinate, 1140, 720, 1300, 300, AnchorLeft | AnchorTop, &fraAxis);
    title(cmdCls, "清屏");
    place(cmdCls, 2520, 690, 840, 360, AnchorLeft | AnchorTop, &fraAxis);

    title(fraLine, "线条");
    place(fraLine, 120, 5880, 3480, 1500, kLeftBottom);
    title(Label[6], "线条粗细");
    place(Label[6], 120, 330, 900, 255, AnchorLeft | AnchorTop, &fraLine);
    place(Combo1, 1020, 270, 720, 330, AnchorLeft | AnchorTop, &fraLine);
    title(Label[7], "线条类型");
    place(Label[7], 1860, 330, 840, 255, AnchorLeft | AnchorTop, &fraLine);
    place(Combo2, 2700, 270, 660, 330, AnchorLeft | AnchorTop, &fraLine);
    title(Label[8], "线条颜色");
    place(Label[8], 120, 780, 900, 255, AnchorLeft | AnchorTop, &fraLine);
    place(labColor, 1020, 735, 720, 300, AnchorLeft | AnchorTop, &fraLine);
    title(cmdChangeColor, "更改");
    place(cmdChangeColor, 1860, 705, 840, 360, AnchorLeft | AnchorTop, &fraLine);
    place(Line1, 120, 1170, 3240, 210, AnchorLeft | AnchorTop, &fraLine);

    place(SSTab1, 3780, 120, 6180, 5160, AnchorRight | AnchorTop | AnchorBottom);
    place(List1, 120, 120, 4300, 4200, AnchorLeft | AnchorTop, &SSTab1, kTabResults);
    title(cmdResult, "删除");
    place(cmdResult, 4600, 240, 1200, 420, AnchorLeft | AnchorTop, &SSTab1, kTabResults);
    title(cmdReset, "重置");
    place(cmdReset, 4600, 840, 1200, 420, AnchorLeft | AnchorTop, &SSTab1, kTabResults);

    title(fraPoint, "描点");
    place(fraPoint, 3780, 5400, 6180, 900, kRightBottom);
    title(Label[13], "描点：点P坐标");
    place(Label[13], 120, 390, 1500, 255, AnchorLeft | AnchorTop, &fraPoint);
    place(txtPoint[0], 1680, 345, 900, 330, AnchorLeft | AnchorTop, &fraPoint);
    place(txtPoint[1], 2700, 345, 900, 330, AnchorLeft | AnchorTop, &fraPoint);
    title(chkPointOnly, "仅画点");
    place(chkPointOnly, 3780, 360, 1000, 300, AnchorLeft | AnchorTop, &fraPoint);
    title(cmdDrawPoint, "描点");
    place(cmdDrawPoint, 4920, 300, 1080, 420, AnchorLeft | AnchorTop, &fraPoint);

    title(chkMultImage, "在同一坐标系下显示多个函数图像");
    place(chkMultImage, 3780, 6450, 3960, 300, kRightBottom);
    title(cmdOK, "插入PPT");
    place(cmdOK, 6600, 6900, 1560, 480, kRightBottom);
    title(cmdCancel, "退出");
    place(cmdCancel, 8280, 6900, 1560, 480, kRightBottom);
}

}  // namespace graph
