#include "platform/office/pptx/file_source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace office::pptx {

namespace {

// libzip asks for a few kilobytes at a time.
class FileSource {
public:
    FileSource(int fd, const struct stat& st) : fd_(fd), size_(st.st_size), modified_(st.st_mtime) {
        zip_error_init(&error_);
    }
    ~FileSource() {
        ::close(fd_);
        zip_error_fini(&error_);
    }
    static zip_int64_t callback(void* self, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        auto* source = static_cast<FileSource*>(self);
        zip_int64_t result = source->handle(data, len, cmd);
        if (cmd == ZIP_SOURCE_FREE) delete source;
        return result;
    }

private:
    static constexpr std::size_t kFirstBlock = 4 << 10, kLargestBlock = 1 << 20;

    zip_int64_t handle(void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        switch (cmd) {
            case ZIP_SOURCE_SUPPORTS:
                return ZIP_SOURCE_SUPPORTS_SEEKABLE;
            case ZIP_SOURCE_OPEN:
                position_ = 0;
                return 0;
            case ZIP_SOURCE_CLOSE:
            case ZIP_SOURCE_FREE:
                return 0;
            case ZIP_SOURCE_READ:
                return read(static_cast<char*>(data), len);
            case ZIP_SOURCE_TELL:
                return position_;
            case ZIP_SOURCE_SEEK: {
                zip_int64_t at = zip_source_seek_compute_offset(position_, size_, data, len, &error_);
                if (at < 0) return -1;
                if (static_cast<zip_uint64_t>(at) != position_) nextBlock_ = kFirstBlock;
                position_ = at;
                return 0;
            }
            case ZIP_SOURCE_STAT: {
                auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &error_);
                if (!st) return -1;
                zip_stat_init(st);
                st->size = size_;
                st->mtime = modified_;
                st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
                return sizeof(zip_stat_t);
            }
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&error_, data, len);
            default:
                zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
                return -1;
        }
    }
    zip_int64_t read(char* out, zip_uint64_t len) {
        zip_uint64_t done = 0;
        while (done < len && position_ < size_) {
            if (position_ < blockStart_ || position_ >= blockStart_ + block_.size()) {
                block_.resize(std::max<std::size_t>(len - done, nextBlock_));
                nextBlock_ = std::min(nextBlock_ * 2, kLargestBlock);
                ssize_t n = ::pread(fd_, block_.data(), block_.size(), static_cast<off_t>(position_));
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0) {
                    zip_error_set(&error_, ZIP_ER_READ, n < 0 ? errno : EIO);
                    return -1;
                }
                block_.resize(n);
                blockStart_ = position_;
            }
            zip_uint64_t n = std::min<zip_uint64_t>(len - done, blockStart_ + block_.size() - position_);
            std::memcpy(out + done, block_.data() + (position_ - blockStart_), n);
            done += n;
            position_ += n;
        }
        return static_cast<zip_int64_t>(done);
    }

    int fd_;
    zip_uint64_t size_;
    time_t modified_;
    zip_uint64_t position_ = 0;
    std::vector<char> block_;
    zip_uint64_t blockStart_ = 0;
    std::size_t nextBlock_ = kFirstBlock;
    zip_error_t error_;
};

}  // namespace

zip_source_t* fileSource(int fd, const struct stat& st, zip_error_t* error) {
    auto* file = new FileSource(fd, st);
    zip_source_t* source = zip_source_function_create(&FileSource::callback, file, error);
    if (!source) delete file;
    return source;
}

}  // namespace office::pptx
