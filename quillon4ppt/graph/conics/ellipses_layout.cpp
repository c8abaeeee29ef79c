// Where the controls of the ellipse tab stand, in twips on its page.
#include "quillon4ppt/graph/conics/ellipses_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

constexpr const char* kCaptions[] = {"a²=", "b²=", "x₀=", "y₀=", "A=", "B=", "D=", "E=", "F="};
constexpr int kColumn = 1980, kCaptionWidth = 540;

}  // namespace

void EllipseFamily::declareLayout() {
    const forms::Control* page = &graph_.SSTab1;
    const int tab = kTabEllipse;
    struct Option {
        forms::OptionButton& button;
        const char* equation;
        forms::Frame& frame;
        int left;
    };
    fraStandard_TY.setCaption("标准方程");
    fraTranslated_TY.setCaption("坐标平移型");
    fraGeneral_TY.setCaption("一般方程");
    forms::Frame* frames[] = {&fraStandard_TY, &fraTranslated_TY, &fraGeneral_TY};
    for (int i = 0; i < 3; ++i) frames[i]->place(120, 120 + i * 720, 5880, 660, page, tab);
    for (const Option& o : {Option{optBx_TY, "x²/a²+y²/b²=1", fraStandard_TY, 120},
                            Option{optBy_TY, "y²/a²+x²/b²=1", fraStandard_TY, 3000},
                            Option{optPYx_TY, "(x-x₀)²/a²+(y-y₀)²/b²=1", fraTranslated_TY, 120},
                            Option{optPYy_TY, "(y-y₀)²/a²+(x-x₀)²/b²=1", fraTranslated_TY, 3000},
                            Option{optGeneral_TY, "Ax²+By²+Dx+Ey+F=0", fraGeneral_TY, 120}}) {
        o.button.setCaption(o.equation);
        o.button.place(o.left, 270, 2760, 300, &o.frame);
    }
    // Each box with its captions, one per form that uses it: column, row, captions.
    struct Box {
        forms::TextBox& box;
        int column, row;
        std::initializer_list<int> captions;
    };
    for (const Box& b : {Box{txtA2_TY, 0, 0, {0, 4}}, Box{txtB2_TY, 1, 0, {1, 5}}, Box{txtF_TY, 2, 0, {8}},
                         Box{txtX0_TY, 0, 1, {2, 6}}, Box{txtY0_TY, 1, 1, {3, 7}}}) {
        const int left = 120 + b.column * kColumn, top = 2340 + b.row * 480;
        for (int caption : b.captions) {
            imgTY[caption].setCaption(kCaptions[caption]);
            imgTY[caption].place(left, top + 60, kCaptionWidth, 255, page, tab);
        }
        b.box.place(left + kCaptionWidth + 60, top, 1200, 330, page, tab);
    }
    chkFocus_TY.setCaption("画焦点");
    chkFocus_TY.place(120, 3300, 1320, 300, page, tab);
    chkDirectrix_TY.setCaption("画准线");
    chkDirectrix_TY.place(1560, 3300, 1320, 300, page, tab);
    chkAxis_TY.setCaption("画对称轴");
    chkAxis_TY.place(3000, 3300, 1560, 300, page, tab);
    cmdOK_TY.setCaption("确定");
    cmdOK_TY.place(3120, 3780, 1200, 420, page, tab);
    cmdCancel_TY.setCaption("重置");
    cmdCancel_TY.place(4560, 3780, 1200, 420, page, tab);
}

}  // namespace graph
