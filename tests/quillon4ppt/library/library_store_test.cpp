// The library store: documents and entries in config.mdb, shown copies and save files.
#include "quillon4ppt/library/library_store.h"

#include <sqlite3.h>

#include "library_fixture.h"

using library::LibraryStore;

// Keeps the titles of the reports as well.
struct TitledDialogs : forms::ScriptedDialogs {
    std::vector<std::string> titles;
    void msgBoxTitled(const std::string& text, const std::string& title) override {
        titles.push_back(title);
        ScriptedDialogs::msgBoxTitled(text, title);
    }
};

struct StoreTest : LibraryFolder {
    settings::ConfigDatabase db;
    TitledDialogs dialogs;
    std::unique_ptr<LibraryStore> store;

    void SetUp() override {
        LibraryFolder::SetUp();
        db.OpenConfigDatabase(dir / "config.mdb");
        store = std::make_unique<LibraryStore>(db, dialogs, library::GetTempFolder());
    }
};

TEST_F(StoreTest, TheSampleLibraryListsItsDocumentsAndFiguresInIdOrder) {
    auto documents = store->listDocuments();
    ASSERT_EQ(documents.size(), 3u);
    EXPECT_EQ(documents[0].name, "平面几何");
    EXPECT_EQ(documents[1].name, "立体几何");
    EXPECT_EQ(documents[2].name, "坐标与函数");
    for (const auto& d : documents) EXPECT_GE(store->listEntries(d.id).size(), 6u) << d.name;
    auto entries = store->listEntries(2);
    EXPECT_EQ(entries.front().name, "正方体");
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_LT(entries[i - 1].id, entries[i].id);
}

TEST_F(StoreTest, EntriesFollowTheirIdsAndADocumentWithoutRowsHasNone) {
    db.execute("insert into big (Id, Name, content) values (9, 'x', x'00')", {});
    db.execute("insert into small (Id, Name, big) values (90, 'later', 9), (80, 'earlier', 9)", {});
    auto entries = store->listEntries(9);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "earlier");
    EXPECT_EQ(entries[1].name, "later");
    db.execute("insert into big (Id, Name, content) values (10, 'empty', x'00')", {});
    EXPECT_TRUE(store->listEntries(10).empty());
}

TEST_F(StoreTest, ShowingADocumentTwiceDownloadsItOnce) {
    auto first = store->makeShownCopy(3);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->path, dir / "quillon_temp4show3.pptx");
    EXPECT_EQ(first->name, "坐标与函数");
    EXPECT_EQ(slurp(first->path), stored(3));
    ASSERT_TRUE(store->makeShownCopy(3));
    EXPECT_EQ(store->downloads(), 1);
}

TEST_F(StoreTest, ACopyLeftFromAnEarlierRunIsShownAsItIs) {
    ASSERT_TRUE(store->makeShownCopy(2));
    // The teacher changed the copy in the editor and did not store it yet.
    write(dir / "quillon_temp4show2.pptx", "edited");
    LibraryStore nextRun(db, dialogs, library::GetTempFolder());
    auto shown = nextRun.makeShownCopy(2);
    ASSERT_TRUE(shown);
    EXPECT_EQ(nextRun.downloads(), 0);
    EXPECT_EQ(slurp(shown->path), "edited");
    EXPECT_EQ(shown->name, "立体几何");
}

TEST_F(StoreTest, ACopyOfAnOlderStoredDocumentIsDownloadedAfresh) {
    ASSERT_TRUE(store->makeShownCopy(2));
    storeBytes(2, "new content");
    LibraryStore nextRun(db, dialogs, library::GetTempFolder());
    ASSERT_TRUE(nextRun.makeShownCopy(2));
    EXPECT_EQ(nextRun.downloads(), 1);
    EXPECT_EQ(slurp(dir / "quillon_temp4show2.pptx"), "new content");
}

TEST_F(StoreTest, ACopyWithoutItsNoteIsKeptOnlyWhenItHoldsWhatIsStored) {
    write(dir / "quillon_temp4show1.pptx", stored(1));
    ASSERT_TRUE(store->makeShownCopy(1));
    EXPECT_EQ(store->downloads(), 0);
    write(dir / "quillon_temp4show3.pptx", "something else");
    ASSERT_TRUE(store->makeShownCopy(3));
    EXPECT_EQ(store->downloads(), 1);
    EXPECT_EQ(slurp(dir / "quillon_temp4show3.pptx"), stored(3));
}

