#include "platform/office/pptx/zip_writer.h"

#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace office::pptx {

namespace {
constexpr std::size_t kChunk = 1 << 20;
}

struct ZipWriter::Sink {
    int fd;
    zip_error_t error;
    // libzip writes in small pieces: they are gathered into large writes.
    std::vector<char> pending;

    zip_int64_t fail(int code) {
        zip_error_set(&error, code, errno);
        return -1;
    }
    bool flush() {
        for (std::size_t done = 0; done < pending.size();) {
            ssize_t n = ::write(fd, pending.data() + done, pending.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            done += n;
        }
        pending.clear();
        return true;
    }
    // The archive is new, so reading it back is never asked for; it stays empty.
    zip_int64_t handle(void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        switch (cmd) {
            case ZIP_SOURCE_SUPPORTS:
                return ZIP_SOURCE_SUPPORTS_WRITABLE;
            case ZIP_SOURCE_STAT: {
                auto* st = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, len, &error);
                if (!st) return -1;
                zip_stat_init(st);
                st->size = 0;
                st->valid |= ZIP_STAT_SIZE;
                return sizeof(zip_stat_t);
            }
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&error, data, len);
            case ZIP_SOURCE_OPEN:
            case ZIP_SOURCE_CLOSE:
            case ZIP_SOURCE_READ:
            case ZIP_SOURCE_FREE:
            case ZIP_SOURCE_COMMIT_WRITE:
                return flush() ? 0 : fail(ZIP_ER_WRITE);
            case ZIP_SOURCE_ROLLBACK_WRITE:
            case ZIP_SOURCE_REMOVE:
                return 0;
            case ZIP_SOURCE_SEEK:
            case ZIP_SOURCE_TELL:
                return 0;
            case ZIP_SOURCE_BEGIN_WRITE:
                if (::ftruncate(fd, 0) != 0 || ::lseek(fd, 0, SEEK_SET) != 0) return fail(ZIP_ER_WRITE);
                return 0;
            case ZIP_SOURCE_WRITE: {
                const char* p = static_cast<const char*>(data);
                pending.insert(pending.end(), p, p + len);
                if (pending.size() >= kChunk && !flush()) return fail(ZIP_ER_WRITE);
                return static_cast<zip_int64_t>(len);
            }
            case ZIP_SOURCE_SEEK_WRITE: {
                auto* args = ZIP_SOURCE_GET_ARGS(zip_source_args_seek_t, data, len, &error);
                if (!args) return -1;
                if (!flush()) return fail(ZIP_ER_WRITE);
                if (::lseek(fd, args->offset, args->whence) < 0) return fail(ZIP_ER_SEEK);
                return 0;
            }
            case ZIP_SOURCE_TELL_WRITE: {
                off_t at = ::lseek(fd, 0, SEEK_CUR);
                return at < 0 ? fail(ZIP_ER_TELL) : at + static_cast<off_t>(pending.size());
            }
            default:
                zip_error_set(&error, ZIP_ER_OPNOTSUPP, 0);
                return -1;
        }
    }
    static zip_int64_t callback(void* self, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
        return static_cast<Sink*>(self)->handle(data, len, cmd);
    }
};

ZipWriter::ZipWriter(int fd) : sink_(std::make_unique<Sink>()) {
    sink_->fd = fd;
    zip_error_init(&sink_->error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_function_create(&Sink::callback, sink_.get(), &error);
    if (target) zip_ = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!zip_) {
        if (target) zip_source_free(target);
        std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw std::runtime_error("the package cannot be started (" + reason + ")");
    }
    zip_error_fini(&error);
}

ZipWriter::~ZipWriter() {
    if (zip_) zip_discard(zip_);
    zip_error_fini(&sink_->error);
}

void ZipWriter::check(zip_int64_t index, const std::string& name) {
    if (index < 0)
        throw std::runtime_error("the part \"" + name + "\" cannot be written (" + zip_strerror(zip_) + ")");
}

void ZipWriter::copy(const ZipReader& from, const std::string& name) {
    zip_stat_t entry;
    if (zip_stat_index(from.archive(), from.index(name), 0, &entry) != 0) check(-1, name);
    zip_source_t* source = zip_source_zip(zip_, from.archive(), from.index(name), ZIP_FL_COMPRESSED, 0, -1);
    if (!source) check(-1, name);
    zip_int64_t index = zip_file_add(zip_, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) zip_source_free(source);
    check(index, name);
    // The same method as the source, or libzip would inflate and deflate the data again.
    if (zip_set_file_compression(zip_, index, entry.comp_method, 0) != 0) check(-1, name);
}

void ZipWriter::add(const std::string& name, std::string data) {
    const std::string& kept = data_.emplace_back(std::move(data));
    zip_source_t* source = zip_source_buffer(zip_, kept.data(), kept.size(), 0);
    if (!source) check(-1, name);
    zip_int64_t index = zip_file_add(zip_, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) zip_source_free(source);
    check(index, name);
}

void ZipWriter::finish() {
    if (zip_close(zip_) != 0) {
        std::string reason = zip_strerror(zip_);
        throw std::runtime_error("the package cannot be written (" + reason + ")");
    }
    zip_ = nullptr;
}

}  // namespace office::pptx
