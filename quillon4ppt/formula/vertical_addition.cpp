#include "quillon4ppt/formula/vertical_addition.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "common/numbers.h"
#include "common/text.h"

namespace formula {
namespace {

std::u32string sumText(std::u32string_view a, std::u32string_view b) {
    try {
        std::int64_t sum = std::int64_t{common::CLng(common::Val(common::toUtf8(a)))} +
                           common::CLng(common::Val(common::toUtf8(b)));
        return common::toUtf32(std::to_string(sum));
    } catch (const common::OverflowError&) {
        return {};
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
    std::u32string_view a = terms.substr(0, plus);
    std::u32string_view b = plus == terms.npos ? std::u32string_view{} : terms.substr(plus + 1);
    std::u32string sum = sumText(a, b);
    return U"\\begin{align}\\underline{\\begin{matrix}" + padding(b.size(), a.size()) + cells(a) + U"\\\\+" +
           padding(a.size(), b.size()) + cells(b) + U"\\\\\\end{matrix}} \\\\ \\begin{matrix}" +
           sumRow(sum, std::max(a.size(), b.size())) + U"\\\\\\end{matrix} \\\\ \\end{align}";
}

}  // namespace formula
