// Free-expression curves played end to end: each visible piece lands in the deck as
// one curve.
#include <gtest/gtest.h>

#include "platform/office/pptx/deck_connector.h"
#include "play_curves_session.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

TEST(PlayCurves, EachVisiblePieceLandsAsOneCurve) {
    const fs::path dir = freshFolder("play_curves_expression");
    ProgramRun run = playScript(dir, kExpressionSession, "functiongraph");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "List1[0] = 平面直角坐标系(ZBX)\nList1[1] = 任意函数(ANY)  0\nList1[2] = 任意函数(ANY)  1\n"
              "Label(23) = 函数图像绘制完成！\ncaption = 图像插入PPT已经完成！\n");
    office::pptx::DeckConnector deck((dir / "deck.pptx").string(), 1);
    auto app = deck.attach();
    auto& host = office::slideHost(*app);
    ASSERT_EQ(host.count(), 1);
    auto items = host.item(1)->groupItems();
    std::vector<std::string> labels;
    for (int i = 1; i <= items->count(); ++i) {
        const std::string name = items->item(i)->name();
        labels.push_back(name.substr(0, name.find("：")));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"x轴", "x轴标记", "y轴", "y轴标记", "原点", "任意函数",
                                                "任意函数", "任意函数", "作图记录"}));
}

}  // namespace