TEST_F(StoreTest, ADocumentWithoutARowShowsNothing) {
    EXPECT_FALSE(store->makeShownCopy(42));
    EXPECT_FALSE(std::filesystem::exists(dir / "quillon_temp4show42.pptx"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StoreTest, StoringReplacesTheContentWhole) {
    auto file = store->newSaveFile();
    EXPECT_EQ(file.parent_path(), dir);
    EXPECT_EQ(file.filename().string().rfind("quillon_temp4save", 0), 0u);
    write(file, std::string("stored bytes\0with a zero", 24));
    EXPECT_TRUE(store->storeDocument(3, file));
    EXPECT_EQ(stored(3), slurp(file));
    EXPECT_FALSE(store->storeDocument(42, file));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StoreTest, AnEmptyOrMissingFileIsNotStoredAndSaysWhy) {
    const std::string before = stored(1);
    write(dir / "empty.pptx", "");
    EXPECT_FALSE(store->storeDocument(1, dir / "empty.pptx"));
    EXPECT_FALSE(store->storeDocument(1, dir / "missing.pptx"));
    EXPECT_EQ(stored(1), before);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_NE(dialogs.shown()[0].find("empty.pptx"), std::string::npos);
    EXPECT_NE(dialogs.shown()[1].find("missing.pptx"), std::string::npos);
    EXPECT_EQ(dialogs.titles, std::vector<std::string>(2, "错误！文件上传到数据库不成功！"));
}

TEST_F(StoreTest, ARowThatCannotBeWrittenStaysAsItWas) {
    const std::string before = stored(1);
    db.execute("create trigger refuse before update on big begin select raise(abort, 'refused'); end", {});
    auto file = store->newSaveFile();
    write(file, "new");
    EXPECT_FALSE(store->storeDocument(1, file));
    EXPECT_EQ(stored(1), before);
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{"无法写入设置文件 " + (dir / "config.mdb").string() +
                                                        "：数据库拒绝了这次修改，没有写入任何内容。"});
}

TEST_F(StoreTest, ADownloadThatCannotBeWrittenLeavesNoCopy) {
    LibraryStore nowhere(db, dialogs, dir / "missing-folder");
    EXPECT_FALSE(nowhere.makeShownCopy(1));
    EXPECT_EQ(dialogs.titles, std::vector<std::string>{"错误！文件下载到本地不成功！"});
    EXPECT_FALSE(std::filesystem::exists(dir / "missing-folder"));
}

TEST_F(StoreTest, AnEmptyOrMissingDocumentIsReportedAsAFailedDownload) {
    db.execute("update big set content = x'' where Id = 2", {});
    db.execute("update big set content = NULL where Id = 3", {});
    EXPECT_FALSE(store->makeShownCopy(2));
    EXPECT_FALSE(store->makeShownCopy(3));
    const std::string why = "图库中的这个文档是空的，无法显示。请在编辑模式下为它保存一份新的内容。";
    EXPECT_EQ(dialogs.shown(), (std::vector<std::string>{why, why}));
    EXPECT_EQ(dialogs.titles, std::vector<std::string>(2, "错误！文件下载到本地不成功！"));
    EXPECT_FALSE(std::filesystem::exists(dir / "quillon_temp4show2.pptx"));
}

// Another program holds config.mdb for writing: the store says it could not write.
TEST_F(StoreTest, AStoreWhileTheDatabaseIsLockedSaysItCouldNotWrite) {
    const std::string before = stored(1);
    auto file = store->newSaveFile();
    write(file, "new");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((dir / "config.mdb").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_FALSE(store->storeDocument(1, file));
    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(stored(1), before);
    EXPECT_EQ(dialogs.shown(),
              std::vector<std::string>{"无法写入设置文件 " + (dir / "config.mdb").string() +
                                       "：另一个程序正在使用这个文件。请关闭那个程序后再试一次。"});
}

TEST_F(StoreTest, TheTemporaryFolderEndsInASeparator) {
    EXPECT_EQ(library::GetTempFolder(), dir.string() + "/");
    setenv("TMPDIR", (dir / "not-there").c_str(), 1);
    EXPECT_EQ(library::GetTempFolder(), "/tmp/");
}
