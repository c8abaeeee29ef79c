#include "platform/office/pptx/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace office::pptx {

namespace {

std::string systemError(const std::string& what) {
    return what + " (" + std::strerror(errno) + ")";
}

FileStamp stampFrom(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
            static_cast<mode_t>(st.st_mode & 07777)};
}

int createTemporary(const std::string& path, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".tmp" + std::to_string(random() % 1000000);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return stampFrom(st);
    if (errno == ENOENT) return std::nullopt;
    throw std::runtime_error(systemError("the file cannot be examined"));
}

FileStamp replaceFile(const std::string& deck, std::optional<mode_t> mode,
                      const std::function<void(int fd)>& write,
                      const std::function<void(const std::string& temporary)>& written) {
    // A link to the deck stays a link: its target is replaced.
    std::error_code linkError;
    auto resolved = std::filesystem::canonical(deck, linkError);
    const std::string path = linkError ? deck : resolved.string();
    std::string temporary;
    int fd = createTemporary(path, temporary);
    if (fd < 0) throw std::runtime_error(systemError("no file can be written in its folder"));
    try {
        if (mode && ::fchmod(fd, *mode) != 0)
            throw std::runtime_error(systemError("the file mode cannot be kept"));
        write(fd);
        if (::fsync(fd) != 0) throw std::runtime_error(systemError("it cannot be flushed to the disk"));
        struct stat st {};
        if (::fstat(fd, &st) != 0) throw std::runtime_error(systemError("it cannot be examined"));
        int closed = ::close(fd);
        fd = -1;
        if (closed != 0) throw std::runtime_error(systemError("it cannot be written"));
        if (written) written(temporary);
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            throw std::runtime_error(systemError("it cannot be put in place"));
        syncFolder(path);
        return stampFrom(st);
    } catch (...) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace office::pptx
