// The setup program's verbs, install and uninstall, on folders of their own.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "quillon4pptsetup/setup_program.h"

namespace fs = std::filesystem;
using namespace setup;

namespace {

struct FakeRegistrar : ToolbarRegistrar {
    std::vector<std::string> calls;
    std::optional<std::string> failure;
    std::optional<std::string> add(const fs::path& extension) override {
        calls.push_back("add " + extension.string());
        return failure;
    }
    void remove() override { calls.push_back("remove"); }
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

struct SetupTest : ::testing::Test {
    fs::path root =
        fs::path(testing::TempDir()) / ("setup_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    SetupPaths paths{root / "source", root / "home/quillon4ppt", root / "config/quillon4ppt",
                     root / "home/quillon4ppt"};
    forms::ScriptedDialogs dialogs;
    FakeRegistrar toolbar;
    std::unique_ptr<SetupProgram> program;

    void SetUp() override {
        fs::remove_all(root);
        write(paths.source / "quillon4ppt", "tool");
        write(paths.source / "config.mdb", "settings");
        write(paths.source / "img/help.png", "picture");
        write(paths.source / kCommandBarName, "toolbar");
        write(paths.source / ".hidden", "not listed");
        fs::create_directories(paths.source / "folder");
    }
    void TearDown() override {
        program.reset();
        fs::remove_all(root);
    }
    void useBuiltSettings() {
        fs::create_directories(paths.settingsFolder);
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / "config.mdb", paths.settingsFolder / "config.mdb");
    }
    frmMain& start(const SetupPaths& p) {
        program = std::make_unique<SetupProgram>(p, dialogs, toolbar);
        program->Main("");
        return dynamic_cast<frmMain&>(*program->window());
    }
    frmMain& start() { return start(paths); }
};

TEST_F(SetupTest, VerbsAreComparedInLowerCaseWithoutTrimming) {
    useBuiltSettings();
    program = std::make_unique<SetupProgram>(paths, dialogs, toolbar);
    EXPECT_FALSE(program->Main("TEST"));
    EXPECT_EQ(program->window(), nullptr);
    EXPECT_TRUE(program->Main("Config"));
    EXPECT_EQ(program->window()->name(), "frmConfig");
    program = std::make_unique<SetupProgram>(paths, dialogs, toolbar);
    EXPECT_TRUE(program->Main(""));
    EXPECT_EQ(program->window()->name(), "frmMain");
    EXPECT_EQ(program->window()->caption(), "《Quillon》安装及配置程序");
    program = std::make_unique<SetupProgram>(paths, dialogs, toolbar);
    EXPECT_TRUE(program->Main(" test"));
    EXPECT_EQ(program->window()->name(), "frmMain");
}

TEST_F(SetupTest, TheButtonsStandInOneRowInstallSettingsUninstallQuit) {
    frmMain& main = start();
    std::vector<std::pair<int, std::string>> row;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(main.Command1[i].layout.top, main.Command1[0].layout.top);
        row.emplace_back(main.Command1[i].layout.left, main.Command1[i].caption());
    }
    std::sort(row.begin(), row.end());
    EXPECT_EQ(row[0].second + row[1].second + row[2].second + row[3].second, "安装配置删除退出");
}

TEST_F(SetupTest, InstallCopiesTheFilesAndRegistersTheToolbar) {
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_EQ(slurp(paths.install / "quillon4ppt"), "tool");
    EXPECT_EQ(slurp(paths.install / "config.mdb"), "settings");
    EXPECT_EQ(slurp(paths.install / kCommandBarName), "toolbar") << "every ordinary file of the source";
    EXPECT_EQ(slurp(paths.pictureFolder() / "help.png"), "picture");
    EXPECT_FALSE(fs::exists(paths.install / ".hidden"));
    EXPECT_FALSE(fs::exists(paths.install / "folder"));
    EXPECT_EQ(slurp(paths.commandBarFile()), "toolbar");
    EXPECT_FALSE(fs::exists(paths.commandBarBackup()));
    EXPECT_EQ(toolbar.calls, std::vector<std::string>{"add " + paths.commandBarFile().string()});
    EXPECT_EQ(main.caption(), "Quillonppt版已经安装完成！");
    EXPECT_EQ(main.Label1.caption(),
              "PPT版文件拷贝完毕。请重新启动LibreOffice Impress，Quillon工具栏才会出现。");
    for (const auto& entry : fs::directory_iterator(paths.install))
        EXPECT_EQ(entry.path().filename().string().find(".quillon-"), std::string::npos)
            << "no copy is left half-done";
}

