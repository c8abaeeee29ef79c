#include "quillon4ppt/formula/placeholder_table.h"

#include <string>

#include "quillon4ppt/formula/text_replace.h"

namespace formula {

std::u32string PlaceholderTable::add(std::u32string_view fragment) {
    entries_.push_back({placeholderName(entries_.size() + 1), std::u32string(fragment)});
    return entries_.back().name;
}

std::u32string placeholderName(std::size_t k) {
    std::string digits = std::to_string(k);
    std::string name = "MyRStr" + std::to_string(digits.size()) + digits;
    return std::u32string(name.begin(), name.end());
}

std::u32string RestorePlaceholders(const PlaceholderTable& table, std::u32string_view text) {
    std::u32string out(text);
    for (const auto& entry : table.entries()) replaceAll(out, entry.name, entry.fragment);
    return out;
}

}  // namespace formula
