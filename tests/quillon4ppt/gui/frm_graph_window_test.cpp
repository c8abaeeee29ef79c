// The graph workspace as a teacher uses it: real widgets, a real deck.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>

#include "frm_graph_window_fixture.h"
#include "schema_check.h"

namespace {

TEST_F(FrmGraphWindowTest, PlotAPointAndInsertItIntoTheDeck) {
    open();
    auto& form = *form_;
    auto& window = *window_;

    type(window.widgetOf("txtPoint(0)"), "2");
    type(window.widgetOf("txtPoint(1)"), "3");
    press(window.widgetOf("cmdDrawPoint"));
    auto* list = qobject_cast<QListWidget*>(window.widgetOf("List1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text().toStdString(), "点(POINT)  0");
    EXPECT_EQ(form.txtPoint[0].text(), "2");

    const QImage shot = window.grab().toImage();
    shot.save(QString::fromStdString((fs::path(QUILLON_SCREENSHOT_DIR) / "frmGraph.png").string()));

    press(window.widgetOf("cmdOK"));
    EXPECT_EQ(window.windowTitle().toStdString(), "图像插入PPT已经完成！");
    EXPECT_TRUE(dialogs.shown().empty());

    office::pptx::DeckConnector reader(deck.string(), 1);
    auto app = reader.attach();
    auto& host = office::slideHost(*app);
    ASSERT_EQ(host.count(), 1);
    auto group = host.item(1);
    EXPECT_EQ(group->type(), office::shapetype::Group);
    EXPECT_EQ(group->name().rfind("组合：", 0), 0u);
    EXPECT_EQ(testdecks::schemaErrors(deck.string()), "");
}

// Where a label's caption stands: from its first to its last pixel across.
std::pair<int, int> captionSpan(const QLabel& label) {
    const int width = label.fontMetrics().horizontalAdvance(label.text());
    const int left = label.alignment() & Qt::AlignRight ? label.width() - width : 0;
    const QPoint at = label.mapTo(label.window(), QPoint(left, 0));
    return {at.x(), at.x() + width};
}

TEST_F(FrmGraphWindowTest, ThePreviewsCornerCaptionsStandAtItsCorners) {
    open();
    auto& window = *window_;
    const QRect canvas(window.widgetOf("Picture1")->mapTo(&window, QPoint(0, 0)),
                       window.widgetOf("Picture1")->size());
    for (const char* name : {"labZS", "labZX", "labYS", "labYX"}) {
        auto* label = qobject_cast<QLabel*>(window.widgetOf(name));
        ASSERT_NE(label, nullptr);
        const auto [from, to] = captionSpan(*label);
        const bool left = name[3] == 'Z';
        const int gap = left ? std::abs(from - canvas.left()) : std::abs(to - canvas.right());
        EXPECT_LE(gap, 16) << name << " \"" << label->text().toStdString() << "\" stands " << gap
                           << " pixels from its corner";
    }
}

// Every control of a family page lies wholly inside its page, and the window looks
// right on each tab (the pictures are kept under the build tree).
TEST_F(FrmGraphWindowTest, EveryTabHoldsItsControls) {
    open();
    auto& form = *form_;
    auto& window = *window_;
    for (int tab = 0; tab < static_cast<int>(form.SSTab1.captions.size()); ++tab) {
        if (!form.SSTab1.tabVisible[tab]) continue;
        form.SSTab1.setTab(tab);
        QApplication::processEvents();
        for (forms::Control* c : form.controls()) {
            if (c->layout.container != &form.SSTab1 || c->layout.page != tab || !c->visible()) continue;
            QWidget* w = window.widgetOf(c->name());
            ASSERT_NE(w, nullptr) << c->name();
            QRect page = w->parentWidget()->rect();
            EXPECT_TRUE(page.contains(w->geometry())) << c->name() << " leaves page " << tab;
        }
        const auto path = fs::path(QUILLON_SCREENSHOT_DIR) / ("frmGraph-tab" + std::to_string(tab) + ".png");
        window.grab().save(QString::fromStdString(path.string()));
    }
}

// The two period modes whose names say little explain themselves under the mouse.
TEST_F(FrmGraphWindowTest, ThePeriodModesOfTheTrigonometricTabHaveToolTips) {
    open();
    EXPECT_EQ(window_->widgetOf("optFS(0)")->toolTip().toStdString(), "定义域关于原点左右对称");
    EXPECT_EQ(window_->widgetOf("optFS(1)")->toolTip().toStdString(), "");
    EXPECT_EQ(window_->widgetOf("optFS(2)")->toolTip().toStdString(), "从wx+φ=0作为起点，画指定个周期的图像");
}

}  // namespace
