// The profile the system keeps for its headless LibreOffice runs: marked so that the
// office skips its start-up self-test, and made again when an older one lacks the mark.
#include "platform/forms/office_profile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "common/file_bytes.h"
#include "common/user_folders.h"
#include "platform/forms/page_pictures.h"

namespace fs = std::filesystem;

namespace {

struct OfficeProfile : ::testing::Test {
    // CTest runs the tests side by side: each has a folder of its own.
    fs::path dir =
        fs::path(testing::TempDir()) /
        ("office_profile_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::path profile = dir / "profile";
    fs::path settings = profile / "user" / "registrymodifications.xcu";
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
};

std::string versionLine() {
    std::unique_ptr<FILE, int (*)(FILE*)> out(popen("soffice --version", "r"), pclose);
    char line[256] = {};
    return out && std::fgets(line, sizeof line, out.get()) ? line : "";
}

TEST_F(OfficeProfile, TheMarkIsTheRunningVersionAndTheSelfTestIsSkipped) {
    forms::prepareOfficeProfile(profile);
    const std::string marked = common::fileBytes(settings);
    const auto at = marked.find("<value>");
    ASSERT_NE(at, std::string::npos) << marked;
    const std::string version = marked.substr(at + 7, marked.find("</value>") - at - 7);
    EXPECT_NE(versionLine().find(" " + version + "."), std::string::npos) << version;

    fs::path sheet = dir / "sheet.pptx";
    fs::copy_file(fs::path(QUILLON_FIXTURES) / "powerpoint" / "shp-shapes.pptx", sheet);
    setenv("XDG_CACHE_HOME", dir.c_str(), 1);
    const fs::path used = common::userCacheFolder() / "quillon_libreoffice_profile";
    fs::rename(profile, used);
    EXPECT_TRUE(fs::exists(forms::pagePictureOf(sheet, 1)));
    unsetenv("XDG_CACHE_HOME");
    EXPECT_TRUE(fs::exists(used / "user" / "registrymodifications.xcu")) << "the page renderer's own profile";
    EXPECT_FALSE(fs::exists(used / "user" / "GraphicsRenderTests.log"))
        << "the office ran its start-up self-test";
}

TEST_F(OfficeProfile, AnOlderProfileWithoutTheMarkIsMadeAgainAMarkedOneKept) {
    fs::create_directories(settings.parent_path());
    std::ofstream(settings) << "<oor:items/>";
    std::ofstream(profile / "user" / "left.txt") << "x";
    forms::prepareOfficeProfile(profile);
    EXPECT_FALSE(fs::exists(profile / "user" / "left.txt"));
    EXPECT_NE(common::fileBytes(settings).find("ooSetupLastVersion"), std::string::npos);

    std::ofstream(profile / "user" / "kept.txt") << "x";
    forms::prepareOfficeProfile(profile);
    EXPECT_TRUE(fs::exists(profile / "user" / "kept.txt"));
}

}  // namespace
