// A teacher's session on the lines, circle and ellipse tabs, played by control name.
#include <sstream>

#include "graph_fixture.h"
#include "platform/forms/play.h"

namespace {

using PlayedConicsTest = GraphFixture;

TEST_F(PlayedConicsTest, EveryNamedControlAnswersToItsName) {
    std::istringstream script(R"(tab SSTab1 1
choose optType_ZX(1)
set txtZX(0) (1,1)
set txtZX(1) 2
print Label(12)
print txtZX(3)
print txtZX(4)
click cmdOK_ZX(0)
tab SSTab1 8
choose optGeneral_Y
set txtR2 -2
set txta 4
set txtb -4
check chkCentreOfCircle 1
click cmdOK_Y
tab SSTab1 9
choose optBy_TY
set txtA2_TY 25
set txtB2_TY 9
check chkFocus_TY 1
check chkDirectrix_TY 1
answer cancel
click cmdOK_TY
print imgTY(0)
print List1
)");
    std::ostringstream out;
    auto actions = forms::parsePlayScript(script);
    forms::play(actions, 0, *g, dialogs, out);
    EXPECT_EQ(out.str(),
              "Label(12) = ≤ x ≤\n"
              "txtZX(3) = -2\n"
              "txtZX(4) =  3\n"
              "imgTY(0) = a²=\n"
              "List1[0] = 平面直角坐标系(ZBX)\n"
              "List1[1] = 直线(ZX)  0\n"
              "List1[2] = 圆(Yuan)  0\n");
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{graph::kOutOfFrameQuestion});
}

}  // namespace
