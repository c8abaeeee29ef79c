// Where the controls of the shape selector stand, in twips, as a form file says.
#include "quillon4ppt/utilities/frm_shape_selecter.h"

namespace utilities {

void frmShapeSelecter::declareLayout() {
    width = 4560, height = 5280;
    List1.place(120, 120, 2700, 3600);
    // The full names only stand behind the entries of List1.
    List2.place(120, 120, 2700, 3600);
    List2.setVisible(false);

    Label1.setCaption("移动：");
    Label1.place(3000, 150, 1400, 255);
    const char* arrows[] = {"↑", "↓", "←", "→"};
    for (int i = 0; i < 4; ++i) Command1[i].setCaption(arrows[i]);
    Command1[0].place(3480, 480, 420, 420);
    Command1[2].place(3000, 960, 420, 420);
    Command1[3].place(3960, 960, 420, 420);
    Command1[1].place(3480, 1440, 420, 420);

    Command2[0].setCaption("全部选中");
    Command2[0].place(3000, 2280, 1380, 420);
    Command2[1].setCaption("反向选择");
    Command2[1].place(3000, 2820, 1380, 420);

    txtTextBox.place(120, 3840, 2700, 1260);
    cmdChangeText.setCaption("修改");
    cmdChangeText.place(3000, 3840, 1380, 420);
}

}  // namespace utilities
