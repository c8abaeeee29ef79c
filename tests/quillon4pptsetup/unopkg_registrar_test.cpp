// Registering the toolbar through a stand-in for unopkg that answers as told.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "quillon4pptsetup/toolbar_registrar.h"

namespace fs = std::filesystem;
using namespace setup;

namespace {

struct UnopkgRegistrarTest : ::testing::Test {
    fs::path dir =
        fs::path(testing::TempDir()) / ("unopkg_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path log = dir / "calls.log";

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        unsetenv("QUILLON_UNOPKG");
        fs::remove_all(dir);
    }
    // A stand-in that notes each call and exits with the status its body gives.
    void standIn(const std::string& body) {
        fs::path program = dir / "unopkg";
        std::ofstream(program) << "#!/bin/sh\necho \"$1\" >> '" << log.string() << "'\n" << body << "\n";
        fs::permissions(program, fs::perms::owner_all);
        setenv("QUILLON_UNOPKG", program.c_str(), 1);
    }
    std::string calls() {
        std::ifstream in(log);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(UnopkgRegistrarTest, AFreshProfileGetsASecondAdd) {
    // The first add only sets the profile up: list finds the extension after the second.
    standIn("[ \"$1\" = list ] && [ $(grep -c add '" + log.string() + "') -lt 2 ] && exit 1\nexit 0");
    UnopkgRegistrar registrar;
    EXPECT_EQ(registrar.add(dir / "quillon4ppt.oxt"), std::nullopt);
    EXPECT_EQ(calls(), "add\nlist\nadd\nlist\n");
}

TEST_F(UnopkgRegistrarTest, AnExtensionThatNeverShowsUpIsReported) {
    standIn("[ \"$1\" = list ] && exit 1\nexit 0");
    UnopkgRegistrar registrar;
    auto trouble = registrar.add(dir / "quillon4ppt.oxt");
    ASSERT_TRUE(trouble);
    EXPECT_NE(trouble->find("没有登记这个扩展"), std::string::npos);
}

TEST_F(UnopkgRegistrarTest, AFailingAddIsReportedWithWhatMayHelp) {
    standIn("exit 3");
    UnopkgRegistrar registrar;
    auto trouble = registrar.add(dir / "quillon4ppt.oxt");
    ASSERT_TRUE(trouble);
    if (geteuid() == 0)
        EXPECT_NE(trouble->find("系统管理员"), std::string::npos) << *trouble;
    else
        EXPECT_NE(trouble->find("退出状态 3"), std::string::npos) << *trouble;
    EXPECT_EQ(calls(), "add\n");
}

TEST_F(UnopkgRegistrarTest, AMissingLibreOfficeIsNamed) {
    setenv("QUILLON_UNOPKG", (dir / "no-such-unopkg").c_str(), 1);
    UnopkgRegistrar registrar;
    EXPECT_EQ(
        registrar.add(dir / "quillon4ppt.oxt"),
        "找不到LibreOffice的扩展管理程序 " + (dir / "no-such-unopkg").string() + "，请先安装LibreOffice。");
    registrar.remove();
}

}  // namespace
