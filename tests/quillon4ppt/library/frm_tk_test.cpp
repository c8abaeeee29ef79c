// The library window on a real deck: the tree, showing documents, bookmarks, pages,
// insertion onto the slide and edit mode.
#include "quillon4ppt/library/frm_tk.h"

#include "library_fixture.h"
#include "platform/office/pptx/deck.h"
#include "platform/office/pptx/deck_connector.h"
#include "platform/office/pptx/shape_xml.h"

namespace fs = std::filesystem;

struct TkTest : LibraryFolder {
    forms::ScriptedDialogs dialogs;
    std::unique_ptr<office::pptx::DeckConnector> connector;
    std::unique_ptr<launch::Program> program;
    std::unique_ptr<library::frmTK> tk;
    std::vector<fs::path> edited;
    std::function<void(const fs::path&)> editorDoes;

    void SetUp() override {
        LibraryFolder::SetUp();
        connector = std::make_unique<office::pptx::DeckConnector>((dir / "deck.pptx").string(), 1);
        launch::Environment env;
        env.home = dir;
        env.deck = dir / "deck.pptx";
        program = std::make_unique<launch::Program>(env, dialogs, *connector);
        program->CheckHost();
    }
    void open() {
        tk = std::make_unique<library::frmTK>(*program, nullptr, [this](const fs::path& sheet) {
            edited.push_back(sheet);
            if (editorDoes) editorDoes(sheet);
        });
    }
    fs::path copyOf(long long n) { return dir / ("quillon_temp4show" + std::to_string(n) + ".pptx"); }
    std::string keyOf(const std::string& figure) {
        for (const auto* node : tk->TreeView1.treeOrder())
            if (node->text == figure) return node->key;
        return "";
    }
};

TEST_F(TkTest, LoadListsTheLibraryAndShowsTheFirstDocument) {
    open();
    auto nodes = tk->TreeView1.treeOrder();
    ASSERT_EQ(nodes.size(), 3u + 18u);
    EXPECT_EQ(nodes[0]->key, "F1");
    EXPECT_EQ(nodes[0]->text, "平面几何");
    EXPECT_EQ(nodes[1]->key, "C1");
    EXPECT_EQ(nodes[1]->parent, "F1");
    EXPECT_EQ(nodes[1]->text, "三角形ABC");
    EXPECT_EQ(nodes[7]->key, "F2");
    EXPECT_EQ(tk->caption(), "平面几何");
    EXPECT_EQ(tk->dsoFramer1.path(), copyOf(1));
    EXPECT_EQ(tk->dsoFramer1.pageCount(), 2);
    EXPECT_TRUE(tk->Option1[0].value());
    EXPECT_EQ(tk->cmdInsert2PPT.caption(), "插入PPT");
    EXPECT_TRUE(tk->CurrentDocumentId.empty());
}

TEST_F(TkTest, TwoEntriesOfOneDocumentOpenItOnceAndJumpToEach) {
    open();
    tk->TreeView1.clickNode(keyOf("正方体"));
    EXPECT_EQ(tk->caption(), "立体几何");
    EXPECT_EQ(tk->dsoFramer1.page(), 1);
    EXPECT_EQ(tk->dsoFramer1.selection(), std::vector<std::string>{"正方体"});
    tk->TreeView1.clickNode(keyOf("球"));
    EXPECT_EQ(tk->dsoFramer1.page(), 2);
    EXPECT_EQ(tk->dsoFramer1.selection(), std::vector<std::string>{"球"});
    EXPECT_EQ(tk->store()->downloads(), 2);  // the first document at load, this one once
    EXPECT_EQ(tk->CurrentDocumentId, "2");
}

TEST_F(TkTest, AnEntryOfAnotherDocumentShowsThatDocumentFirst) {
    open();
    tk->TreeView1.clickNode(keyOf("正方体"));
    tk->TreeView1.clickNode(keyOf("抛物线"));
    EXPECT_EQ(tk->caption(), "坐标与函数");
    EXPECT_EQ(tk->dsoFramer1.path(), copyOf(3));
    EXPECT_EQ(tk->dsoFramer1.page(), 2);
    EXPECT_EQ(tk->dsoFramer1.selection(), std::vector<std::string>{"抛物线"});
    tk->TreeView1.clickNode("F1");
    EXPECT_EQ(tk->caption(), "平面几何");
    EXPECT_EQ(tk->dsoFramer1.page(), 1);
}

