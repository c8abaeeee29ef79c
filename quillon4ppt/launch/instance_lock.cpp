#include "quillon4ppt/launch/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "common/user_folders.h"

namespace launch {

namespace {

// Each user has a file of their own, whatever folder holds it.
std::string lockFileName() {
    return "quillon4ppt-" + std::to_string(getuid()) + ".lock";
}

int lockRetryingSignals(int fd, int operation) {
    int rc;
    do rc = flock(fd, operation);
    while (rc != 0 && errno == EINTR);
    return rc;
}

}  // namespace

std::optional<std::filesystem::path> runtimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return runtime;
    try {
        return common::userCacheFolder();
    } catch (const common::UserFolderError&) {
        return std::nullopt;
    }
}

InstanceLock::InstanceLock(const std::filesystem::path& folder) {
    fd_ = open((folder / lockFileName()).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    // Alone when nobody holds it: the exclusive lock then turns into the shared one
    // every instance keeps.
    othersRunning_ = lockRetryingSignals(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (lockRetryingSignals(fd_, LOCK_SH) != 0) {
        close(fd_);
        fd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace launch
