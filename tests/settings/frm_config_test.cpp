// The settings editor on real config.mdb files.
#include "settings/frm_config.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace settings;

namespace {

struct FrmConfigTest : ::testing::Test {
    fs::path folder =
        fs::path(testing::TempDir()) / ("frm_config_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    forms::ScriptedDialogs dialogs;
    ConfigDatabase db;
    int mainShown = 0;
    std::unique_ptr<frmConfig> form;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        form.reset();
        db.CloseConfigDatabase();
        fs::remove_all(folder);
    }
    void useBuiltDatabase() {
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / kConfigFileName, folder / kConfigFileName);
    }
    void open() {
        form = std::make_unique<frmConfig>(dialogs, db, folder, [this] { ++mainShown; });
        form->Form_Load();
    }
    void sql(const std::string& statement) {
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open((folder / kConfigFileName).c_str(), &raw), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(raw, statement.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(raw);
        sqlite3_close(raw);
    }
    // The stored value of the row: intvalue or blvalue.
    double stored(const std::string& key, const char* column = "intvalue") {
        sqlite3* raw = nullptr;
        sqlite3_open((folder / kConfigFileName).c_str(), &raw);
        sqlite3_stmt* stmt = nullptr;
        std::string q = std::string("select ") + column + " from pptconfig where cName = ?";
        sqlite3_prepare_v2(raw, q.c_str(), -1, &stmt, nullptr);
        sqlite3_bind_text(stmt, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        double v = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_double(stmt, 0) : -999;
        sqlite3_finalize(stmt);
        sqlite3_close(raw);
        return v;
    }
};

TEST_F(FrmConfigTest, ShowsTheRowsAndKeepsThemWhenSavedUnchanged) {
    useBuiltDatabase();
    open();
    EXPECT_EQ(form->caption(), "《Quillon》用户配置");
    EXPECT_EQ(form->Text1[0].text(), "2");
    EXPECT_EQ(form->Text1[1].text(), "5");
    EXPECT_EQ(form->Combo1.text(), "2");
    // blYkdLeft false, blYtxtLeft true, blXkdUp true, blXtxtUp false.
    EXPECT_TRUE(form->optYkd[1].value());
    EXPECT_FALSE(form->optYkd[0].value());
    EXPECT_TRUE(form->optYtxt[0].value());
    EXPECT_TRUE(form->optXkd[0].value());
    EXPECT_TRUE(form->optXtxt[1].value());
    sql("update pptconfig set blvalue = 0 where cName = 'blYtxtLeft'");
    form->Form_Load();
    EXPECT_TRUE(form->optYtxt[1].value()) << "右侧 shows a false blYtxtLeft";
    EXPECT_FALSE(form->optYtxt[0].value());
    form->cmdOK.click();
    EXPECT_EQ(stored("blYtxtLeft", "blvalue"), 0);
    EXPECT_EQ(stored("blXkdUp", "blvalue"), -1);
    EXPECT_EQ(stored("intK"), 2);
    EXPECT_EQ(stored("intKD"), 5);
}

TEST_F(FrmConfigTest, SavesWhatWasTypedChosenAndSelectedThenShowsTheInstallerWindow) {
    useBuiltDatabase();
    open();
    form->Text1[0].setText("3");
    form->Text1[1].setText("abc");
    form->Combo1.select(9);
    form->optXtxt[0].click();
    form->optYtxt[1].click();
    form->cmdOK.click();
    EXPECT_EQ(stored("intK"), 3);
    EXPECT_EQ(stored("intKD"), 0) << "a text that is not a number is stored as 0";
    EXPECT_EQ(stored("intLine"), 10);
    EXPECT_EQ(stored("blXtxtUp", "blvalue"), -1);
    EXPECT_EQ(stored("blYtxtLeft", "blvalue"), 0);
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FrmConfigTest, ReturnLeavesTheTableAsItWas) {
    useBuiltDatabase();
    open();
    form->Text1[0].setText("7");
    form->cmdExit.click();
    EXPECT_EQ(stored("intK"), 2);
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(mainShown, 1);
}

TEST_F(FrmConfigTest, AMissingFileIsReportedWithItsNameAndNotCreated) {
    open();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].find((folder / kConfigFileName).string()), std::string::npos);
    EXPECT_NE(dialogs.shown()[0].find("文件不存在"), std::string::npos);
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(fs::exists(folder / kConfigFileName));
}

TEST_F(FrmConfigTest, AFileWithoutTheTableIsReportedAndLeftAlone) {
    sql("create table other (x integer)");
    open();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], "无法读取设置文件 " + (folder / kConfigFileName).string() +
                                      "：其中缺少本程序需要的表或列。请用安装程序重新安装本程序。");
    EXPECT_EQ(mainShown, 1);
}

TEST_F(FrmConfigTest, AValueTheToolsWouldRefuseIsNotStored) {
    useBuiltDatabase();
    open();
    form->Text1[0].setText("40000");
    form->Text1[1].setText("4");
    form->cmdOK.click();
    EXPECT_EQ(dialogs.shown(),
              std::vector<std::string>{"设置项 intK 的值 40000 超出范围（-32768 到 32767）。"});
    EXPECT_EQ(stored("intK"), 2);
    EXPECT_EQ(stored("intKD"), 5) << "nothing is stored when one value is refused";
    EXPECT_FALSE(form->unloaded());
    form->Combo1.setText("-40000");
    form->Text1[0].setText("32767");
    form->cmdOK.click();
    EXPECT_EQ(dialogs.shown().back(), "设置项 intLine 的值 -40000 超出范围（-32768 到 32767）。");
    form->Combo1.setText("32767.4");
    form->cmdOK.click();
    EXPECT_TRUE(form->unloaded());
    EXPECT_EQ(stored("intK"), 32767);
    EXPECT_DOUBLE_EQ(stored("intLine"), 32767.4);
}

TEST_F(FrmConfigTest, ASaveThatFailsChangesNoRowAndKeepsTheWindowOpen) {
    useBuiltDatabase();
    sql("create trigger refuse before update on pptconfig when new.cName = 'blXtxtUp' "
        "begin select raise(abort, 'refused'); end");
    open();
    form->Text1[0].setText("4");
    form->cmdOK.click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], "无法写入设置文件 " + (folder / kConfigFileName).string() +
                                      "：数据库拒绝了这次修改，没有写入任何内容。");
    EXPECT_EQ(stored("intK"), 2) << "the rows are written in one transaction";
    EXPECT_FALSE(form->unloaded());
    EXPECT_EQ(form->Text1[0].text(), "4");
    EXPECT_EQ(mainShown, 0);
}

}  // namespace
