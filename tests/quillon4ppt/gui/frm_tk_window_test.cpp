// The figure library as a teacher sees it: the tree, a page as LibreOffice draws it
// while the window goes on answering, figures selected with the mouse.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "platform/forms/page_pictures.h"
#include "platform/forms/qt/document_view_widget.h"
#include "platform/forms/qt/form_window.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/library/frm_tk.h"

namespace fs = std::filesystem;

namespace {

QTreeWidgetItem* itemWithText(QTreeWidget& tree, const QString& text) {
    auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2)
            if (qGray(image.pixel(x, y)) < 100) ++dark;
    return dark;
}

// Lets the event loop run until the shown page is drawn; how often it ran meanwhile.
int turnsUntilDrawn(const forms::qt::DocumentViewWidget& view) {
    int turns = 0;
    for (QDeadlineTimer limit(std::chrono::minutes(3)); !view.pageDrawn() && !limit.hasExpired(); ++turns)
        QTest::qWait(10);
    return turns;
}

TEST(FrmTkWindowTest, APageShowsAsLibreOfficeDrawsItAndFiguresAreSelectedWithTheMouse) {
    fs::path dir = fs::path(QUILLON_SCREENSHOT_DIR) / "library";
    fs::remove_all(dir);
    fs::create_directories(dir);
    setenv("XDG_CACHE_HOME", dir.c_str(), 1);
    forms::ScriptedDialogs dialogs;
    office::pptx::DeckConnector connector((dir / "deck.pptx").string(), 1);
    launch::Environment env;
    env.home = QUILLON_PROGRAM_DIR;
    launch::Program program(env, dialogs, connector);
    program.CheckHost();
    library::frmTK tk(program);
    forms::qt::FormWindow window(tk);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto* view = dynamic_cast<forms::qt::DocumentViewWidget*>(window.widgetOf("dsoFramer1"));
    ASSERT_NE(view, nullptr);
    // The first document's page is being drawn and says so; the window answers meanwhile:
    // a click on a figure of another document shows that document at once.
    ASSERT_FALSE(view->pageDrawn());
    const int drawing = darkPixels(view->grab().toImage(), view->pageRect().toRect());
    auto* tree = qobject_cast<QTreeWidget*>(window.widgetOf("TreeView1"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 3);
    QTreeWidgetItem* cube = itemWithText(*tree, QStringLiteral("正方体"));
    ASSERT_NE(cube, nullptr);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(cube).center());
    EXPECT_EQ(window.windowTitle().toStdString(), "立体几何");
    EXPECT_EQ(tk.dsoFramer1.selection(), std::vector<std::string>{"正方体"});
    EXPECT_FALSE(view->pageDrawn());
    // Drawing two pages takes LibreOffice well over a second; in its way, a few turns.
    EXPECT_GT(turnsUntilDrawn(*view), 40) << "the window did not answer while the page was drawn";
    ASSERT_TRUE(view->pageDrawn());
    // The page left while it was drawn did not take the place of the one shown now.
    EXPECT_EQ(fs::path(view->picturePath().toStdString()).parent_path(),
              forms::pictureFolderOf(tk.dsoFramer1.path()));
    const int drawn = darkPixels(view->grab().toImage(), view->pageRect().toRect());
    EXPECT_LT(drawing, drawn / 2) << "the page was drawn before the window was painted";
    // A click on the cone selects it alone; Ctrl+click adds the cylinder.
    auto at = [&](const std::string& name) {
        for (const auto& s : tk.dsoFramer1.shapesOnPage())
            if (s.name == name) {
                QRectF page = view->pageRect();
                double scale = page.width() / tk.dsoFramer1.sheet().width;
                return QPointF(page.left() + (s.left + s.width / 2) * scale,
                               page.top() + (s.top + s.height / 2) * scale)
                    .toPoint();
            }
        return QPoint();
    };
    QTest::mouseClick(view, Qt::LeftButton, {}, at("圆锥"));
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, at("圆柱"));
    EXPECT_EQ(tk.dsoFramer1.selection(), (std::vector<std::string>{"圆锥", "圆柱"}));

    const QImage shot = window.grab().toImage();
    shot.save(QString::fromStdString((fs::path(QUILLON_SCREENSHOT_DIR) / "frmTK.png").string()));
    // The page was drawn: dark strokes inside the page, not an empty white sheet.
    EXPECT_GT(darkPixels(shot, view->pageRect().toRect().translated(view->mapTo(&window, QPoint()))), 200);
    EXPECT_TRUE(dialogs.shown().empty()) << dialogs.shown().front();
    unsetenv("XDG_CACHE_HOME");
}

}  // namespace