TEST_F(SetupTest, InstallNeverReplacesAnInstalledFileButReplacesTheToolbarKeepingABackup) {
    write(paths.install / "config.mdb", "the teacher's settings");
    write(paths.commandBarFile(), "the teacher's toolbar");
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_EQ(slurp(paths.install / "config.mdb"), "the teacher's settings");
    EXPECT_EQ(slurp(paths.commandBarBackup()), "the teacher's toolbar");
    EXPECT_EQ(slurp(paths.commandBarFile()), "toolbar");
    main.Command1_Click(0);
    EXPECT_EQ(slurp(paths.commandBarBackup()), "toolbar") << "a second install backs up the installed file";
    EXPECT_EQ(slurp(paths.commandBarFile()), "toolbar");
}

TEST_F(SetupTest, TheTypesetterIsInstalledAsATreeAndRemovedWithTheProgram) {
    write(paths.source / "typeset/typeset.js", "script");
    write(paths.source / "typeset/node_modules/mathjax-full/js/mathjax.js", "mathjax");
    write(paths.install / "typeset/typeset.js", "kept");
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_EQ(slurp(paths.install / "typeset/typeset.js"), "kept");
    EXPECT_EQ(slurp(paths.install / "typeset/node_modules/mathjax-full/js/mathjax.js"), "mathjax");
    main.Command1_Click(3);
    EXPECT_FALSE(fs::exists(paths.install / "typeset"));
    EXPECT_TRUE(fs::exists(paths.source / "typeset/typeset.js"));
}

TEST_F(SetupTest, InstallingFromTheInstallFolderCopiesNothingButTheToolbar) {
    SetupPaths inPlace = paths;
    inPlace.source = paths.install;
    write(paths.install / "quillon4ppt", "installed tool");
    write(paths.install / kCommandBarName, "installed toolbar");
    frmMain& main = start(inPlace);
    main.Command1_Click(0);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(paths.install))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"img", "quillon4ppt", kCommandBarName}));
    EXPECT_EQ(slurp(paths.install / "quillon4ppt"), "installed tool");
    EXPECT_EQ(slurp(paths.commandBarFile()), "installed toolbar");
    EXPECT_EQ(main.caption(), "Quillonppt版已经安装完成！") << "files already in place count as installed";
    EXPECT_EQ(main.Label1.caption().rfind("PPT版文件拷贝完毕。", 0), 0u);
}

TEST_F(SetupTest, ASourceWithoutPicturesStillInstallsAnEmptyPictureFolderAndTheToolbar) {
    fs::remove_all(paths.pictureSource());
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_TRUE(fs::exists(paths.install / "quillon4ppt"));
    EXPECT_TRUE(fs::is_directory(paths.pictureFolder()));
    EXPECT_TRUE(fs::is_empty(paths.pictureFolder()));
    EXPECT_EQ(slurp(paths.commandBarFile()), "toolbar");
}

TEST_F(SetupTest, WhatKeepsTheToolbarFromWorkingIsOnTheStatusLine) {
    toolbar.failure = "找不到LibreOffice";
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_EQ(slurp(paths.commandBarFile()), "toolbar") << "the file stays copied";
    EXPECT_EQ(main.Label1.caption(),
              "PPT版文件拷贝完毕，但Quillon工具栏没能在LibreOffice中注册：找不到LibreOffice");

    fs::remove(paths.commandBarSource());
    fs::remove(paths.commandBarFile());
    toolbar.calls.clear();
    main.Command1_Click(0);
    EXPECT_TRUE(toolbar.calls.empty()) << "nothing to register";
    EXPECT_EQ(main.Label1.caption().rfind("PPT版文件拷贝完毕，但Quillon工具栏文件没能复制到 ", 0), 0u);
    EXPECT_EQ(main.caption(), "Quillonppt版没有安装完成！");
}

