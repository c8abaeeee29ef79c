// The point labeler on a deck file it cannot write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../memory_program.h"
#include "deck_files.h"
#include "platform/forms/control.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/utilities/frm_dot.h"

namespace {

TEST(DotOnAReadOnlyDeck, SaysSoOnceAndEndsAsAfterAnyRun) {
    testdecks::TempDir dir;
    const std::string deck = dir.file("ro.pptx");
    testdecks::writeZip(deck, testdecks::foreignDeck());
    const std::string before = testdecks::readFile(deck);
    ASSERT_EQ(::chmod(deck.c_str(), 0444), 0);
    MemoryProgram around;
    office::pptx::DeckConnector connector(deck, 1);
    launch::Program program(around.env, around.dialogs, connector);
    program.CheckHost();
    program.LoadSettings();
    utilities::frmDot dot(program);
    int status = -1;
    try {
        dot.cmdOk.click();
    } catch (const forms::ProgramExit& e) {
        status = e.status;
    }
    EXPECT_TRUE(dot.unloaded());
    EXPECT_EQ(status, 1);
    EXPECT_EQ(around.dialogs.shown(),
              std::vector<std::string>{
                  "演示文稿 " + deck +
                  " 是只读文件，这次的改动没有保存。请取消它的只读属性，或者换一个可以写入的文件后再试。"});
    EXPECT_EQ(testdecks::readFile(deck), before);
}

}  // namespace
