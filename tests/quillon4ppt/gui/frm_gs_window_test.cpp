// The formula window as a teacher uses it: real widgets, a real deck.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "platform/forms/qt/form_window.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/formula/frm_gs.h"

namespace fs = std::filesystem;

namespace {

struct FrmGsWindowTest : ::testing::Test {
    fs::path dir = fs::path(QUILLON_SCREENSHOT_DIR) / "gs_deck";
    forms::ScriptedDialogs dialogs;
    std::unique_ptr<office::pptx::DeckConnector> connector;
    std::unique_ptr<launch::Program> program;
    std::unique_ptr<formula::frmGS> form;
    std::unique_ptr<forms::qt::FormWindow> window;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        connector = std::make_unique<office::pptx::DeckConnector>((dir / "window.pptx").string(), 1);
        launch::Environment env;
        env.home = QUILLON_PROGRAM_DIR;
        program = std::make_unique<launch::Program>(env, dialogs, *connector);
        program->CheckHost();
        program->LoadSettings();
        form = std::make_unique<formula::frmGS>(*program);
        window = std::make_unique<forms::qt::FormWindow>(*form);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window.reset();
        form.reset();
    }
};

TEST_F(FrmGsWindowTest, TypingShowsTheTopicAndKeepsTheCharacters) {
    auto* text = qobject_cast<QLineEdit*>(window->widgetOf("txtGS"));
    ASSERT_NE(text, nullptr);
    text->setFocus();
    QTest::keyClicks(text, "A");
    EXPECT_EQ(text->text().toStdString(), "A");
    EXPECT_EQ(form->txtGS.text(), "A");
    auto* panel = qobject_cast<QLabel*>(window->widgetOf("lbhelp(0)"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->text().startsWith(QString::fromUtf8("排列、组合录入规则：")));
    auto* picture = qobject_cast<QLabel*>(window->widgetOf("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    QTest::keyClicks(text, "(5,3)f");
    EXPECT_EQ(form->txtGS.text(), "A(5,3)f");
    EXPECT_TRUE(form->Image1.picture().ends_with("fcz.png"));
    window->grab().toImage().save(
        QString::fromStdString((fs::path(QUILLON_SCREENSHOT_DIR) / "frmGS.png").string()));
}

TEST_F(FrmGsWindowTest, TopicLabelsAreBlueAndClickable) {
    auto* topic = qobject_cast<QLabel*>(window->widgetOf("lbhelp(7)"));
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(topic->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(topic, Qt::LeftButton);
    EXPECT_TRUE(form->lbhelp[0].caption().starts_with("方程组录入规则："));
}

}  // namespace
