// The alternative text a screen reader reads for an inserted graph, family by family.
#include <sstream>

#include "../graph_fixture.h"
#include "platform/forms/play.h"
#include "reopen_sessions.h"

namespace {

struct AltTextTest : GraphFixture {
    std::string altTextOf(const ReopenSession& s) {
        std::istringstream in(s.script);
        std::ostringstream out;
        forms::play(forms::parsePlayScript(in), 0, *g, dialogs, out);
        g->cmdOK.click();
        return program.slideHost().item(1)->alternativeText();
    }
};

TEST_F(AltTextTest, EveryFamilySaysWhatItDraws) {
    const std::string frame = "平面直角坐标系，x从-5到5，y从-5到5；";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Points", frame + "点 (2,3)；点 (-1,0)"},
        {"Lines", frame + "直线 (-2,-5)—(3,5)"},
        {"Circle", frame + "圆 (x-1)²+(y+1)²=4"},
        {"Ellipse", frame + "椭圆 x²/4+y²/1=1"},
        {"Hyperbola", frame + "双曲线 x²/1-y²/1=1"},
        {"Parabola", frame + "抛物线 (y-1)²=4(x-1)"},
        {"Exponential", frame + "指数函数 y=2^x"},
        {"Logarithm", frame + "对数函数 y=log2|x|"},
        {"Power", frame + "幂函数 y=x^(1/3)"},
        {"Inverse", frame + "反比例函数 y=2/x"},
        {"Expression", frame + "任意函数 y=x^2；任意函数 y=1/x"},
        {"Trig", frame + "三角函数 y=2tan(x)"},
    };
    for (const auto& [name, text] : expected) {
        state->slides.assign(1, {});
        state->selected.clear();
        open();
        for (const auto& s : reopenSessions())
            if (s.name == name) {
                EXPECT_EQ(altTextOf(s), text) << name;
            }
    }
}

TEST_F(AltTextTest, WithoutAxesTheFrameIsStillNamed) {
    g->chkNoCoordinate.click();
    point("2", "3");
    g->cmdOK.click();
    EXPECT_EQ(program.slideHost().item(1)->alternativeText(), "函数图像，x从-5到5，y从-5到5；点 (2,3)");
}

}  // namespace
