#pragma once
// Reads the entries of a package without trusting it: entry names that leave the
// package, too many entries and archives that inflate far beyond their size are refused.
#include <zip.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace office::pptx {

struct PackageLimits {
    static constexpr std::uint64_t kMaxEntries = 20000;
    // What the entries together may inflate to: 100 times the file, or 64 MiB for small files.
    static constexpr std::uint64_t kInflateRatio = 100;
    static constexpr std::uint64_t kMinInflateAllowance = 64ull << 20;
    // An XML part that is read and parsed.
    static constexpr std::uint64_t kMaxPartBytes = 64ull << 20;
};

class ZipReader {
public:
    // Throws std::runtime_error with the reason when the file is not an acceptable package.
    explicit ZipReader(const std::string& path);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    const std::vector<std::string>& names() const { return names_; }  // in archive order
    bool has(std::string_view name) const { return index(name) >= 0; }
    // The inflated content of an entry; throws std::runtime_error when it is missing or damaged.
    std::string read(std::string_view name) const;
    zip_t* archive() const { return zip_; }
    std::int64_t index(std::string_view name) const;
    // The entry's name as stored, found in any case; the name itself when there is none.
    std::string storedName(std::string_view name) const;

private:
    zip_t* zip_ = nullptr;
    std::vector<std::string> names_;
};

}  // namespace office::pptx
