#include "platform/office/pptx/zip_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "common/shown_error.h"
#include "platform/office/pptx/file_source.h"

namespace office::pptx {

namespace {

std::string zipErrorText(int code) {
    switch (code) {
        case ZIP_ER_NOZIP:
            return "it is not a zip archive";
        case ZIP_ER_INCONS:
            return "its zip archive is damaged or truncated";
        case ZIP_ER_NOENT:
            return "the file does not exist";
        default:
            break;
    }
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = std::string("it cannot be read (") + zip_error_strerror(&error) + ")";
    zip_error_fini(&error);
    return text;
}

bool leavesPackage(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\') return true;
    if (name.size() > 1 && name[1] == ':') return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos) end = name.size();
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

ZipReader::ZipReader(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        std::string reason = std::string("the file cannot be read (") + std::strerror(errno) + ")";
        if (fd >= 0) ::close(fd);
        throw std::runtime_error(reason);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw std::runtime_error("it is not a file");
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = fileSource(fd, st, &error);
    if (source) zip_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!zip_) {
        int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        if (source) zip_source_free(source);
        if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS)
            throw common::ShownError(common::messages::kDeckReasonNotZip, zipErrorText(code));
        throw std::runtime_error(zipErrorText(code));
    }
    zip_error_fini(&error);
    try {
        zip_int64_t count = zip_get_num_entries(zip_, 0);
        if (count < 0 || static_cast<std::uint64_t>(count) > PackageLimits::kMaxEntries)
            throw std::runtime_error("it has more than " + std::to_string(PackageLimits::kMaxEntries) +
                                     " entries");
        std::uint64_t allowance = std::max<std::uint64_t>(PackageLimits::kMinInflateAllowance,
                                                          PackageLimits::kInflateRatio * st.st_size);
        std::uint64_t inflated = 0;
        names_.reserve(count);
        for (zip_int64_t i = 0; i < count; ++i) {
            zip_stat_t entry;
            if (zip_stat_index(zip_, i, 0, &entry) != 0 || !(entry.valid & ZIP_STAT_NAME))
                throw std::runtime_error("its zip archive is damaged");
            if (leavesPackage(entry.name))
                throw std::runtime_error(std::string("its entry \"") + entry.name +
                                         "\" points outside the package");
            inflated += entry.size;
            if (inflated > allowance)
                throw std::runtime_error("it inflates to far more than its size (over " +
                                         std::to_string(allowance >> 20) + " MiB)");
            names_.emplace_back(entry.name);
        }
    } catch (...) {
        zip_discard(zip_);
        throw;
    }
}

ZipReader::~ZipReader() {
    zip_discard(zip_);
}

std::int64_t ZipReader::index(std::string_view name) const {
    std::string n(name);
    zip_int64_t i = zip_name_locate(zip_, n.c_str(), 0);
    if (i < 0) i = zip_name_locate(zip_, n.c_str(), ZIP_FL_NOCASE);
    return i;
}

std::string ZipReader::storedName(std::string_view name) const {
    std::int64_t i = index(name);
    return i >= 0 ? names_[i] : std::string(name);
}

std::string ZipReader::read(std::string_view name) const {
    std::int64_t i = index(name);
    std::string where = "the part \"" + std::string(name) + "\"";
    if (i < 0) throw std::runtime_error(where + " is missing");
    zip_stat_t entry;
    if (zip_stat_index(zip_, i, 0, &entry) != 0) throw std::runtime_error(where + " cannot be read");
    if (entry.size > PackageLimits::kMaxPartBytes)
        throw std::runtime_error(where + " inflates to more than " +
                                 std::to_string(PackageLimits::kMaxPartBytes >> 20) + " MiB");
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen_index(zip_, i, 0), zip_fclose);
    if (!file) throw std::runtime_error(where + " cannot be read (" + zip_strerror(zip_) + ")");
    std::string data(entry.size, '\0');
    std::uint64_t got = 0;
    while (got < data.size()) {
        zip_int64_t n = zip_fread(file.get(), data.data() + got, data.size() - got);
        if (n <= 0) break;
        got += n;
    }
    // Reading past the end makes libzip check the CRC, and finds data beyond the stated size.
    char extra;
    if (got < data.size()) throw std::runtime_error(where + " is damaged (its data ends early)");
    if (zip_fread(file.get(), &extra, 1) != 0)
        throw std::runtime_error(where + " is damaged (" + zip_file_strerror(file.get()) + ")");
    return data;
}

}  // namespace office::pptx
