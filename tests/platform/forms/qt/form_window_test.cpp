#include "platform/forms/qt/form_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "gui_test_form.h"
#include "platform/forms/qt/tab_strip_widget.h"

namespace {

using Log = std::vector<std::string>;

struct FormWindowTest : ::testing::Test {
    forms::ScriptedDialogs dialogs;
    GuiTestForm form{dialogs};
    forms::qt::FormWindow window{form};

    void SetUp() override {
        window.show();
        QApplication::setActiveWindow(&window);
    }

    template <typename W>
    W* widget(const std::string& name) {
        auto* w = qobject_cast<W*>(window.widgetOf(name));
        if (!w) throw std::runtime_error("no widget of the expected type for " + name);
        return w;
    }
    forms::qt::TabRows* tabBar() {
        for (QWidget* w : widget<QWidget>("tabs")->findChildren<QWidget*>())
            if (auto* rows = dynamic_cast<forms::qt::TabRows*>(w)) return rows;
        throw std::runtime_error("the tab strip shows no tabs");
    }
    QWidget* page(int i) {
        return widget<QWidget>("tabs")->findChild<QWidget*>(QStringLiteral("page%1").arg(i));
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

TEST_F(FormWindowTest, TypingFiresKeyPressThenChangeForEachKeyAndCancelledKeysNeverArrive) {
    auto* edit = widget<QLineEdit>("txtX");
    QTest::keyClicks(edit, "1a2");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(form.txtX.text(), "12");
    EXPECT_EQ(form.log, (Log{"txtX_KeyPress 49", "txtX_Change 1", "txtX_KeyPress 97", "txtX_KeyPress 50",
                             "txtX_Change 12", "txtX_KeyPress 13"}));
}

TEST_F(FormWindowTest, TabFollowsTabIndexAndLeavingABoxIsItsLostFocus) {
    form.txtX.LostFocus = [this] { form.log.push_back("txtX_LostFocus"); };
    auto* edit = widget<QLineEdit>("txtX");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QLineEdit>("txtY"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget<QCheckBox>("chkGrid"));
    EXPECT_EQ(form.log, Log{"txtX_LostFocus"});
}

TEST_F(FormWindowTest, MultiLineTextReachesTheModelWithCrLf) {
    auto* edit = widget<QPlainTextEdit>("txtNote");
    QTest::keyClicks(edit, "a");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form.txtNote.text(), "a\r\n");
    form.txtNote.setText("x\r\ny");
    EXPECT_EQ(edit->toPlainText(), "x\ny");
}

TEST_F(FormWindowTest, ClicksReachCheckBoxesOptionsAndPicturesOfEquations) {
    click(widget<QCheckBox>("chkGrid"));
    click(widget<QRadioButton>("optLine"));
    click(widget<QRadioButton>("optCurve"));
    click(widget<QRadioButton>("optCurve"));
    click(widget<QLabel>("imgFormula"));
    EXPECT_TRUE(widget<QCheckBox>("chkGrid")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("optLine")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("optCurve")->isChecked());
    EXPECT_EQ(form.log, (Log{"chkGrid_Click 1", "optLine_Click", "optCurve_Click", "imgFormula_Click"}));
}

TEST_F(FormWindowTest, ComboTakesChineseFromTheInputMethodAndPicking) {
    auto* combo = widget<QComboBox>("cmbStyle");
    combo->setFocus();
    QInputMethodEvent typed;
    typed.setCommitString("粗");
    QApplication::sendEvent(combo, &typed);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form.cmbStyle.listIndex(), 0);
    EXPECT_EQ(form.log, (Log{"cmbStyle_Change 粗", "cmbStyle_Click 实线"}));
    EXPECT_EQ(combo->currentText(), "实线");
}

TEST_F(FormWindowTest, ListScrollBarSpinnerAndTabsReachTheModel) {
    auto* list = widget<QListWidget>("lstShapes");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QTest::keyClick(widget<QScrollBar>("hsbSize"), Qt::Key_Right);
    click(widget<QWidget>("udY")->findChild<QToolButton*>("up"));
    QTest::mouseClick(tabBar(), Qt::LeftButton, {}, tabBar()->tabRect(1).center());
    EXPECT_EQ(form.log, (Log{"lstShapes_Click 圆", "hsbSize_Change 1", "txtY_Change 1", "tabs_Click 1"}));
    EXPECT_EQ(widget<QLineEdit>("txtY")->text(), "1");
    EXPECT_TRUE(page(1)->isVisible());
    EXPECT_FALSE(page(0)->isVisible());
}

TEST_F(FormWindowTest, ProgramChangesShowAtOnceWithoutFiringAgain) {
    form.txtX.setText("7");
    form.chkGrid.setValue(1);
    form.optCurve.setValue(true);
    form.lstShapes.removeItem(0);
    form.lstShapes.select(1);
    form.cmbStyle.addItem("粗线");
    form.hsbSize.setValue(15);
    form.tabs.setTab(2);
    EXPECT_EQ(form.log, (Log{"txtX_Change 7", "chkGrid_Click 1", "optCurve_Click", "lstShapes_Click 椭圆",
                             "hsbSize_Change 15", "tabs_Click 2"}));
    EXPECT_EQ(widget<QLineEdit>("txtX")->text(), "7");
    EXPECT_TRUE(widget<QCheckBox>("chkGrid")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("optCurve")->isChecked());
    EXPECT_EQ(widget<QListWidget>("lstShapes")->count(), 2);
    EXPECT_EQ(widget<QListWidget>("lstShapes")->currentItem()->text(), "椭圆");
    EXPECT_EQ(widget<QComboBox>("cmbStyle")->itemText(3), "粗线");
    EXPECT_EQ(widget<QScrollBar>("hsbSize")->value(), 15);
    EXPECT_EQ(tabBar()->currentIndex(), 2);
}

TEST_F(FormWindowTest, CaptionsVisibilityAndTabsFollowTheProgram) {
    form.setCaption("函数图像");
    form.chkGrid.setCaption("网格");
    form.fraKind.setCaption("类型");
    form.txtY.setVisible(false);
    form.cmdOK.setEnabled(false);
    form.tabs.setTabVisible(2, false);
    EXPECT_EQ(window.windowTitle(), "函数图像");
    EXPECT_EQ(widget<QCheckBox>("chkGrid")->text(), "网格");
    EXPECT_EQ(widget<QGroupBox>("fraKind")->title(), "类型");
    EXPECT_FALSE(widget<QLineEdit>("txtY")->isVisible());
    EXPECT_FALSE(widget<QPushButton>("cmdOK")->isEnabled());
    EXPECT_FALSE(tabBar()->isTabVisible(2));
}

TEST_F(FormWindowTest, ClickingTheSwatchPicksAColourThatShowsAtOnce) {
    auto* swatch = widget<QLabel>("lblColor");
    EXPECT_EQ(swatch->grab().toImage().pixelColor(swatch->rect().center() * swatch->devicePixelRatio()),
              QColor(255, 0, 0));
    dialogs.queueColor(common::rgb(0, 128, 0));
    click(swatch);
    EXPECT_EQ(form.lblColor.backColor(), common::rgb(0, 128, 0));
    EXPECT_EQ(swatch->grab().toImage().pixelColor(swatch->rect().center() * swatch->devicePixelRatio()),
              QColor(0, 128, 0));
}

TEST_F(FormWindowTest, UnloadClosesTheWindowWithoutTellingOfATeachersClose) {
    int closes = 0;
    window.onClose = [&] { ++closes; };
    click(widget<QPushButton>("cmdOK"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closes, 0);
}

TEST_F(FormWindowTest, ATeachersCloseIsToldToTheProgram) {
    int closes = 0;
    window.onClose = [&] { ++closes; };
    window.close();
    EXPECT_EQ(closes, 1);
}

TEST_F(FormWindowTest, EscapeEndsTheWindowAsTheTeachersCloseDoes) {
    int closes = 0;
    window.onClose = [&] { ++closes; };
    widget<QLineEdit>("txtX")->setFocus();
    QTest::keyClick(widget<QLineEdit>("txtX"), Qt::Key_Escape);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FormWindowTest, AWindowThatFollowsItsSizeCanBeMaximized) {
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(FormWindowTest, ProgramExitEndsTheEventLoopWithItsStatus) {
    QTimer::singleShot(0, &window, [&] { click(widget<QPushButton>("cmdCancel")); });
    EXPECT_EQ(QApplication::exec(), 3);
    EXPECT_TRUE(form.unloaded());
}

TEST_F(FormWindowTest, ControlsStandWhereTheFormDeclaresThem) {
    EXPECT_EQ(window.size(), QSize(400, 333));
    EXPECT_EQ(widget<QWidget>("txtX")->x(), 80);
    EXPECT_EQ(widget<QWidget>("optCurve")->parentWidget(), widget<QWidget>("fraKind"));
    EXPECT_EQ(widget<QWidget>("optCurve")->x(), 73);
    EXPECT_EQ(widget<QWidget>("txtOrigin")->parentWidget(), page(0));
    EXPECT_EQ(widget<QWidget>("chkArrow")->parentWidget(), page(1));
    EXPECT_EQ(widget<QWidget>("txtOrigin")->pos(), QPoint(67, widget<QWidget>("txtOrigin")->y()));
    EXPECT_EQ(window.minimumSize(), window.size());
}

TEST_F(FormWindowTest, AnchoredControlsFollowTheWindowEdgesAndTheCanvasStaysSquare) {
    const auto before = [&](const char* n) { return widget<QWidget>(n)->geometry(); };
    const QRect ok = before("cmdOK"), tabs = before("tabs"), list = before("lstShapes"),
                pic = before("picPreview");
    const QRect txt = before("txtX");
    window.resize(window.width() + 150, window.height() + 90);
    EXPECT_EQ(before("cmdOK"), ok.translated(150, 90));
    EXPECT_EQ(before("tabs"), tabs.adjusted(0, 0, 150, 0));
    EXPECT_EQ(before("lstShapes"), list.adjusted(0, 0, 0, 90));
    EXPECT_EQ(before("txtX"), txt);
    const QRect grown = before("picPreview");
    EXPECT_EQ(grown.width(), grown.height());
    EXPECT_EQ(grown.width(), pic.width() + 90);
    EXPECT_EQ(grown.top(), pic.top());
    EXPECT_EQ(grown.center().x(), pic.adjusted(0, 0, 150, 0).center().x());
}

TEST_F(FormWindowTest, CjkTextFitsItsControls) {
    EXPECT_EQ(window.font().family(), "Noto Sans CJK SC");
    EXPECT_EQ(window.font().pointSizeF(), 9);
    EXPECT_EQ(widget<QLabel>("imgFormula")->font().pointSizeF(), 12);
    for (const forms::Control* c : form.controls()) {
        const QWidget* w = window.widgetOf(c->name());
        if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
            qobject_cast<const QLineEdit*>(w)) {
            EXPECT_GE(w->height(), w->fontMetrics().height()) << c->name();
        }
    }
}

TEST(FormWindowSize, AFormWithoutADeclaredSizeHasRoomForItsControls) {
    forms::ScriptedDialogs dialogs;
    forms::Form form("frmSmall", dialogs);
    forms::CommandButton button(form, "cmd");
    button.layout = {150, 150, 1500, 375};
    forms::qt::FormWindow window(form);
    EXPECT_EQ(window.size(), QSize(10 + 100 + 8, 10 + 25 + 8));
    EXPECT_EQ(window.maximumSize(), window.size());
}

// A small window of fixed size, for where a window opens.
struct SmallForm : forms::Form {
    explicit SmallForm(forms::Dialogs& d) : Form("frmSmall", d) { button.layout = {150, 150, 1500, 375}; }
    forms::CommandButton button{*this, "cmd"};
};

QRect workArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(FormWindowPlace, WithoutADeclaredCornerAWindowOpensAtTheRightEdgeClearOfTheSlidesMiddle) {
    forms::ScriptedDialogs dialogs;
    SmallForm form(dialogs);
    forms::qt::FormWindow window(form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect frame = window.frameGeometry(), area = workArea();
    EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " in " << area.width();
    EXPECT_GE(frame.right(), area.right() - 16) << "not at the right edge";
    EXPECT_FALSE(frame.contains(area.center()));
    EXPECT_GE(frame.top(), area.top() + area.height() / 4) << "over the menus and toolbars";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint)
        << "a fixed-size window can be maximized";
}

TEST(FormWindowPlace, ADeclaredCornerIsTheWorkAreasCorner) {
    forms::ScriptedDialogs dialogs;
    SmallForm form(dialogs);
    form.openingCorner = forms::Form::Corner{150, 300};
    forms::qt::FormWindow window(form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.frameGeometry().topLeft(), workArea().topLeft() + QPoint(10, 20));
}

// A picture to look at, at the scale the test runs with (QT_SCALE_FACTOR).
TEST_F(FormWindowTest, TheWindowPictureHasTheScreensPixels) {
    form.txtX.setText("10");
    form.txtY.setText("-2.5");
    form.txtOrigin.setText("(0, 0)");
    form.txtNote.setText("抛物线 y = x²\r\n顶点 (0, 0)");
    form.optCurve.click();
    form.cmbStyle.select(1);
    form.lstShapes.select(0);
    const QImage image = window.grab().toImage();
    const QString path =
        QStringLiteral(QUILLON_SCREENSHOT_DIR "/form_window@%1x.png").arg(window.devicePixelRatio());
    ASSERT_TRUE(image.save(path));
    EXPECT_EQ(image.size(), window.size() * window.devicePixelRatio());
}

}  // namespace
