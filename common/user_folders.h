#pragma once
// The folders that belong to the user running the tools, and the checks that keep another
// account's files out of them.
#include <filesystem>
#include <stdexcept>

namespace common {

class UserFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// HOME, else the account's home folder; UserFolderError when there is none.
std::filesystem::path homeFolder();

// An XDG base folder: the variable when it holds an absolute path (relative ones are to be
// ignored), else the fallback under the home folder.
std::filesystem::path baseFolder(const char* variable, const char* fallbackUnderHome);

// Whether the path is a file or folder (never a symbolic link) of the running user's that
// nobody else may write. A missing path is not.
bool ownedPrivately(const std::filesystem::path& path);

// A path that is there but not owned privately is moved out of the way, so that it is made
// again rather than read: removed when it can be, else renamed to a hidden name beside it.
void setAsideUnlessOwned(const std::filesystem::path& path);

// $XDG_CACHE_HOME/quillon4ppt (default ~/.cache/quillon4ppt), mode 0700, made when missing
// and made again when it is not owned privately. UserFolderError when it cannot be made.
std::filesystem::path userCacheFolder();

}  // namespace common
