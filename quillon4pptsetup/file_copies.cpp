#include "quillon4pptsetup/file_copies.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace setup {
namespace {

namespace fs = std::filesystem;

// The complete copy under a hidden name in the target's folder, or empty.
fs::path stagedCopy(const fs::path& from, const fs::path& to) {
    fs::path staged =
        to.parent_path() / ("." + to.filename().string() + ".quillon-" + std::to_string(getpid()));
    std::error_code ec;
    if (fs::copy_file(from, staged, fs::copy_options::overwrite_existing, ec)) return staged;
    fs::remove(staged, ec);
    return {};
}

}  // namespace

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

bool copyWithoutReplacing(const fs::path& from, const fs::path& to) {
    if (present(to)) return false;
    fs::path staged = stagedCopy(from, to);
    if (staged.empty()) return false;
    int moved = renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    // Some file systems cannot refuse to replace; the check above then has to do.
    if (moved != 0 && errno == EINVAL && !present(to)) moved = rename(staged.c_str(), to.c_str());
    std::error_code ec;
    if (moved != 0) fs::remove(staged, ec);
    return moved == 0;
}

bool copyReplacing(const fs::path& from, const fs::path& to) {
    fs::path staged = stagedCopy(from, to);
    if (staged.empty()) return false;
    std::error_code ec;
    fs::rename(staged, to, ec);
    if (!ec) return true;
    fs::remove(staged, ec);
    return false;
}

}  // namespace setup
