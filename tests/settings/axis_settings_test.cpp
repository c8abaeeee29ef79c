#include "settings/axis_settings.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace settings;

namespace {

struct AxisSettingsTest : ::testing::Test {
    fs::path folder =
        fs::path(testing::TempDir()) / ("axis_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    ConfigDatabase db;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void makeTable(const std::string& sql) {
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open((folder / kConfigFileName).c_str(), &raw), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(raw);
        sqlite3_close(raw);
    }
    void rows(const std::string& values) {
        makeTable(
            "CREATE TABLE pptconfig (id INTEGER, cName TEXT, intvalue INTEGER, blvalue INTEGER);"
            "INSERT INTO pptconfig VALUES " +
            values + ";");
    }
    std::string failure() {
        try {
            LoadAxisSettings(db, folder);
        } catch (const SettingsError& e) {
            return e.what();
        }
        return "";
    }
};

TEST_F(AxisSettingsTest, TheBuiltDatabaseHoldsTheDefaults) {
    AxisSettings s = LoadAxisSettings(db, QUILLON_PROGRAM_DIR);
    EXPECT_EQ(s.intK, 2);
    EXPECT_EQ(s.intKD, 5);
    EXPECT_EQ(s.intLine, 2);
    EXPECT_FALSE(s.blYkdLeft);
    EXPECT_TRUE(s.blYtxtLeft);
    EXPECT_TRUE(s.blXkdUp);
    EXPECT_FALSE(s.blXtxtUp);
}

TEST_F(AxisSettingsTest, StoredZerosBecomeFallbacksAndOtherValuesStay) {
    rows("(1,'intK',0,0),(2,'intKD',3,0),(3,'intLine',0,0)");
    AxisSettings s = LoadAxisSettings(db, folder);
    EXPECT_EQ(s.intK, 2);
    EXPECT_EQ(s.intKD, 3);
    EXPECT_EQ(s.intLine, 2);
}

TEST_F(AxisSettingsTest, RowsApplyInIdOrderAndHalvesRoundToEven) {
    rows(
        "(5,'blXkdUp',0,0),(2,'blXkdUp',0,-1),(1,'intK',3,0),(3,'intKD',2.5,0),(4,'intLine',3.5,0),(6,'"
        "blXtxtUp',0,7)");
    AxisSettings s = LoadAxisSettings(db, folder);
    EXPECT_FALSE(s.blXkdUp);  // id 5 comes last
    EXPECT_TRUE(s.blXtxtUp);  // any non-zero value
    EXPECT_EQ(s.intK, 3);
    EXPECT_EQ(s.intKD, 2);
    EXPECT_EQ(s.intLine, 4);
}

TEST_F(AxisSettingsTest, ColumnNamesInAnotherCase) {
    makeTable(
        "CREATE TABLE pptconfig (ID INTEGER, cname TEXT, IntValue INTEGER, blValue INTEGER);"
        "INSERT INTO pptconfig VALUES (1,'intK',4,0),(2,'blYkdLeft',0,-1);");
    AxisSettings s = LoadAxisSettings(db, folder);
    EXPECT_EQ(s.intK, 4);
    EXPECT_TRUE(s.blYkdLeft);
}

TEST_F(AxisSettingsTest, MissingRowsAndColumnsLeaveNoZeroDivisors) {
    makeTable("CREATE TABLE pptconfig (id INTEGER, cName TEXT);");
    AxisSettings s = LoadAxisSettings(db, folder);
    EXPECT_EQ(s.intK, 2);
    EXPECT_EQ(s.intKD, 5);
    EXPECT_EQ(s.intLine, 0);
}

TEST_F(AxisSettingsTest, BadFilesAreReportedWithTheirNameAndNeverCreated) {
    EXPECT_NE(failure().find((folder / "config.mdb").string()), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / kConfigFileName));
    const std::string file = (folder / kConfigFileName).string();
    EXPECT_EQ(failure(), "无法读取设置文件 " + file + "：文件不存在。请用安装程序重新安装本程序。");
    std::ofstream(folder / kConfigFileName) << "this is not a database at all, just some text";
    EXPECT_EQ(failure(), "无法读取设置文件 " + file +
                             "：它不是本程序的设置数据库，或者已经损坏。请用安装程序重新安装本程序。");
    fs::remove(folder / kConfigFileName);
    makeTable("CREATE TABLE other (x INTEGER);");
    EXPECT_EQ(failure(),
              "无法读取设置文件 " + file + "：其中缺少本程序需要的表或列。请用安装程序重新安装本程序。");
}

TEST_F(AxisSettingsTest, ANumberTooLargeForItsFieldIsAnError) {
    rows("(1,'intK',70000,0)");
    EXPECT_EQ(failure(), "设置项 intK 的值 70000 超出范围（-32768 到 32767）。");
}

TEST_F(AxisSettingsTest, TheEditorAndTheLoaderRefuseTheSameValues) {
    EXPECT_EQ(IntegerSetting("intK", 32767.4), 32767);
    EXPECT_EQ(IntegerSetting("intKD", -32768), -32768);
    EXPECT_EQ(IntegerSetting("intLine", 2.5), 2);
    EXPECT_THROW(IntegerSetting("intK", 32767.5), SettingsError);
    EXPECT_THROW(IntegerSetting("intK", -40000), SettingsError);
}

}  // namespace
