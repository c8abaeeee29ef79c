// The exponential, logarithmic, power and inverse-proportion tabs played end to end.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/office/pptx/deck_connector.h"
#include "power_curves_session.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

TEST(PlayPowerCurves, EveryCurveLandsInTheGroupInListOrder) {
    const fs::path dir = freshFolder("play_power_curves");
    ProgramRun run = playScript(dir, kPowerCurvesSession, "functiongraph");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "txtXmin_Exponent = -3.3\ntxtXmax_Exponent =  2.3\n"
              "List1[0] = 平面直角坐标系(ZBX)\nList1[1] = 指数函数(AX)  0\nList1[2] = 对数函数(LogX)  0\n"
              "List1[3] = 幂函数(MI)  0\nList1[4] = 反比例函数(FBLHS)  0\n"
              "caption = 图像插入PPT已经完成！\n");
    office::pptx::DeckConnector deck((dir / "deck.pptx").string(), 1);
    auto app = deck.attach();
    auto& host = office::slideHost(*app);
    ASSERT_EQ(host.count(), 1);
    auto items = host.item(1)->groupItems();
    std::vector<std::string> labels;
    for (int i = 1; i <= items->count(); ++i) {
        std::string name = items->item(i)->name();
        labels.push_back(name.substr(0, name.find("：")));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"x轴", "x轴标记", "y轴", "y轴标记", "原点", "指数函数",
                                                "对数函数", "对数函数", "幂函数", "幂函数", "反比例函数",
                                                "反比例函数", "作图记录"}));
    // 2^x from -3.3 to 2.3 on the default 27-point unit about (360, 270).
    auto exponential = items->item(6);
    EXPECT_NEAR(exponential->left(), 360 - 27 * 3.3, 0.5);
    EXPECT_NEAR(exponential->top() + exponential->height(), 270 - 27 * std::pow(2, -3.3), 0.5);
}

}  // namespace
