#include <gtest/gtest.h>

#include <filesystem>

#include "quillon4ppt/launch/instance_lock.h"
#include "quillon4ppt/utilities/frm_shape_selecter.h"
#include "utilities_fixture.h"

using utilities::frmShapeSelecter;

namespace {

struct ShapeSelecterTest : UtilitiesFixture {
    std::unique_ptr<frmShapeSelecter> form;

    // A slide as the graph workspace and the teacher left it: a named curve, a shape
    // of the presentation program's own naming and a text box.
    void SetUp() override {
        start();
        host().addLine(0, 0, 10, 10)->setName("正弦曲线：123");
        host().addShape(office::kShapeOval, 100, 100, 20, 20)->setName("Rectangle 5");
        auto label = host().addLabel(office::kTextHorizontal, 200, 50, 40, 60);
        label->setName("横坐标标注：77");
        label->textFrame().textRange().setText("x");
    }
    void open() { form = std::make_unique<frmShapeSelecter>(*program); }
};

TEST_F(ShapeSelecterTest, ListsEveryShapeByTheLabelPartOfItsName) {
    open();
    EXPECT_EQ(form->caption(), "对象选择器");
    EXPECT_EQ(form->List1.items(), (std::vector<std::string>{"正弦曲线", "Rectangle 5", "横坐标标注"}));
    EXPECT_EQ(form->List2.items(),
              (std::vector<std::string>{"正弦曲线：123", "Rectangle 5", "横坐标标注：77"}));
    EXPECT_FALSE(form->List2.visible());
    EXPECT_TRUE(form->topMost);
    EXPECT_FALSE(form->txtTextBox.enabled());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ShapeSelecterTest, AnEmptySlideIsSaidAtLoadAndOnSelectAll) {
    while (host().count() > 0) host().item(1)->remove();
    open();
    EXPECT_TRUE(form->List1.items().empty());
    form->Command2[0].click();
    EXPECT_EQ(dialogs.shown(),
              (std::vector<std::string>{utilities::kNoShapesOnLoad, "当前页中没有图形对象"}));
}

TEST_F(ShapeSelecterTest, TwoTickedItemsSelectBothShapesAndNoText) {
    open();
    form->List1.tick(0, true);
    form->List1.tick(1, true);
    EXPECT_EQ(selectedNames(), (std::vector<std::string>{"正弦曲线：123", "Rectangle 5"}));
    EXPECT_TRUE(form->List2.selected(0) && form->List2.selected(1) && !form->List2.selected(2));
    EXPECT_FALSE(form->txtTextBox.enabled());
    EXPECT_FALSE(form->cmdChangeText.enabled());
    EXPECT_EQ(state->calls.back(), "Activate");
}

TEST_F(ShapeSelecterTest, OneTickedTextBoxShowsItsTextAndChangeRewritesIt) {
    open();
    form->List1.tick(2, true);
    EXPECT_EQ(form->txtTextBox.text(), "x");
    EXPECT_TRUE(form->txtTextBox.enabled());
    EXPECT_TRUE(form->cmdChangeText.enabled());
    form->txtTextBox.setText("P′");
    form->cmdChangeText.click();
    EXPECT_EQ(host().item("横坐标标注：77")->textFrame().textRange().text(), "P′");
    EXPECT_GT(state->saves, 0);

    form->List1.tick(2, false);
    form->List1.tick(1, true);
    EXPECT_FALSE(form->txtTextBox.enabled());
}

TEST_F(ShapeSelecterTest, ArrowsMoveTheSelectionByOnePoint) {
    open();
    form->List1.tick(1, true);
    form->List1.tick(2, true);
    form->Command1[0].click();  // ↑
    form->Command1[3].click();  // →
    EXPECT_EQ(form->Command1[0].caption(), "↑");
    EXPECT_FLOAT_EQ(host().item("Rectangle 5")->top(), 99);
    EXPECT_FLOAT_EQ(host().item("Rectangle 5")->left(), 101);
    EXPECT_FLOAT_EQ(host().item("横坐标标注：77")->top(), 49);
    EXPECT_FLOAT_EQ(host().item("横坐标标注：77")->left(), 201);
    form->Command1[1].click();
    form->Command1[2].click();
    EXPECT_FLOAT_EQ(host().item("Rectangle 5")->top(), 100);
    EXPECT_FLOAT_EQ(host().item("Rectangle 5")->left(), 100);
    EXPECT_FLOAT_EQ(host().item("正弦曲线：123")->top(), 0);
}

TEST_F(ShapeSelecterTest, SelectAllAndInvertSelectionFollowOnTheSlide) {
    open();
    form->List1.tick(0, true);
    form->Command2[1].click();
    EXPECT_FALSE(form->List1.selected(0));
    EXPECT_TRUE(form->List1.selected(1) && form->List1.selected(2));
    EXPECT_EQ(selectedNames(), (std::vector<std::string>{"Rectangle 5", "横坐标标注：77"}));
    form->Command2[0].click();
    EXPECT_EQ(selectedNames().size(), 3u);
    form->Command2[1].click();
    EXPECT_TRUE(selectedNames().empty());
}

TEST_F(ShapeSelecterTest, UntickingEverythingLeavesNothingToMove) {
    open();
    form->List1.tick(1, true);
    form->List1.tick(1, false);
    EXPECT_TRUE(selectedNames().empty());
    form->Command1[3].click();
    EXPECT_FLOAT_EQ(host().item("Rectangle 5")->left(), 100);
    EXPECT_EQ(dialogs.shown(), (std::vector<std::string>{utilities::kShapesChanged}));
}

TEST_F(ShapeSelecterTest, ShapesRenamedOrDeletedAfterLoadReloadTheLists) {
    open();
    host().item("Rectangle 5")->setName("圆：9");
    host().item("正弦曲线：123")->remove();
    form->List1.tick(1, true);
    EXPECT_EQ(dialogs.shown(), (std::vector<std::string>{"图形对象已改变，列表已更新。"}));
    EXPECT_EQ(form->List1.items(), (std::vector<std::string>{"圆", "横坐标标注"}));
    EXPECT_FALSE(form->List1.selected(0) || form->List1.selected(1));
    EXPECT_TRUE(selectedNames().empty());

    form->List1.tick(0, true);
    EXPECT_EQ(selectedNames(), (std::vector<std::string>{"圆：9"}));
    host().item("圆：9")->remove();
    form->cmdChangeText.click();
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(form->List1.items(), (std::vector<std::string>{"横坐标标注"}));
}

TEST_F(ShapeSelecterTest, ASecondRunningProgramClosesTheSelectorAtOnce) {
    auto folder =
        std::filesystem::path(testing::TempDir()) /
        ("selecter_lock_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(folder);
    launch::InstanceLock running(folder);
    env.runtimeFolder = folder;
    start();
    EXPECT_TRUE(program->anotherInstanceRunning());
    EXPECT_THROW(open(), forms::ProgramExit);
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
