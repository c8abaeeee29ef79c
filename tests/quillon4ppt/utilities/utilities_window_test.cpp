// The slide utilities as a teacher uses them: real widgets on a real deck.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "platform/forms/qt/form_window.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/utilities/frm_dot.h"
#include "quillon4ppt/utilities/frm_shape_selecter.h"

namespace fs = std::filesystem;

namespace {

struct UtilitiesWindowTest : ::testing::Test {
    fs::path dir = fs::path(QUILLON_SCREENSHOT_DIR) / "deck";
    fs::path deck = dir / "utilities.pptx";
    forms::ScriptedDialogs dialogs;
    std::unique_ptr<office::pptx::DeckConnector> connector;
    std::unique_ptr<launch::Program> program;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        connector = std::make_unique<office::pptx::DeckConnector>(deck.string(), 1);
        launch::Environment env;
        env.home = QUILLON_PROGRAM_DIR;
        program = std::make_unique<launch::Program>(env, dialogs, *connector);
        program->CheckHost();
        program->LoadSettings();
    }
    static void shoot(QWidget& window, const char* name) {
        window.grab().save(QString::fromStdString((fs::path(QUILLON_SCREENSHOT_DIR) / name).string()));
    }
};

TEST_F(UtilitiesWindowTest, ClickedEntriesSelectTheirShapesOnTheSlide) {
    auto& host = program->slideHost();
    host.addLine(10, 10, 100, 100)->setName("正弦曲线：123");
    host.addLabel(office::kTextHorizontal, 55, 50, 40, 60)->textFrame().textRange().setText("A");
    utilities::frmShapeSelecter form(*program);
    forms::qt::FormWindow window(form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(window.widgetOf("List2")->isVisible());

    auto* list = qobject_cast<QListWidget*>(window.widgetOf("List1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().toStdString(), "正弦曲线");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(form.List1.selected(1));
    EXPECT_EQ(form.txtTextBox.text(), "A");
    EXPECT_TRUE(window.widgetOf("cmdChangeText")->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_TRUE(form.List1.selected(0) && form.List1.selected(1));
    EXPECT_TRUE(list->item(0)->isSelected() && list->item(1)->isSelected());
    EXPECT_FALSE(window.widgetOf("txtTextBox")->isEnabled());
    shoot(window, "frmShapeSelecter.png");

    QTest::mouseClick(window.widgetOf("Command2(1)"), Qt::LeftButton);
    EXPECT_FALSE(list->item(0)->isSelected() || list->item(1)->isSelected());
    EXPECT_EQ(program->host().activeWindow().selection().type(), office::selection::Slides);
}

TEST_F(UtilitiesWindowTest, TheLabelerShowsItsTypesAndStartValues) {
    utilities::frmDot form(*program);
    forms::qt::FormWindow window(form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* number = qobject_cast<QLineEdit*>(window.widgetOf("txtDotNumber"));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), number);
    EXPECT_EQ(number->selectedText().toStdString(), "1");
    auto* letters = qobject_cast<QRadioButton*>(window.widgetOf("optType(2)"));
    auto* index = qobject_cast<QRadioButton*>(window.widgetOf("optType(0)"));
    ASSERT_TRUE(letters && index);
    EXPECT_TRUE(letters->isChecked());
    QTest::mouseClick(index, Qt::LeftButton);
    EXPECT_TRUE(index->isChecked());
    EXPECT_FALSE(letters->isChecked());
    EXPECT_TRUE(form.optType[0].value());
    for (forms::Control* c : form.controls()) {
        QWidget* w = window.widgetOf(c->name());
        ASSERT_NE(w, nullptr) << c->name();
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << c->name() << " leaves its container";
    }
    shoot(window, "frmDot.png");
}

}  // namespace