TEST_F(SetupTest, AnInstallThatCouldNotCopyItsFilesSaysWhichAndClaimsNoSuccess) {
    write(root / "home", "a file where the install folder's parent should be");
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_EQ(main.caption(), "Quillonppt版没有安装完成！");
    const std::string status = main.Label1.caption();
    EXPECT_EQ(status.find("拷贝完毕"), std::string::npos) << status;
    EXPECT_EQ(status.rfind("有4个文件没能拷贝到 " + paths.install.string() + "：", 0), 0u) << status;
    for (const char* name : {"quillon4ppt", "config.mdb", kCommandBarName, "img/help.png"})
        EXPECT_NE(status.find(name), std::string::npos) << name << " in " << status;
    EXPECT_NE(status.find("再按“安装”"), std::string::npos) << status;
    EXPECT_EQ(status.find("重新启动"), std::string::npos) << status;
}

TEST_F(SetupTest, OnlyTheFilesThatAreMissingAfterwardsAreNamed) {
    write(paths.source / "typeset/typeset.js", "script");
    write(paths.install / "img", "a file where the picture folder should be");
    frmMain& main = start();
    main.Command1_Click(0);
    EXPECT_EQ(slurp(paths.install / "quillon4ppt"), "tool");
    EXPECT_EQ(slurp(paths.install / "typeset/typeset.js"), "script");
    EXPECT_EQ(main.caption(), "Quillonppt版没有安装完成！");
    EXPECT_EQ(main.Label1.caption(), "有1个文件没能拷贝到 " + paths.install.string() +
                                         "：img/help.png。请检查该文件夹是否可以写入，然后再按“安装”。");
}

TEST_F(SetupTest, UninstallRemovesTheToolbarAndTheFilesButKeepsTheFoldersAndTheBackup) {
    write(paths.commandBarFile(), "the teacher's toolbar");
    frmMain& main = start();
    main.Command1_Click(0);
    toolbar.calls.clear();
    main.Command1_Click(3);
    EXPECT_EQ(toolbar.calls, std::vector<std::string>{"remove"});
    EXPECT_FALSE(fs::exists(paths.commandBarFile()));
    EXPECT_EQ(slurp(paths.commandBarBackup()), "the teacher's toolbar");
    EXPECT_TRUE(fs::is_directory(paths.install));
    EXPECT_TRUE(fs::is_empty(paths.pictureFolder()));
    EXPECT_FALSE(fs::exists(paths.install / "quillon4ppt"));
    EXPECT_EQ(main.caption(), "Quillonppt版已经成功删除");
    EXPECT_EQ(main.Label1.caption(), "PPT版文件已经从您的ppt中删除，由于系统原因，" + paths.install.string() +
                                         "文件夹中部分文件需要手工删除。给您带来的不便请谅解。");
}

TEST_F(SetupTest, SettingsAndBackAgain) {
    useBuiltSettings();
    frmMain& main = start();
    main.Command1_Click(0);
    main.Command1_Click(1);
    ASSERT_EQ(program->window()->name(), "frmConfig");
    auto& config = dynamic_cast<settings::frmConfig&>(*program->window());
    EXPECT_EQ(config.Text1[0].text(), "2");
    config.cmdExit.click();
    ASSERT_EQ(program->window(), &main);
    EXPECT_EQ(main.caption(), "《Quillon》安装及配置程序") << "frmMain is loaded anew";
    EXPECT_THROW(main.Command1_Click(2), forms::ProgramExit);
    EXPECT_EQ(program->window(), nullptr);
}

}  // namespace
