// A tool window open on a live Impress that goes away meanwhile: the next command says
// that the connection is gone, and the program ends with status 1.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/messages.h"
#include "live_impress.h"
#include "platform/forms/dialogs.h"
#include "platform/office/impress/impress_connector.h"
#include "platform/office/pptx/deck_connector.h"
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
    std::unique_ptr<office::impress::ImpressConnector> connector;
    forms::ScriptedDialogs dialogs;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        // A deck file with a text box, which Impress opens as a custom shape.
        writeBlankDeck(dir / "deck.pptx");
        auto deck = office::pptx::DeckConnector((dir / "deck.pptx").string(), 1).attach();
        auto box = office::slideHost(*deck).addLabel(office::kTextHorizontal, 100, 100, 200, 40);
        box->setName("box");
        box->textFrame().textRange().setText("AB");
        office::slideHost(*deck).addShape(office::kShapeOval, 300, 300, 50, 50)->setName("oval");
        office::slideHost(*deck).item("oval")->textFrame().textRange().setText("O");
        deck->save();
        impress = std::make_unique<LiveImpress>(dir, dir / "deck.pptx");
        connector = std::make_unique<office::impress::ImpressConnector>(impress->pipe());
    }
    // The selector is open with its one shape ticked, when `goAway` ends the office's part;
    // an arrow is clicked then.
    // The tool program started on the live presentation.
    std::unique_ptr<launch::Program> start() {
        launch::Environment env;
        env.home = QUILLON_PROGRAM_DIR;
        auto program = std::make_unique<launch::Program>(env, dialogs, *connector);
        program->CheckHost();
        return program;
    }
    void expectEndAtTheNextCommand(const std::function<void()>& goAway) {
        auto started = start();
        launch::Program& program = *started;
        utilities::frmShapeSelecter form(program);
        form.Command2[0].click();
        ASSERT_EQ(program.host().activeWindow().selection().shapeRange()->count(), 2);
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

TEST_F(UtilitiesLive, TheSelectorTakesATextBoxOfTheOpenedDeckFileForOne) {
    auto started = start();
    launch::Program& program = *started;
    utilities::frmShapeSelecter form(program);
    ASSERT_EQ(form.List2.items(), (std::vector<std::string>{"box", "oval"}));
    form.List1.tick(1, true);
    EXPECT_FALSE(form.cmdChangeText.enabled()) << "an oval holding text was taken for a text box";
    form.List1.tick(1, false);
    form.List1.tick(0, true);
    EXPECT_EQ(form.txtTextBox.text(), "AB");
    ASSERT_TRUE(form.cmdChangeText.enabled());
    form.txtTextBox.setText("CD");
    form.cmdChangeText.click();
    EXPECT_EQ(office::slideHost(program.host()).item("box")->textFrame().textRange().text(), "CD");
    EXPECT_EQ(office::slideHost(program.host()).item("box")->type(), office::shapetype::TextBox)
        << "the retexted box is no text box any more";
}

TEST_F(UtilitiesLive, AnOfficeKilledWhileTheSelectorIsOpenEndsTheProgramAtTheNextCommand) {
    expectEndAtTheNextCommand([&] { impress->kill(); });
}

// LibreOffice does not end on its own while a connection is open: the office the
// teacher left without a window must not outlive the tool.
TEST_F(UtilitiesLive, APresentationClosedWhileTheSelectorIsOpenEndsTheProgramAndTheWindowlessOffice) {
    expectEndAtTheNextCommand([&] { impress->closePresentation(); });
    EXPECT_TRUE(impress->endsWithin(std::chrono::seconds(60))) << "the office outlived the tool";
}

TEST_F(UtilitiesLive, AnOfficeWithAWindowLeftOutlivesTheTool) {
    {
        auto started = start();
        ASSERT_EQ(office::slideHost(started->host()).count(), 2);
    }
    EXPECT_FALSE(impress->endsWithin(std::chrono::seconds(3))) << "the teacher's office was ended";
}

}  // namespace
