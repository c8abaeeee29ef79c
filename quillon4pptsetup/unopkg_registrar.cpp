#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/messages.h"
#include "quillon4pptsetup/toolbar_registrar.h"

extern char** environ;

namespace setup {
namespace {

namespace msg = common::messages;

// unopkg may ask on its input; with nothing there it takes the default.
void quietStreams(posix_spawn_file_actions_t& actions) {
    posix_spawn_file_actions_init(&actions);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY,
                                         0);
}

}  // namespace

UnopkgRegistrar::UnopkgRegistrar(std::function<void()> whileWaiting)
    : whileWaiting_(std::move(whileWaiting)) {
    const char* chosen = std::getenv("QUILLON_UNOPKG");
    program_ = chosen && *chosen ? chosen : "unopkg";
}

int UnopkgRegistrar::run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{program_.data()};
    std::vector<std::string> copies = arguments;
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    quietStreams(actions);
    pid_t child = 0;
    int spawned = posix_spawnp(&child, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return kNotStarted;
    int status = 0;
    for (;;) {
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) break;
        if (done < 0 && errno != EINTR) return kAbnormal;
        if (whileWaiting_) whileWaiting_();
        usleep(20000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : kAbnormal;
}

std::optional<std::string> UnopkgRegistrar::add(const std::filesystem::path& extension) {
    // In a profile that does not exist yet, the first add only sets the profile up.
    for (int attempt = 0; attempt < 2; ++attempt) {
        int status = run({"add", "--force", extension.string()});
        if (status == kNotStarted) return msg::fill(msg::kNoExtensionManager, {program_});
        if (status != 0 && geteuid() == 0) return msg::kNoRegisteringForAdministrator;
        if (status == kAbnormal) return msg::fill(msg::kExtensionManagerCrashed, {program_});
        if (status != 0) return msg::fill(msg::kExtensionManagerFailed, {program_, std::to_string(status)});
        if (run({"list", kExtensionIdentifier}) == 0) return std::nullopt;
    }
    return msg::fill(msg::kExtensionNotListed, {program_});
}

void UnopkgRegistrar::remove() {
    run({"remove", kExtensionIdentifier});
}

}  // namespace setup
