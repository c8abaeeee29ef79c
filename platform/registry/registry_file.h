#pragma once
// The registry of this platform: a .reg export (REGEDIT4 or "Windows Registry Editor
// Version 5.00", UTF-8 or UTF-16LE with a byte order mark). Read only.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace registry {

// Value types as the registry reports them.
enum ValueType { kNone = 0, kString = 1, kExpandString = 2, kBinary = 3, kDword = 4, kMultiString = 7 };

struct Value {
    int type = kNone;
    std::string text;  // a plain string's text; the raw data text otherwise
};

class RegistryFile {
public:
    // A missing or unreadable file is an empty registry.
    static RegistryFile load(const std::filesystem::path& path);
    static RegistryFile parse(std::string_view bytes);

    // Root names may be written out or abbreviated (HKEY_CLASSES_ROOT or HKCR); keys
    // and value names compare without regard to case, as the registry does. The
    // default value has the empty name.
    std::optional<Value> query(std::string_view root, std::string_view subkey, std::string_view name) const;

private:
    void addLine(std::string_view line);
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::string currentKey_;
    bool inKey_ = false;
};

}  // namespace registry
