#include "platform/forms/play.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_form.h"

namespace {

struct PlayTest : ::testing::Test {
    std::ostringstream out;
    forms::ScriptedDialogs dialogs{&out};
    TestForm form{dialogs};

    void run(const std::string& script) {
        std::istringstream in(script);
        auto actions = forms::parsePlayScript(in);
        std::size_t from = forms::queueLeadingAnswers(actions, dialogs);
        forms::play(actions, from, form, dialogs, out);
    }
};

TEST_F(PlayTest, SetKeepsTheRestOfTheLineVerbatim) {
    run("# a comment\n\nset txtA   two  blanks \nset txtArr(0) \nprint txtA\n");
    EXPECT_EQ(form.txtA.text(), "  two  blanks ");
    EXPECT_EQ(out.str(), "txtA =   two  blanks \n");
    EXPECT_EQ(form.log.back(), "txtArr_Change 0");
}

TEST_F(PlayTest, ActionsReachTheirControls) {
    form.list.addItem("平面直角坐标系(ZBX)");
    form.list.addItem("点(POINT)  0");
    run("click chk\ncheck chk 1\nchoose opt2\nselect list 1\nkey txtA 13\nleave txtA\nspin spin up\n"
        "scroll scroll 3\ntab tabs 1\nclick cmd\nprint list\nprint chk\nprint opt2\n");
    EXPECT_EQ(form.log, (std::vector<std::string>{"chk_Click 1", "opt2_Click", "list_Click 点(POINT)  0",
                                                  "txtA_KeyPress 13", "txtA_LostFocus", "spin_Up 12",
                                                  "scroll_Change 3", "tabs_Click 1", "cmd_Click"}));
    EXPECT_EQ(out.str(), "list[0] = 平面直角坐标系(ZBX)\nlist[1] = 点(POINT)  0\nchk = 1\nopt2 = 1\n");
}

TEST_F(PlayTest, AnswersAndMessagesAreWrittenToTheTranscript) {
    form.cmd.Click = [this] {
        dialogs.msgBox("sure?", forms::Buttons::OkCancel);
        dialogs.msgBox("done");
    };
    form.setCaption("标题");
    run("answer cancel\nclick cmd\nprint caption\n");
    EXPECT_EQ(out.str(), "msgbox: sure?\nanswer: cancel\nmsgbox: done\ncaption = 标题\n");
}

TEST_F(PlayTest, ScriptErrorsNameTheLine) {
    EXPECT_THROW(run("frobnicate x\n"), forms::PlayError);
    EXPECT_THROW(run("click nothere\n"), forms::PlayError);
    EXPECT_THROW(run("set chk 1\n"), forms::PlayError);
    EXPECT_THROW(run("check chk 2\n"), forms::PlayError);
    EXPECT_THROW(run("select list 5\n"), forms::PlayError);
    try {
        run("\nclick nothere\n");
    } catch (const forms::PlayError& e) {
        EXPECT_STREQ(e.what(), "line 2: there is no control \"nothere\"");
    }
}

TEST_F(PlayTest, ThePlayEndsWhenTheWindowEndsTheProgram) {
    EXPECT_THROW(run("click quit\nclick cmd\n"), forms::ProgramExit);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(PlayTest, BracketIndexesNameArrayElements) {
    run("set txtArr[1] x\n");
    EXPECT_EQ(form.txtArr[1].text(), "x");
}

}  // namespace

namespace {

TEST_F(PlayTest, TickTogglesEntriesOfAMultiSelectListAndFiresItsClick) {
    forms::ListBox ticks{form, "ticks"};
    ticks.multiSelect = true;
    for (const char* item : {"a", "b", "c"}) ticks.addItem(item);
    std::vector<std::string> clicks;
    ticks.Click = [&] {
        clicks.push_back(std::to_string(ticks.listIndex()) + (ticks.selected(ticks.listIndex()) ? "+" : "-"));
    };
    run("tick ticks 2 1\ntick ticks 0 1\ntick ticks 2 0\n");
    EXPECT_EQ(clicks, (std::vector<std::string>{"2+", "0+", "2-"}));
    EXPECT_TRUE(ticks.selected(0));
    EXPECT_FALSE(ticks.selected(1) || ticks.selected(2));
    EXPECT_THROW(run("tick ticks 3 1\n"), forms::PlayError);
    EXPECT_THROW(run("tick ticks 1 2\n"), forms::PlayError);
    EXPECT_THROW(run("tick list 0 1\n"), forms::PlayError);
}

TEST_F(PlayTest, PrintSelectionWritesTheSelectedShapesInOrder) {
    std::istringstream in("print selection\n");
    auto actions = forms::parsePlayScript(in);
    forms::PlaySession session{form, dialogs, out, [] {
                                   return std::vector<std::string>{"点：1", "TextBox 3"};
                               }};
    forms::play(actions, 0, session);
    EXPECT_EQ(out.str(), "selection[0] = 点：1\nselection[1] = TextBox 3\n");
    EXPECT_THROW(run("print selection\n"), forms::PlayError);
}

}  // namespace
