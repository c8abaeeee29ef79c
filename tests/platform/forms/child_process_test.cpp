// A program that outlives its limit is ended with everything it started: soffice is a
// script whose office process would otherwise keep running.
#include "platform/forms/child_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Running, and not just a zombie left for a parent that never waits.
bool running(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return false;
    return line.substr(line.rfind(')') + 2, 1) != "Z";
}

TEST(ChildProcess, AProgramPastItsLimitIsEndedWithWhatItStarted) {
    const fs::path pidFile = fs::path(testing::TempDir()) / "child_process_grandchild.pid";
    fs::remove(pidFile);
    ASSERT_FALSE(forms::runProgram({"sh", "-c", "sleep 60 & echo $! > \"$0\"; wait", pidFile.string()},
                                   std::chrono::seconds(1)));
    pid_t grandchild = 0;
    std::ifstream(pidFile) >> grandchild;
    ASSERT_GT(grandchild, 0);
    EXPECT_FALSE(running(grandchild)) << "what the program started outlived it";
    if (running(grandchild)) kill(grandchild, SIGKILL);
}

TEST(ChildProcess, TheStatusTellsWhetherTheProgramSucceeded) {
    EXPECT_TRUE(forms::runProgram({"sh", "-c", "exit 0"}, std::chrono::seconds(30)));
    EXPECT_FALSE(forms::runProgram({"sh", "-c", "exit 3"}, std::chrono::seconds(30)));
    EXPECT_FALSE(forms::runProgram({"quillon-no-such-program"}, std::chrono::seconds(30)));
}

}  // namespace
