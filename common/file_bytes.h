#pragma once
// A whole file read at once.
#include <filesystem>
#include <string>

namespace common {

// The file's bytes; empty when it is missing or cannot be read.
std::string fileBytes(const std::filesystem::path& file);

}  // namespace common
