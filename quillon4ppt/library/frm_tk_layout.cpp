// Where the controls of the figure library stand, in twips, as a form file says.
#include "quillon4ppt/library/frm_tk.h"

namespace library {

void frmTK::declareLayout() {
    using forms::AnchorBottom;
    using forms::AnchorLeft;
    using forms::AnchorRight;
    using forms::AnchorTop;
    width = 13200, height = 8700;
    // Opens at the top-left corner of the screen.
    openingCorner = Corner{0, 0};
    TreeView1.place(120, 120, 3000, 7920, nullptr, -1, AnchorLeft | AnchorTop | AnchorBottom);
    dsoFramer1.place(3240, 120, 9840, 7380, nullptr, -1, AnchorLeft | AnchorTop | AnchorRight | AnchorBottom);
    const char* pages[] = {"上一页", "下一页"};
    const char* modes[] = {"插入模式", "编辑模式"};
    for (int i = 0; i < 2; ++i) {
        cmdPageView[i].setCaption(pages[i]);
        cmdPageView[i].place(3240 + 1200 * i, 7620, 1080, 420, nullptr, -1, AnchorLeft | AnchorBottom);
        Option1[i].setCaption(modes[i]);
        Option1[i].place(6000 + 1500 * i, 7680, 1380, 300, nullptr, -1, AnchorLeft | AnchorBottom);
    }
    cmdInsert2PPT.place(11640, 7620, 1440, 420, nullptr, -1, AnchorRight | AnchorBottom);
}

}  // namespace library
