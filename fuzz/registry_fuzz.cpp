// Any bytes as a .reg file: reading it and asking the start-up checks' questions ends
// without a crash or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/registry/reg_module.h"
#include "platform/registry/registry_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto reg = registry::RegistryFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)registry::GetOfficeVersion(reg);
    (void)registry::HasMathType(reg);
    return 0;
}
