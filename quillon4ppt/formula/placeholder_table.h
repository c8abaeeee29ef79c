#pragma once
// TeX that would itself read as an operator word ("\sqrt", "^", "_") waits behind a
// placeholder name until the formula is translated.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace formula {

class PlaceholderTable {
public:
    struct Entry {
        std::u32string name;
        std::u32string fragment;
    };

    // Makes the next entry and returns its name.
    std::u32string add(std::u32string_view fragment);
    void clear() { entries_.clear(); }
    std::size_t count() const { return entries_.size(); }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// The name of entry k: "MyRStr", the number of digits of k, then k ("MyRStr11",
// "MyRStr212"). The digit count makes names prefix-free, so a name never reads as
// the start of another one, not even when a digit of the formula follows it; and
// the name is still letters then digits, which the fraction rule looks for before
// a brace group. Nine-digit numbers are far more than one line of text can make.
std::u32string placeholderName(std::size_t k);

// Every placeholder name back to its TeX, entries in ascending order.
std::u32string RestorePlaceholders(const PlaceholderTable& table, std::u32string_view text);

}  // namespace formula
