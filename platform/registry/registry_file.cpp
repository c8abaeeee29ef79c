#include "platform/registry/registry_file.h"

#include <sstream>

#include "common/file_bytes.h"
#include "common/text.h"

namespace registry {
namespace {

std::string lowered(std::string_view s) {
    return common::lowerAscii(s);
}

std::string canonicalRoot(std::string_view root) {
    static const std::pair<const char*, const char*> kRoots[] = {{"hkcr", "hkey_classes_root"},
                                                                 {"hklm", "hkey_local_machine"},
                                                                 {"hkcu", "hkey_current_user"},
                                                                 {"hku", "hkey_users"},
                                                                 {"hkcc", "hkey_current_config"}};
    std::string r = lowered(root);
    for (const auto& [abbr, full] : kRoots)
        if (r == abbr) return full;
    return r;
}

// "ROOT\sub\key" with the root spelled out and everything lower case.
std::string keyPath(std::string_view root, std::string_view subkey) {
    std::string sub = lowered(subkey);
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    while (!sub.empty() && sub.front() == '\\') sub.erase(sub.begin());
    return canonicalRoot(root) + (sub.empty() ? "" : "\\" + sub);
}

std::string keyPath(std::string_view full) {
    auto slash = full.find('\\');
    if (slash == std::string_view::npos) return keyPath(full, "");
    return keyPath(full.substr(0, slash), full.substr(slash + 1));
}

std::string fromUtf16le(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit =
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            char32_t low =
                static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
                continue;
            }
        }
        out += unit;
    }
    return common::toUtf8(out);
}

std::string decodeText(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return fromUtf16le(bytes.substr(2));
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
    return std::string(bytes);
}

// A quoted string starting at s[0] == '"'; the rest of the line after it is left in rest.
std::optional<std::string> quoted(std::string_view s, std::string_view& rest) {
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (s[i] == '"') {
            rest = s.substr(i + 1);
            return out;
        } else {
            out += s[i];
        }
    }
    return std::nullopt;
}

Value parseData(std::string_view data) {
    std::string_view rest;
    if (!data.empty() && data[0] == '"') {
        auto text = quoted(data, rest);
        return text ? Value{kString, *text} : Value{};
    }
    std::string d = lowered(data);
    if (d.rfind("dword:", 0) == 0) return {kDword, d.substr(6)};
    if (d.rfind("hex(2):", 0) == 0) return {kExpandString, d.substr(7)};
    if (d.rfind("hex(7):", 0) == 0) return {kMultiString, d.substr(7)};
    if (d.rfind("hex:", 0) == 0) return {kBinary, d.substr(4)};
    if (d.rfind("hex(", 0) == 0) return {kBinary, d};
    return {};
}

}  // namespace

RegistryFile RegistryFile::load(const std::filesystem::path& path) {
    return parse(common::fileBytes(path));
}

RegistryFile RegistryFile::parse(std::string_view bytes) {
    RegistryFile reg;
    std::istringstream lines(decodeText(bytes));
    std::string line, logical;
    bool headerSeen = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!headerSeen) {
            std::string trimmed = common::trimBlanks(line);
            if (trimmed.empty()) continue;
            if (trimmed != "REGEDIT4" && trimmed != "Windows Registry Editor Version 5.00") return {};
            headerSeen = true;
            continue;
        }
        // Binary values continue on the next line after a trailing backslash.
        if (!line.empty() && line.back() == '\\' &&
            lowered(logical + line).find("=hex") != std::string::npos) {
            logical += line.substr(0, line.size() - 1);
            continue;
        }
        logical += line;
        reg.addLine(logical);
        logical.clear();
    }
    if (!logical.empty()) reg.addLine(logical);
    return reg;
}

void RegistryFile::addLine(std::string_view raw) {
    std::string line = common::trimBlanks(raw);
    if (line.empty() || line[0] == ';') return;
    if (line.front() == '[' && line.back() == ']') {
        std::string_view key = std::string_view(line).substr(1, line.size() - 2);
        if (!key.empty() && key[0] == '-') {
            keys_.erase(keyPath(key.substr(1)));
            inKey_ = false;
            return;
        }
        currentKey_ = keyPath(key);
        keys_[currentKey_];
        inKey_ = true;
        return;
    }
    if (!inKey_) return;
    std::string name;
    std::string_view rest;
    if (line[0] == '@') {
        rest = std::string_view(line).substr(1);
    } else if (line[0] == '"') {
        auto n = quoted(line, rest);
        if (!n) return;
        name = *n;
    } else {
        return;
    }
    std::string data = common::trimBlanks(rest);
    if (data.empty() || data[0] != '=') return;
    data = common::trimBlanks(std::string_view(data).substr(1));
    if (data == "-") {
        keys_[currentKey_].erase(lowered(name));
        return;
    }
    keys_[currentKey_][lowered(name)] = parseData(data);
}

std::optional<Value> RegistryFile::query(std::string_view root, std::string_view subkey,
                                         std::string_view name) const {
    auto key = keys_.find(keyPath(root, subkey));
    if (key == keys_.end()) return std::nullopt;
    auto value = key->second.find(lowered(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

}  // namespace registry
