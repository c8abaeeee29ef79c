#include "common/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "common/messages.h"

namespace common {

namespace fs = std::filesystem;

namespace {

std::atomic<int> setAsideCount{0};

fs::path absoluteVariable(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return {};
    fs::path p(v);
    return p.is_absolute() ? p : fs::path();
}

// With user private groups a umask of 002 is usual: the group is then the user alone.
bool othersMayWrite(const struct stat& st) {
    if (st.st_mode & S_IWOTH) return true;
    return (st.st_mode & S_IWGRP) && st.st_gid != getegid();
}

}  // namespace

fs::path homeFolder() {
    if (fs::path home = absoluteVariable("HOME"); !home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    throw UserFolderError(messages::kNoHomeFolder);
}

fs::path baseFolder(const char* variable, const char* fallbackUnderHome) {
    if (fs::path p = absoluteVariable(variable); !p.empty()) return p;
    return homeFolder() / fallbackUnderHome;
}

bool ownedPrivately(const fs::path& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return false;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) return false;
    return st.st_uid == geteuid() && !othersMayWrite(st);
}

void setAsideUnlessOwned(const fs::path& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || ownedPrivately(path)) return;
    std::error_code ec;
    fs::remove_all(path, ec);
    if (lstat(path.c_str(), &st) != 0) return;
    // What cannot be removed (another user's folder with files in it) still frees the name.
    const fs::path hidden =
        path.parent_path() / ("." + path.filename().string() + ".set-aside-" + std::to_string(getpid()) +
                              "-" + std::to_string(setAsideCount++));
    fs::rename(path, hidden, ec);
}

fs::path userCacheFolder() {
    const fs::path folder = baseFolder("XDG_CACHE_HOME", ".cache") / "quillon4ppt";
    std::error_code ec;
    fs::create_directories(folder.parent_path(), ec);
    setAsideUnlessOwned(folder);
    mkdir(folder.c_str(), 0700);
    struct stat st;
    const bool usable = ownedPrivately(folder) && lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                        ((st.st_mode & 077) == 0 || chmod(folder.c_str(), 0700) == 0);
    if (!usable) throw UserFolderError(messages::fill(messages::kNoCacheFolder, {folder.string()}));
    return folder;
}

}  // namespace common
