// Every tab of the graph workspace shows its whole caption and is reached with one
// click, at the scale the test runs with (QT_SCALE_FACTOR).
#include <gtest/gtest.h>

#include "frm_graph_window_fixture.h"
#include "platform/forms/qt/tab_strip_widget.h"

namespace {

forms::qt::TabRows* tabsOf(QWidget* strip) {
    for (QWidget* w : strip->findChildren<QWidget*>())
        if (auto* rows = dynamic_cast<forms::qt::TabRows*>(w)) return rows;
    return nullptr;
}

TEST_F(FrmGraphWindowTest, EveryTabCaptionIsWholeAndEveryTabOneClickAway) {
    open();
    auto& form = *form_;
    for (int i = 0; i < static_cast<int>(form.SSTab1.captions.size()); ++i)
        form.SSTab1.setTabVisible(i, true);
    QApplication::processEvents();
    auto* tabs = tabsOf(window_->widgetOf("SSTab1"));
    ASSERT_NE(tabs, nullptr);
    for (int i = 0; i < tabs->count(); ++i) {
        const QRect tab = tabs->tabRect(i);
        const std::string caption = tabs->tabText(i).toStdString();
        EXPECT_TRUE(tabs->rect().contains(tab)) << caption << " is cut off";
        EXPECT_GE(tab.width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i))) << caption;
        for (int j = 0; j < i; ++j) EXPECT_FALSE(tab.intersects(tabs->tabRect(j))) << caption;
    }
    const int circle = 8;
    ASSERT_EQ(form.SSTab1.captions[circle], "圆");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(circle).center());
    EXPECT_EQ(form.SSTab1.tab(), circle);
    window_->grab().save(QString::fromStdString(
        (fs::path(QUILLON_SCREENSHOT_DIR) /
         ("frmGraph-tabs-" + std::to_string(qRound(window_->devicePixelRatioF() * 100)) + ".png"))
            .string()));
}

}  // namespace
