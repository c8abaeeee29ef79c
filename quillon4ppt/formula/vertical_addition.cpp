#include "quillon4ppt/formula/vertical_addition.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "common/text.h"

namespace formula {
namespace {

constexpr std::u32string_view kPlaceholderStem = U"MyRStr";

// What an earlier rule made of an addend (a command, a brace group, a placeholder) is
// one cell as a whole, so the TeX stays sound and nested additions do not double;
// typed characters are a cell each.
std::vector<std::u32string> cellsOf(std::u32string_view text) {
    if (text.empty()) return {};
    if (text.find_first_of(U"\\{}") != text.npos || text.find(kPlaceholderStem) != text.npos)
        return {std::u32string(text)};
    std::vector<std::u32string> cells;
    for (char32_t c : text) cells.emplace_back(1, c);
    return cells;
}

// The whole number an addend reads as (leading number, halves to even); none beyond
// the 32-bit range.
std::optional<std::int64_t> valueOf(std::u32string_view text) {
    try {
        return common::CLng(common::Val(common::toUtf8(text)));
    } catch (const common::OverflowError&) {
        return std::nullopt;
    }
}

// "&" before every cell.
std::u32string row(const std::vector<std::u32string>& cells) {
    std::u32string out;
    for (const auto& cell : cells) out += U'&' + cell;
    return out;
}

std::u32string padding(std::size_t width, std::size_t length) {
    return std::u32string(width > length ? width - length : 0, U'&');
}

// A sum longer than both addends starts in the column of the "+" sign.
std::u32string sumRow(std::u32string_view sum, std::size_t width) {
    std::u32string cells = row(cellsOf(sum));
    return sum.size() <= width ? cells : cells.substr(1);
}

}  // namespace

std::u32string verticalAddition(std::u32string_view terms) {
    const std::size_t plus = terms.find(U'+');
    const std::u32string_view a = terms.substr(0, plus);
    const std::u32string_view b = plus == terms.npos ? std::u32string_view{} : terms.substr(plus + 1);
    const auto cellsA = cellsOf(a), cellsB = cellsOf(b);
    const auto valueA = valueOf(a), valueB = valueOf(b);
    const std::u32string sum =
        valueA && valueB ? common::toUtf32(std::to_string(*valueA + *valueB)) : std::u32string();
    const std::size_t la = cellsA.size(), lb = cellsB.size();
    return U"\\begin{align}\\underline{\\begin{matrix}" + padding(lb, la) + row(cellsA) + U"\\\\+" +
           padding(la, lb) + row(cellsB) + U"\\\\\\end{matrix}} \\\\ \\begin{matrix}" +
           sumRow(sum, std::max(la, lb)) + U"\\\\\\end{matrix} \\\\ \\end{align}";
}

}  // namespace formula
