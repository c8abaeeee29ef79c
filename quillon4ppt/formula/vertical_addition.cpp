#include "quillon4ppt/formula/vertical_addition.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "common/numbers.h"
#include "common/text.h"

namespace formula {
namespace {

struct Addend {
    std::u32string digits;
    std::optional<std::int64_t> value;
};

std::u32string digitsOf(std::int64_t value) {
    return common::toUtf32(std::to_string(value));
}

Addend readAddend(std::u32string_view text) {
    if (text.empty()) return {U"", 0};
    try {
        std::int64_t value = common::CLng(common::Val(common::toUtf8(text)));
        return {digitsOf(value), value};
    } catch (const common::OverflowError&) {
        return {U"", std::nullopt};
    }
}

// "&" before every character: one matrix cell each.
std::u32string cells(std::u32string_view digits) {
    std::u32string out;
    for (char32_t c : digits) out.append({U'&', c});
    return out;
}

std::u32string padding(std::size_t width, std::size_t length) {
    return std::u32string(width > length ? width - length : 0, U'&');
}

// A sum longer than both addends starts in the column of the "+" sign.
std::u32string sumRow(std::u32string_view sum, std::size_t width) {
    if (sum.size() <= width) return cells(sum);
    return cells(sum).substr(1);
}

}  // namespace

std::u32string verticalAddition(std::u32string_view terms) {
    std::size_t plus = terms.find(U'+');
    Addend a = readAddend(terms.substr(0, plus));
    Addend b = readAddend(plus == terms.npos ? std::u32string_view{} : terms.substr(plus + 1));
    std::u32string sum = a.value && b.value ? digitsOf(*a.value + *b.value) : U"";
    std::size_t la = a.digits.size();
    std::size_t lb = b.digits.size();
    return U"\\begin{align}\\underline{\\begin{matrix}" + padding(lb, la) + cells(a.digits) + U"\\\\+" +
           padding(la, lb) + cells(b.digits) + U"\\\\\\end{matrix}} \\\\ \\begin{matrix}" +
           sumRow(sum, std::max(la, lb)) + U"\\\\\\end{matrix} \\\\ \\end{align}";
}

}  // namespace formula
