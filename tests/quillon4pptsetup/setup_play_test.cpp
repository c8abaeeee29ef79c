// The built QuillonSetup driven through play mode, from a source folder of its own.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct SetupPlayTest : ::testing::Test {
    fs::path root =
        fs::path(testing::TempDir()) / ("setup_play_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path source = root / "source";
    fs::path install = root / "installed";

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(source / "img");
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / "QuillonSetup", source / "QuillonSetup");
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / "config.mdb", source / "config.mdb");
        std::ofstream(source / "img/help.png") << "picture";
        std::ofstream(source / "quillon4ppt.oxt") << "toolbar";
        // Stands for LibreOffice's unopkg: notes how it was called.
        std::ofstream(root / "unopkg")
            << "#!/bin/sh\necho \"$@\" >> '" << (root / "unopkg.log").string() << "'\n";
        fs::permissions(root / "unopkg", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(root); }

    int play(const std::string& script, const std::string& verb, std::string& out) {
        std::ofstream(root / "actions.txt") << script;
        std::string command = "cd '" + root.string() + "' && env -u QUILLON_HOME QUILLON_PLAY=actions.txt" +
                              " QUILLON_INSTALL_DIR='" + install.string() + "' XDG_CONFIG_HOME='" +
                              (root / "config").string() + "' QUILLON_UNOPKG='" + (root / "unopkg").string() +
                              "' source/QuillonSetup " + verb + " > out.txt 2> err.txt";
        int rc = std::system(command.c_str());
        out = slurp(root / "out.txt");
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    int intK() {
        sqlite3* db = nullptr;
        sqlite3_open((install / "config.mdb").c_str(), &db);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "select intvalue from pptconfig where cName = 'intK'", -1, &stmt, nullptr);
        int v = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return v;
    }
};

TEST_F(SetupPlayTest, InstallThenEditTheInstalledSettingsThenQuit) {
    std::string out;
    ASSERT_EQ(
        play("click Command1(0)\nprint caption\nprint Label1\nclick Command1(1)\nprint caption\n"
             "print Text1(0)\nset Text1(0) 3\nclick cmdOK\nprint caption\nclick Command1(2)\nprint caption\n",
             "", out),
        0)
        << slurp(root / "err.txt");
    EXPECT_EQ(out,
              "caption = Quillonppt版已经安装完成！\n"
              "Label1 = PPT版文件拷贝完毕\n"
              "caption = 《Quillon》用户配置\n"
              "Text1(0) = 2\n"
              "caption = 《Quillon》安装及配置程序\n");
    EXPECT_TRUE(fs::exists(install / "QuillonSetup"));
    EXPECT_TRUE(fs::exists(install / "img/help.png"));
    EXPECT_EQ(slurp(root / "config/quillon4ppt/quillon4ppt.oxt"), "toolbar");
    EXPECT_EQ(intK(), 3);
    EXPECT_EQ(slurp(root / "unopkg.log"), "add --force " +
                                              (root / "config/quillon4ppt/quillon4ppt.oxt").string() +
                                              "\nlist org.quillon.quillon4ppt\n");

    ASSERT_EQ(play("click Command1(3)\nprint caption\n", "", out), 0);
    EXPECT_EQ(out, "caption = Quillonppt版已经成功删除\n");
    EXPECT_FALSE(fs::exists(install / "config.mdb"));
    EXPECT_NE(slurp(root / "unopkg.log").find("remove org.quillon.quillon4ppt\n"), std::string::npos);
}

TEST_F(SetupPlayTest, TheVerbsOfTheCommandLine) {
    std::string out;
    EXPECT_EQ(play("print caption\n", "TEST", out), 0);
    EXPECT_EQ(out, "") << "test ends at once";
    EXPECT_EQ(play("print caption\n", "", out), 0);
    EXPECT_EQ(out, "caption = 《Quillon》安装及配置程序\n");
    // Nothing is installed yet: the editor reports the missing file and hands over to frmMain.
    EXPECT_EQ(play("print caption\n", "Config", out), 0);
    EXPECT_EQ(out, "msgbox: 无法读取设置文件 " + (install / "config.mdb").string() +
                       "：文件不存在。请用安装程序重新安装本程序。\n" +
                       "caption = 《Quillon》安装及配置程序\n");
    EXPECT_FALSE(fs::exists(install / "config.mdb"));
    EXPECT_EQ(play("click nothing\n", "", out), 2);
}

}  // namespace
