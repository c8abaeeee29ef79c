// The user's own working folder: where it lies, its mode, and what is never trusted there.
#include "common/user_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

// An account nobody uses; changing owners to it needs root.
constexpr uid_t kStranger = 54321;

struct UserFolders : ::testing::Test {
    fs::path dir =
        fs::path(testing::TempDir()) /
        ("user_folders_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::string oldHome = getenv("HOME") ? getenv("HOME") : "";
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir / "home");
        setenv("HOME", (dir / "home").c_str(), 1);
        setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    }
    void TearDown() override {
        setenv("HOME", oldHome.c_str(), 1);
        unsetenv("XDG_CACHE_HOME");
        fs::remove_all(dir);
    }
    static unsigned modeOf(const fs::path& p) {
        struct stat st;
        return lstat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    static void plant(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "planted";
    }
    static void chownAll(const fs::path& top, uid_t uid) {
        ASSERT_EQ(lchown(top.c_str(), uid, uid), 0);
        if (fs::is_directory(fs::symlink_status(top))) {
            for (const auto& e : fs::recursive_directory_iterator(top))
                ASSERT_EQ(lchown(e.path().c_str(), uid, uid), 0);
        }
    }
};

TEST_F(UserFolders, TheCacheFolderFollowsXdgCacheHomeElseTheHomeFolderAndIsPrivate) {
    EXPECT_EQ(common::userCacheFolder(), dir / "cache" / "quillon4ppt");
    EXPECT_EQ(modeOf(dir / "cache" / "quillon4ppt"), 0700u);
    setenv("XDG_CACHE_HOME", "relative/cache", 1);
    EXPECT_EQ(common::userCacheFolder(), dir / "home" / ".cache" / "quillon4ppt");
    unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(common::userCacheFolder(), dir / "home" / ".cache" / "quillon4ppt");
    EXPECT_EQ(modeOf(dir / "home" / ".cache" / "quillon4ppt"), 0700u);
}

TEST_F(UserFolders, AnOwnFolderOthersCannotWriteIsKeptAndClosedToOthers) {
    const fs::path folder = dir / "cache" / "quillon4ppt";
    plant(folder / "kept");
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(common::userCacheFolder(), folder);
    EXPECT_TRUE(fs::exists(folder / "kept"));
    EXPECT_EQ(modeOf(folder), 0700u);
}

TEST_F(UserFolders, AFolderOthersMayWriteOrALinkIsMadeAgainEmpty) {
    const fs::path folder = dir / "cache" / "quillon4ppt";
    plant(folder / "planted");
    chmod(folder.c_str(), 0777);
    EXPECT_EQ(common::userCacheFolder(), folder);
    EXPECT_FALSE(fs::exists(folder / "planted"));
    EXPECT_EQ(modeOf(folder), 0700u);

    fs::remove_all(folder);
    plant(dir / "elsewhere" / "planted");
    fs::create_directory_symlink(dir / "elsewhere", folder);
    EXPECT_EQ(common::userCacheFolder(), folder);
    EXPECT_FALSE(fs::is_symlink(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_TRUE(fs::exists(dir / "elsewhere" / "planted")) << "what the link pointed to is not touched";
}

TEST_F(UserFolders, AnotherAccountsFilesAndFoldersAreSetAsideOwnOnesKept) {
    if (geteuid() != 0) GTEST_SKIP() << "giving files to another account needs root";
    const fs::path folder = common::userCacheFolder();
    plant(folder / "own");
    plant(folder / "foreign");
    plant(folder / "foreign-folder" / "inside");
    chownAll(folder / "foreign", kStranger);
    chownAll(folder / "foreign-folder", kStranger);
    for (const char* name : {"own", "foreign", "foreign-folder", "missing"})
        common::setAsideUnlessOwned(folder / name);
    EXPECT_TRUE(fs::exists(folder / "own"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "foreign")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "foreign-folder")));
    EXPECT_FALSE(common::ownedPrivately(folder / "missing"));

    chownAll(folder, kStranger);
    EXPECT_EQ(common::userCacheFolder(), folder);
    EXPECT_TRUE(common::ownedPrivately(folder));
    EXPECT_TRUE(fs::is_empty(folder)) << "nothing of the other account's folder is kept";
}

TEST_F(UserFolders, AFolderThatCannotBeMadeIsReportedInChinese) {
    plant(dir / "cache");
    try {
        common::userCacheFolder();
        FAIL() << "a file stands where the cache folder's parent should be";
    } catch (const common::UserFolderError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(
                      "无法建立您自己的工作文件夹 " + (dir / "cache" / "quillon4ppt").string(), 0),
                  0u)
            << e.what();
    }
}

}  // namespace
