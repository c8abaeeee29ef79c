#include "platform/office/pptx/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
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
    const std::string prefix = temporaryPrefix(path) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + std::to_string(random() % 1000000) + ".tmp";
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

// The process that wrote a temporary of `prefix`, when the name is one of ours.
std::optional<pid_t> writerOf(const std::string& name, const std::string& prefix) {
    if (!name.starts_with(prefix) || !name.ends_with(".tmp")) return std::nullopt;
    const std::string rest = name.substr(prefix.size());
    const auto dash = rest.find('-');
    pid_t pid = 0;
    const auto parsed = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (parsed.ec != std::errc() || parsed.ptr != rest.data() + dash || pid <= 0) return std::nullopt;
    return pid;
}

}  // namespace

std::string temporaryPrefix(const std::string& path) {
    const std::filesystem::path p(path);
    return (p.parent_path() / ("." + p.filename().string() + ".quillon-")).string();
}

void removeStaleTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string prefix = temporaryPrefix(path);
    const std::string namePrefix = fs::path(prefix).filename().string();
    const fs::path folder = fs::path(prefix).parent_path();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
        const auto pid = writerOf(entry.path().filename().string(), namePrefix);
        if (pid && ::kill(*pid, 0) != 0 && errno == ESRCH) fs::remove(entry.path(), error);
    }
}

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return stampFrom(st);
    if (errno == ENOENT) return std::nullopt;
    throw std::runtime_error(systemError("the file cannot be examined"));
}

FileStamp replaceFile(const std::string& deck, std::optional<mode_t> mode,
                      const std::optional<FileStamp>& lastSeen, const std::function<void(int fd)>& write,
                      const std::function<void(const std::string& temporary)>& written) {
    // A link to the deck stays a link: its target is replaced.
    std::error_code linkError;
    auto resolved = std::filesystem::canonical(deck, linkError);
    const std::string path = linkError ? deck : resolved.string();
    removeStaleTemporaries(path);
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
        if (stampOf(deck) != lastSeen)
            throw ChangedMeanwhile("another program saved it while it was being written");
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