TEST_F(TkTest, ACopyFromAnEarlierRunPutsItsNameInTheCaption) {
    open();
    tk.reset();
    open();
    EXPECT_EQ(tk->store()->downloads(), 0);
    EXPECT_EQ(tk->caption(), "平面几何");
}

TEST_F(TkTest, PageButtonsTurnWithinTheDocument) {
    open();
    tk->cmdPageView[0].click();
    EXPECT_EQ(tk->dsoFramer1.page(), 1);
    tk->cmdPageView[1].click();
    tk->cmdPageView[1].click();
    EXPECT_EQ(tk->dsoFramer1.page(), 2);
    tk->cmdPageView[0].click();
    EXPECT_EQ(tk->dsoFramer1.page(), 1);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TkTest, AMissingBookmarkOrDocumentSaysSoAndChangesNothing) {
    open();
    tk->TreeView1.clickNode("C2");
    tk->TreeView1.addNode("F1", "C99", "没有的图形");
    tk->TreeView1.clickNode("C99");
    EXPECT_EQ(dialogs.shown().back(), "文档中没有找到图形“没有的图形”。");
    EXPECT_EQ(tk->dsoFramer1.selection(), std::vector<std::string>{"直角三角形"});
    tk->TreeView1.addNode("", "F7", "不存在");
    tk->TreeView1.clickNode("F7");
    EXPECT_EQ(tk->caption(), "平面几何");
    EXPECT_EQ(tk->dsoFramer1.path(), copyOf(1));
}

TEST_F(TkTest, WithoutADocumentTheButtonsSaySo) {
    settings::ConfigDatabase db;
    db.OpenConfigDatabase(dir / "config.mdb");
    db.execute("delete from small", {});
    db.execute("delete from big", {});
    open();
    EXPECT_TRUE(tk->TreeView1.treeOrder().empty());
    EXPECT_EQ(tk->caption(), "图库");
    tk->cmdPageView[1].click();
    tk->Option1[1].click();
    tk->cmdInsert2PPT.click();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>(2, "没有显示任何文档。"));
}

TEST_F(TkTest, ADatabaseThatCannotBeOpenedIsReportedAtLoad) {
    fs::remove(dir / "config.mdb");
    open();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].find("config.mdb"), std::string::npos);
    EXPECT_TRUE(tk->TreeView1.treeOrder().empty());
    EXPECT_EQ(tk->caption(), "图库");
    tk->cmdInsert2PPT.click();
    EXPECT_FALSE(tk->dsoFramer1.isOpen());
}

TEST_F(TkTest, InsertCopiesTheSelectedFigureOntoTheSlideInFront) {
    open();
    tk->TreeView1.clickNode(keyOf("圆与切线"));
    tk->cmdInsert2PPT.click();
    auto deck = office::pptx::Deck::open((dir / "deck.pptx").string());
    auto shapes = office::pptx::shapesIn(deck->slide(1).tree());
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(office::pptx::shapeName(shapes[0]), "圆与切线");
    auto sheet = office::pptx::Deck::open(copyOf(1).string());
    auto original = office::pptx::shapesIn(sheet->slide(2).tree())[0];
    auto a = office::pptx::boxOf(shapes[0]), b = office::pptx::boxOf(original);
    EXPECT_DOUBLE_EQ(a.left, b.left);
    EXPECT_DOUBLE_EQ(a.top, b.top);
    EXPECT_DOUBLE_EQ(a.width, b.width);
    auto& selection = program->host().activeWindow().selection();
    ASSERT_EQ(selection.shapeRange()->count(), 1);
    EXPECT_EQ(selection.shapeRange()->item(1)->name(), "圆与切线");
}

TEST_F(TkTest, SeveralPickedFiguresLandTogether) {
    open();
    tk->dsoFramer1.pick("三角形ABC");
    tk->dsoFramer1.pick("等腰三角形与高", true);
    tk->cmdInsert2PPT.click();
    tk->cmdInsert2PPT.click();
    auto& host = program->slideHost();
    ASSERT_EQ(host.count(), 4);
    EXPECT_EQ(host.item(3)->name(), "三角形ABC");
    EXPECT_EQ(host.item(4)->name(), "等腰三角形与高");
    EXPECT_EQ(program->host().activeWindow().selection().shapeRange()->count(), 2);
}

