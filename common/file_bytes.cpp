#include "common/file_bytes.h"

#include <fstream>
#include <sstream>

namespace common {

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

}  // namespace common
