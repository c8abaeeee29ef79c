// A tool window open on a live Impress that goes away meanwhile: the next command says
// that the connection is gone, and the program ends with status 1.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/messages.h"
#include "live_impress.h"
#include "platform/forms/dialogs.h"
#include "platform/office/impress/impress_connector.h"
#include "quillon4ppt/launch/program.h"
#include "quillon4ppt/utilities/frm_shape_selecter.h"

namespace fs = std::filesystem;

namespace {

struct UtilitiesLive : ::testing::Test {
    // Short: the office's pipe is named after it.
    fs::path dir =
        fs::path(testing::TempDir()) /
        ("ulive_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()).substr(0, 12));
    std::unique_ptr<LiveImpress> impress;
    forms::ScriptedDialogs dialogs;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        impress = std::make_unique<LiveImpress>(dir, dir / "deck.pptx");
        auto app = impress->attach();
        office::slideHost(*app).addLine(10, 10, 100, 100)->setName("line");
        app->save();
    }
    // The selector is open with its one shape ticked, when `goAway` ends the office's part;
    // an arrow is clicked then.
    void expectEndAtTheNextCommand(const std::function<void()>& goAway) {
        office::impress::ImpressConnector connector(impress->pipe());
        launch::Environment env;
        env.home = QUILLON_PROGRAM_DIR;
        launch::Program program(env, dialogs, connector);
        program.CheckHost();
        utilities::frmShapeSelecter form(program);
        form.Command2[0].click();
        ASSERT_EQ(program.host().activeWindow().selection().shapeRange()->count(), 1);
        goAway();
        dialogs.clearShown();
        try {
            form.Command1[3].click();
            FAIL() << "the program went on without the presentation";
        } catch (const forms::ProgramExit& e) {
            EXPECT_EQ(e.status, 1);
        }
        EXPECT_EQ(dialogs.shown(), std::vector<std::string>{common::messages::kConnectionLost});
        EXPECT_FALSE(fs::exists(fs::current_path() / "quillon.pptx")) << "a deck file was written";
    }
};

TEST_F(UtilitiesLive, AnOfficeKilledWhileTheSelectorIsOpenEndsTheProgramAtTheNextCommand) {
    expectEndAtTheNextCommand([&] { impress->kill(); });
}

TEST_F(UtilitiesLive, APresentationClosedWhileTheSelectorIsOpenEndsTheProgramAtTheNextCommand) {
    expectEndAtTheNextCommand([&] { impress->closePresentation(); });
}

}  // namespace
