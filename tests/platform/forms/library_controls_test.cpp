// The tree view and the document view as the library window drives them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/forms/document_view.h"
#include "platform/forms/form.h"
#include "platform/forms/page_pictures.h"
#include "platform/forms/tree_view.h"

namespace fs = std::filesystem;

namespace {

// Reads a sheet as one page per line of the file, one shape name per word, shapes
// 10 points wide side by side.
struct WordSheets : forms::SheetSource {
    int reads = 0;
    forms::SheetPages read(const fs::path& sheet) override {
        ++reads;
        std::ifstream in(sheet);
        if (!in) throw std::runtime_error("unreadable");
        forms::SheetPages pages;
        for (std::string line; std::getline(in, line);) {
            std::vector<forms::SheetShape> shapes;
            std::istringstream words(line);
            double left = 0;
            for (std::string w; words >> w; left += 10) shapes.push_back({w, left, 0, 20, 10});
            pages.pages.push_back(shapes);
        }
        return pages;
    }
    fs::path pagePicture(const fs::path& sheet, int page) override {
        return sheet.string() + "#" + std::to_string(page);
    }
};

struct LibraryControls : ::testing::Test {
    forms::ScriptedDialogs dialogs;
    forms::Form form{"frmTest", dialogs};
    forms::TreeView tree{form, "TreeView1"};
    forms::DocumentView view{form, "dsoFramer1"};
    WordSheets sheets;
    fs::path file = fs::path(testing::TempDir()) /
                    ("library_controls_" +
                     std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".txt");

    void SetUp() override {
        view.setSource(&sheets);
        std::ofstream(file) << "a b\nc d e\n";
    }
    void TearDown() override { fs::remove(file); }
};

TEST_F(LibraryControls, TheTreeKeepsChildrenUnderTheirParentAndRefusesDoubleKeys) {
    tree.addNode("", "F1", "one");
    tree.addNode("", "F2", "two");
    tree.addNode("F1", "C1", "first");
    tree.addNode("F2", "C2", "second");
    tree.addNode("F1", "C3", "third");
    std::vector<std::string> keys;
    for (const auto* n : tree.treeOrder()) keys.push_back(n->key);
    EXPECT_EQ(keys, (std::vector<std::string>{"F1", "C1", "C3", "F2", "C2"}));
    EXPECT_THROW(tree.addNode("", "C1", "again"), std::invalid_argument);
    EXPECT_THROW(tree.addNode("F9", "C9", "orphan"), std::invalid_argument);
    std::string clicked;
    tree.NodeClick = [&](const forms::TreeNode& n) { clicked = n.parent + "/" + n.text; };
    tree.clickNode("C3");
    EXPECT_EQ(clicked, "F1/third");
    EXPECT_EQ(tree.selectedKey(), "C3");
}

TEST_F(LibraryControls, ABookmarkShowsItsPageAndClicksSelectShapes) {
    view.open(file);
    EXPECT_EQ(view.valueText(), "1/2");
    ASSERT_TRUE(view.goToBookmark("d"));
    EXPECT_EQ(view.valueText(), "2/2 d");
    EXPECT_FALSE(view.goToBookmark("z"));
    EXPECT_EQ(view.valueText(), "2/2 d");
    view.pick("e", true);
    view.pick("c", true);
    view.pick("d", true);
    EXPECT_EQ(view.selection(), (std::vector<std::string>{"e", "c"}));
    EXPECT_EQ(view.shapeAt(25, 5), "e");  // d and e overlap there: e is in front
    EXPECT_EQ(view.shapeAt(45, 5), std::nullopt);
    view.pick("c");
    EXPECT_EQ(view.selection(), std::vector<std::string>{"c"});
    EXPECT_THROW(view.pick("a"), std::invalid_argument);
    view.nextPage();
    EXPECT_EQ(view.page(), 2);
    view.previousPage();
    EXPECT_EQ(view.page(), 1);
    EXPECT_TRUE(view.selection().empty());
}

TEST_F(LibraryControls, ASheetChangedOnDiskIsReadAgainBeforeItsPageIsShown) {
    view.open(file);
    view.goToBookmark("e");
    EXPECT_EQ(view.pagePicture(), file.string() + "#2");
    EXPECT_EQ(sheets.reads, 1);
    std::ofstream(file) << "a\n";
    fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(1));
    EXPECT_EQ(view.pagePicture(), file.string() + "#1");
    EXPECT_EQ(sheets.reads, 2);
    EXPECT_EQ(view.pageCount(), 1);
    EXPECT_TRUE(view.selection().empty());
}

TEST_F(LibraryControls, APageDrawnApartStaysThePageAskedForWhileTheViewMovesOn) {
    EXPECT_FALSE(view.pageDrawing());
    view.open(file);
    auto drawing = view.pageDrawing();
    ASSERT_TRUE(drawing);
    view.nextPage();
    EXPECT_EQ(drawing->draw(), file.string() + "#1");
    EXPECT_EQ(view.pageDrawing()->draw(), file.string() + "#2");
    view.close();
    EXPECT_FALSE(view.pageDrawing());
}

TEST_F(LibraryControls, AnUnreadableSheetLeavesTheViewAsItWas) {
    view.open(file);
    EXPECT_THROW(view.open(file.string() + ".missing"), std::runtime_error);
    EXPECT_EQ(view.path(), file);
    view.close();
    EXPECT_FALSE(view.isOpen());
    EXPECT_EQ(view.pagePicture(), fs::path());
}

TEST(PagePictures, LibreOfficeGetsItsProfileFolderAsAnEscapedFileUrl) {
    EXPECT_EQ(forms::fileUrlOf("/tmp/my files/配置"), "file:///tmp/my%20files/%E9%85%8D%E7%BD%AE");
    EXPECT_EQ(forms::fileUrlOf("/a/b-c_d.e~f%"), "file:///a/b-c_d.e~f%25");
}

}  // namespace
