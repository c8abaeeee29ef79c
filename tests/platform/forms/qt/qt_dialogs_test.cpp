#include "platform/forms/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Acts on the modal dialog once it is up.
void whenShown(const std::function<void(QWidget*)>& action) {
    QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}

QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) texts << b->text();
    texts.sort();
    return texts;
}

struct QtDialogsTest : ::testing::Test {
    QWidget window;
    forms::qt::QtDialogs dialogs{&window};
    void SetUp() override { window.setWindowTitle("坐标系"); }
};

TEST_F(QtDialogsTest, AQuestionHasChineseButtonsAndTheWindowsCaption) {
    QString title, text;
    QStringList buttons;
    whenShown([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        title = box->windowTitle(), text = box->text(), buttons = buttonTexts(box);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "取消") b->click();
    });
    EXPECT_EQ(dialogs.msgBox("删除坐标系？", forms::Buttons::OkCancel), forms::Answer::Cancel);
    EXPECT_EQ(title, "坐标系");
    EXPECT_EQ(text, "删除坐标系？");
    EXPECT_EQ(buttons, (QStringList{"取消", "确定"}));
}

TEST_F(QtDialogsTest, AReportHasOnlyOkAndEscapeAnswersOk) {
    QStringList buttons;
    whenShown([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        buttons = buttonTexts(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.msgBox("数据有误"), forms::Answer::Ok);
    EXPECT_EQ(buttons, QStringList{"确定"});
}

TEST_F(QtDialogsTest, TheColourDialogGivesTheChosenColourOrNothing) {
    whenShown([](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        dialog->setCurrentColor(QColor(10, 20, 30));
        dialog->accept();
    });
    EXPECT_EQ(dialogs.chooseColor(common::rgb(1, 2, 3)), common::rgb(10, 20, 30));
    whenShown([](QWidget* w) { qobject_cast<QColorDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.chooseColor(common::rgb(1, 2, 3)), std::nullopt);
}

}  // namespace
