// Where the controls of the circle tab stand, in twips on its page.
#include "quillon4ppt/graph/conics/circles_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

constexpr const char* kCaptions[] = {"r²=", "a=", "b=", "D=", "E=", "F="};

}  // namespace

void CircleFamily::declareLayout() {
    const forms::Control* page = &graph_.SSTab1;
    const int tab = kTabCircle;
    fraStandard_Y.setCaption("标准方程");
    fraStandard_Y.place(120, 120, 5880, 720, page, tab);
    optXYR.setCaption("x²+y²=r²");
    optXYR.place(120, 300, 2400, 300, &fraStandard_Y);
    optXaYbR.setCaption("(x-a)²+(y-b)²=r²");
    optXaYbR.place(2760, 300, 3000, 300, &fraStandard_Y);
    fraGeneral_Y.setCaption("一般方程");
    fraGeneral_Y.place(120, 960, 5880, 720, page, tab);
    optGeneral_Y.setCaption("x²+y²+Dx+Ey+F=0");
    optGeneral_Y.place(120, 300, 3600, 300, &fraGeneral_Y);
    forms::TextBox* boxes[] = {&txtR2, &txta, &txtb};
    for (int i = 0; i < 3; ++i) {
        const int left = 120 + i * 1980;
        // A box's two captions share its place: one form shows one of them.
        for (int caption : {i, i + 3}) {
            imgYuan[caption].setCaption(kCaptions[caption]);
            imgYuan[caption].place(left, 2040, 540, 255, page, tab);
        }
        boxes[i]->place(left + 600, 1980, 1200, 330, page, tab);
    }
    chkCentreOfCircle.setCaption("画圆心");
    chkCentreOfCircle.place(120, 2640, 1500, 300, page, tab);
    cmdOK_Y.setCaption("确定");
    cmdOK_Y.place(3120, 3660, 1200, 420, page, tab);
    cmdCancel_Y.setCaption("重置");
    cmdCancel_Y.place(4560, 3660, 1200, 420, page, tab);
}

}  // namespace graph
