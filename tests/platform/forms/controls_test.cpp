#include <gtest/gtest.h>

#include "common/numbers.h"
#include "test_form.h"

namespace {

struct ControlsTest : ::testing::Test {
    forms::ScriptedDialogs dialogs;
    TestForm form{dialogs};
};

TEST_F(ControlsTest, EveryTextSetFiresChangeEvenWithTheSameText) {
    form.txtA.setText("1");
    form.txtA.setText("1");
    form.txtArr[1].setText("x");
    EXPECT_EQ(form.log, (std::vector<std::string>{"txtA_Change 1", "txtA_Change 1", "txtArr_Change 1"}));
}

TEST_F(ControlsTest, CheckBoxFiresOnlyOnChangeAndClickToggles) {
    form.chk.setValue(0);
    form.chk.click();
    form.chk.click();
    form.chk.setValue(1);
    form.chk.setValue(1);
    EXPECT_EQ(form.log, (std::vector<std::string>{"chk_Click 1", "chk_Click 0", "chk_Click 1"}));
}

TEST_F(ControlsTest, OptionsOfAGroupClearEachOtherAndReselectingFiresNothing) {
    form.opt1.click();
    form.opt1.click();
    form.opt2.setValue(true);
    EXPECT_FALSE(form.opt1.value());
    EXPECT_TRUE(form.opt2.value());
    EXPECT_EQ(form.log, (std::vector<std::string>{"opt1_Click", "opt2_Click"}));
}

TEST_F(ControlsTest, ControlsAreFoundByTheirNames) {
    EXPECT_EQ(form.find("txtArr(1)"), &form.txtArr[1]);
    EXPECT_EQ(form.find("chk"), &form.chk);
    EXPECT_EQ(form.find("txtArr(2)"), nullptr);
}

TEST_F(ControlsTest, ListSelectionAndRemoval) {
    form.list.addItem("a");
    form.list.addItem("b");
    form.list.select(1);
    EXPECT_EQ(form.list.text(), "b");
    form.list.removeItem(1);
    EXPECT_EQ(form.list.text(), "");
    EXPECT_EQ(form.list.listIndex(), -1);
}

TEST_F(ControlsTest, ScrollBarFiresOnChangeAndStaysInItsRange) {
    form.scroll.setRange(-5, 5);
    form.scroll.setValue(2);
    form.scroll.setValue(2);
    form.scroll.setValue(9);
    EXPECT_EQ(form.scroll.value(), 5);
    EXPECT_EQ(form.log, (std::vector<std::string>{"scroll_Change 2", "scroll_Change 5"}));
}

TEST_F(ControlsTest, SpinnerMovesWithinItsRangeOnly) {
    form.spin.up();
    form.spin.up();
    EXPECT_EQ(form.spin.value(), 12);
    EXPECT_EQ(form.log, (std::vector<std::string>{"spin_Up 12"}));
}

TEST_F(ControlsTest, TabStripFiresWhenTheTabChanges) {
    form.tabs.setTab(0);
    form.tabs.setTab(2);
    form.tabs.setTab(7);
    EXPECT_EQ(form.log, (std::vector<std::string>{"tabs_Click 2"}));
}

TEST_F(ControlsTest, AKeyHandlerCanCancelAKey) {
    form.txtArr[0].KeyPress = [](int& k) {
        if (k < '0' || k > '9') k = 0;
    };
    EXPECT_EQ(form.txtArr[0].pressKey('a'), 0);
    EXPECT_EQ(form.txtArr[0].pressKey('5'), '5');
    EXPECT_EQ(form.chk.pressKey(13), 13);
}

TEST_F(ControlsTest, HidingATabIsShownToViews) {
    int heard = 0;
    form.tabs.subscribe([&] { ++heard; });
    form.tabs.setTabVisible(1, false);
    form.tabs.setTabVisible(3, false);
    EXPECT_EQ(form.tabs.tabVisible, (std::vector<bool>{true, false, true}));
    EXPECT_EQ(heard, 1);
}

// What an unforeseen error says is for developers; the teacher reads a Chinese sentence.
TEST_F(ControlsTest, AnErrorInAHandlerIsShownNotThrown) {
    form.failing.click();
    EXPECT_EQ(dialogs.shown(), (std::vector<std::string>{common::messages::kUnexpectedFailure}));
    EXPECT_THROW(form.quit.click(), forms::ProgramExit);
    EXPECT_TRUE(form.unloaded());
}

TEST_F(ControlsTest, RuntimeErrorsAreShownInChinese) {
    form.failing.Click = [] { common::CInt(40000); };
    form.failing.click();
    form.failing.Click = [] { throw common::ShownError("类型不匹配", "a text where a number belongs"); };
    form.failing.click();
    EXPECT_EQ(dialogs.shown(), (std::vector<std::string>{"溢出", "类型不匹配"}));
}

TEST_F(ControlsTest, ViewsHearOfProgramChanges) {
    int heard = 0;
    form.txtA.subscribe([&] { ++heard; });
    form.txtA.setText("a");
    form.txtA.setVisible(false);
    EXPECT_EQ(heard, 2);
}

TEST(ScriptedDialogs, QuestionsTakeQueuedAnswersAndDefaultToOk) {
    forms::ScriptedDialogs d;
    d.queueAnswer(forms::Answer::Cancel);
    EXPECT_EQ(d.msgBox("report"), forms::Answer::Ok);
    EXPECT_EQ(d.msgBox("q1", forms::Buttons::OkCancel), forms::Answer::Cancel);
    EXPECT_EQ(d.msgBox("q2", forms::Buttons::OkCancel), forms::Answer::Ok);
    EXPECT_FALSE(d.chooseColor(0).has_value());
    d.queueColor(255);
    EXPECT_EQ(d.chooseColor(0), 255u);
}

}  // namespace
