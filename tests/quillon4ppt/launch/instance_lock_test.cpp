#include "quillon4ppt/launch/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using launch::InstanceLock;

namespace {

struct InstanceLockTest : ::testing::Test {
    fs::path folder =
        fs::path(testing::TempDir()) /
        ("instance_lock_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
};

TEST_F(InstanceLockTest, EveryRunningProgramIsSeenByTheNextOne) {
    auto first = std::make_unique<InstanceLock>(folder);
    EXPECT_FALSE(first->othersRunning());
    InstanceLock second(folder);
    EXPECT_TRUE(second.othersRunning());
    first.reset();
    EXPECT_TRUE(InstanceLock(folder).othersRunning());
}

TEST_F(InstanceLockTest, AKilledProgramLeavesNoLockBehind) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held(folder);
        char c = 1;
        (void)!write(ready[1], &c, 1);
        pause();
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    EXPECT_TRUE(InstanceLock(folder).othersRunning());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(InstanceLock(folder).othersRunning());
}

TEST_F(InstanceLockTest, AFolderThatCannotHoldTheLockStopsNobody) {
    EXPECT_FALSE(InstanceLock(folder / "missing").othersRunning());
}

TEST_F(InstanceLockTest, TheLockLiesInTheRuntimeFolderElseInTheUsersOwnWorkingFolder) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string kept = runtime ? runtime : "";
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    EXPECT_EQ(launch::runtimeFolder(), folder);
    unsetenv("XDG_RUNTIME_DIR");
    setenv("XDG_CACHE_HOME", folder.c_str(), 1);
    EXPECT_EQ(launch::runtimeFolder(), folder / "quillon4ppt") << "never a folder other accounts share";
    unsetenv("XDG_CACHE_HOME");
    if (!kept.empty()) setenv("XDG_RUNTIME_DIR", kept.c_str(), 1);
}

}  // namespace
