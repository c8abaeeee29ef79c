#pragma once
// Every running tool program holds a shared lock on one file in the user's runtime
// folder; the kernel lets it go when the program ends, however it ends.
#include <filesystem>
#include <optional>

namespace launch {

class InstanceLock {
public:
    // Takes the lock in the folder; a folder that cannot hold it leaves the program
    // without one (it then never sees itself as a second instance).
    explicit InstanceLock(const std::filesystem::path& folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Whether another program held the lock when this one took it.
    bool othersRunning() const { return othersRunning_; }

private:
    int fd_ = -1;
    bool othersRunning_ = false;
};

// XDG_RUNTIME_DIR, else the user's working folder (common::userCacheFolder); none when
// neither is there.
std::optional<std::filesystem::path> runtimeFolder();

}  // namespace launch
