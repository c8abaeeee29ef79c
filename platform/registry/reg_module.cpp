#include "platform/registry/reg_module.h"

#include "common/numbers.h"

namespace registry {

std::string ReadRegString(const RegistryFile& reg, const std::string& root, const std::string& subkey,
                          const std::string& name) {
    auto value = reg.query(root, subkey, name);
    if (!value || value->type != kString) return {};
    return value->text.substr(0, value->text.find('\0'));
}

std::string GetOfficeVersion(const RegistryFile& reg) {
    std::string curVer = ReadRegString(reg, HKEY_CLASSES_ROOT, "Word.Application\\CurVer", "");
    if (curVer.empty()) return {};
    static const std::pair<const char*, const char*> kVersions[] = {
        {"8", "97"}, {"9", "2000"}, {"10", "XP"}, {"11", "2003"}, {"12", "2007"}, {"14", "2010"}};
    for (const auto& [number, version] : kVersions)
        if (curVer.find(number) != std::string::npos) return version;
    return {};
}

bool HasMathType(const RegistryFile& reg) {
    std::string v =
        ReadRegString(reg, HKEY_LOCAL_MACHINE,
                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\DSMT6", "DisplayVersion");
    return !v.empty() && common::Val(v) >= 6.5;
}

}  // namespace registry