TEST_F(TkTest, EditModeOpensTheShownCopyAndSaveStoresWhatTheEditorSaved) {
    open();
    tk->TreeView1.clickNode("F3");
    editorDoes = [&](const fs::path& sheet) {
        fs::copy_file(copyOf(1), sheet, fs::copy_options::overwrite_existing);
    };
    tk->Option1[1].click();
    EXPECT_EQ(tk->cmdInsert2PPT.caption(), "保存");
    EXPECT_EQ(edited, std::vector<fs::path>{copyOf(3)});
    const std::string saved = slurp(copyOf(3));
    tk->cmdInsert2PPT.click();
    EXPECT_EQ(stored(3), saved);
    EXPECT_EQ(tk->store()->downloads(), 3);  // documents 1 and 3, and 3 again from the database
    EXPECT_EQ(slurp(copyOf(3)), saved);
    EXPECT_EQ(tk->dsoFramer1.path(), copyOf(3));
    EXPECT_EQ(tk->TreeView1.node("F3")->text, "坐标与函数");
    tk->Option1[0].click();
    EXPECT_EQ(tk->cmdInsert2PPT.caption(), "插入PPT");
}

TEST_F(TkTest, SavingBeforeAnyClickSavesTheFirstDocument) {
    const std::string other = stored(2);
    editorDoes = [&](const fs::path& sheet) { write(sheet, other); };
    open();
    tk->Option1[1].click();
    tk->cmdInsert2PPT.click();
    EXPECT_EQ(tk->CurrentDocumentId, "1");
    EXPECT_EQ(stored(1), other);
    EXPECT_EQ(tk->store()->downloads(), 2);
    EXPECT_EQ(tk->caption(), "平面几何");
    EXPECT_EQ(tk->dsoFramer1.shapesOnPage().at(0).name, "正方体");
}

TEST_F(TkTest, AnEditorThatCannotStartIsReported) {
    open();
    editorDoes = [](const fs::path&) {
        throw common::ShownError("无法启动编辑程序 nothing。", "not started");
    };
    tk->Option1[1].click();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{"无法启动编辑程序 nothing。"});
    EXPECT_EQ(tk->cmdInsert2PPT.caption(), "保存");
}

TEST_F(TkTest, NothingOfAnotherDocumentIsStoredUnderTheChosenId) {
    open();
    settings::ConfigDatabase db;
    db.OpenConfigDatabase(dir / "config.mdb");
    db.execute("insert into big (Id, Name, content) values (4, '坏的', x'00')", {});
    tk->TreeView1.addNode("", "F4", "坏的");
    tk->TreeView1.clickNode("F4");  // cannot be shown: the view keeps document 1
    dialogs.clearShown();
    tk->Option1[1].click();
    tk->cmdInsert2PPT.click();
    EXPECT_EQ(stored(4), std::string(1, '\0'));
    EXPECT_EQ(tk->dsoFramer1.path(), copyOf(1));
    ASSERT_FALSE(dialogs.shown().empty());
    EXPECT_EQ(
        dialogs.shown()[0],
        "现在显示的不是目录中选中的文档，所以没有保存。请在目录中选中要保存的文档，等它显示出来后再保存。");
}

// A table another program made: ids that repeat, that round to the same whole number,
// that are missing or are text.
TEST_F(TkTest, RowsWithIdsTheTreeCannotTakeAreLeftOutAndTheFirstOfARepeatedIdWins) {
    settings::ConfigDatabase db;
    db.OpenConfigDatabase(dir / "config.mdb");
    for (const char* table : {"big", "small"}) {
        const std::string t = table;
        db.execute("create table loose as select * from " + t, {});
        db.execute("drop table " + t, {});
        db.execute("alter table loose rename to " + t, {});
    }
    db.execute(
        "insert into big (Id, Name, content) values (2, '又一个二', x'00'), (2.5, '二点五', x'00'), "
        "(NULL, '没有编号', x'00'), ('甲', '文字编号', x'00')",
        {});
    db.execute(
        "insert into small (Id, Name, big) values (1, '重复的图形', 2), (NULL, '无编号', 1), "
        "('乙', '文字', 1), (1.4, '一点四', 3)",
        {});
    open();
    std::vector<std::string> documents;
    for (const auto* node : tk->TreeView1.treeOrder())
        if (node->parent.empty()) documents.push_back(node->key);
    EXPECT_EQ(documents, (std::vector<std::string>{"F1", "F2", "F3"}));
    EXPECT_EQ(tk->TreeView1.node("C1")->text, "三角形ABC");
    EXPECT_EQ(tk->TreeView1.treeOrder().size(), 3u + 18u);
    EXPECT_EQ(tk->caption(), "平面几何");
}
