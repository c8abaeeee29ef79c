#pragma once
// Writes a package into an open file. Entries taken from another package are copied
// as they are stored (never inflated), so pictures and media stream through.
#include <zip.h>

#include <deque>
#include <memory>
#include <string>

#include "platform/office/pptx/zip_reader.h"

namespace office::pptx {

class ZipWriter {
public:
    explicit ZipWriter(int fd);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    void copy(const ZipReader& from, const std::string& name);
    void add(const std::string& name, std::string data);
    // Writes the archive; throws std::runtime_error when the file cannot be written.
    void finish();

private:
    void check(zip_int64_t index, const std::string& name);
    struct Sink;
    std::unique_ptr<Sink> sink_;
    zip_t* zip_ = nullptr;
    std::deque<std::string> data_;  // buffers the archive reads when it is written
};

}  // namespace office::pptx
