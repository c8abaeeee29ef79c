// The trigonometric tab played end to end: the default sine, its typeset key-point
// labels and its extreme points, all in the one group.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/office/pptx/deck_connector.h"
#include "run_program.h"
#include "trig_session.h"

namespace fs = std::filesystem;

namespace {

// The four labels are equations, each with its TeX.
TEST(PlayTrig, TheDefaultSineLandsWithItsLabelsAndExtremes) {
    const fs::path dir = freshFolder("play_trig");
    ProgramRun run = playScript(dir, kTrigSession, "functiongraph");
    ASSERT_EQ(run.status, 0) << run.err;
    // 2π lies beyond the default frame's 5: the teacher is asked and goes on.
    EXPECT_EQ(run.out,
              "msgbox: 您所要绘制的函数图像将有部分超出当前坐标范围，您还要继续作图吗？\nanswer: ok\n"
              "List1[0] = 平面直角坐标系(ZBX)\nList1[1] = 点(POINT)  0\nList1[2] = 点(POINT)  1\n"
              "List1[3] = 三角函数(SJ)  0\ncaption = 图像插入PPT已经完成！\n");
    office::pptx::DeckConnector deck((dir / "deck.pptx").string(), 1);
    auto app = deck.attach();
    auto& host = office::slideHost(*app);
    ASSERT_EQ(host.count(), 1);
    auto items = host.item(1)->groupItems();
    std::vector<std::string> labels, tex;
    for (int i = 1; i <= items->count(); ++i) {
        auto shape = items->item(i);
        std::string name = shape->name();
        labels.push_back(name.substr(0, name.find("：")));
        if (shape->isEquation()) tex.push_back(shape->alternativeText());
    }
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "正弦函数"), 1);
    EXPECT_EQ(tex,
              (std::vector<std::string>{"\\frac{ \\pi }{2}", " \\pi ", "\\frac{3 \\pi }{2}", "2 \\pi "}));
    for (const char* label : {"文字标注(PI)/2", "文字标注PI", "文字标注(3PI)/2", "文字标注2PI"})
        EXPECT_EQ(std::count(labels.begin(), labels.end(), label), 1) << label;
    // Each point item brings its dashed guides and its y value.
    EXPECT_GE(labels.size(), 5u + 4u + 2u);
    // π/2 hangs from the x axis, 7 points left of its abscissa.
    for (int i = 1; i <= items->count(); ++i) {
        auto shape = items->item(i);
        if (shape->name().rfind("文字标注(PI)/2：", 0) != 0) continue;
        EXPECT_NEAR(shape->left(), 360 + 27 * 1.5707963 - 7, 0.5);
        EXPECT_NEAR(shape->top(), 270, 0.5);
    }
}

}  // namespace
