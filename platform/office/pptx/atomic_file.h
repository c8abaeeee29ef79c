#pragma once
// Replaces a file so that a crash or a full disk at any moment leaves either the old
// file or the new one: the new content goes to a temporary file in the same folder,
// is flushed to the disk and renamed over the old file.
#include <sys/types.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace office::pptx {

// What tells whether a file was replaced or rewritten since it was last seen.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    mode_t mode = 0;
    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && size == o.size && modifiedNs == o.modifiedNs;
    }
};

// The file's stamp; none when it does not exist. Throws std::runtime_error when it cannot be examined.
std::optional<FileStamp> stampOf(const std::string& path);

// Another program replaced or rewrote the file since it was last seen.
class ChangedMeanwhile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes through `write` and puts the result in place of `path`, keeping its permission
// bits (`mode`, or the default for new files when none). `written` sees the complete
// temporary file just before it takes the place of `path`. Right before the rename the
// file must still be as `lastSeen` says (missing when it holds none), or ChangedMeanwhile
// is thrown. Returns the new file's stamp. Throws std::runtime_error when it fails; then
// `path` is unchanged and no temporary file is left.
FileStamp replaceFile(const std::string& path, std::optional<mode_t> mode,
                      const std::optional<FileStamp>& lastSeen, const std::function<void(int fd)>& write,
                      const std::function<void(const std::string& temporary)>& written = {});

// Temporary files are hidden and carry the writing process's id, ".NAME.quillon-PID-N.tmp":
// this is their name up to the id.
std::string temporaryPrefix(const std::string& path);

// Removes the temporaries of `path` that programs killed while saving left behind.
void removeStaleTemporaries(const std::string& path);

}  // namespace office::pptx
