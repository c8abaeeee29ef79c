#include "quillon4ppt/formula/operands.h"

#include "common/text.h"
#include "quillon4ppt/formula/bracket_group.h"

namespace formula {
namespace {

using CharTest = bool (*)(std::u32string_view);

std::u32string run(std::u32string_view text, std::size_t pos, bool backward, CharTest test) {
    if (pos >= text.size()) return {};
    std::size_t n = 0;
    if (backward) {
        while (n <= pos && test(text.substr(pos - n, 1))) ++n;
        return std::u32string(text.substr(pos + 1 - n, n));
    }
    while (pos + n < text.size() && test(text.substr(pos + n, 1))) ++n;
    return std::u32string(text.substr(pos, n));
}

bool isOpeningBracket(char32_t c) {
    return c == U'(' || c == U'[' || c == U'{';
}
bool isClosingBracket(char32_t c) {
    return c == U')' || c == U']' || c == U'}';
}

// The letters and digits of a placeholder name that end just before `start`.
std::u32string placeholderBefore(std::u32string_view text, std::size_t start) {
    if (start == 0) return {};
    std::u32string digits = DigitRun(text, start - 1, true);
    if (digits.empty() || start == digits.size()) return digits;
    return LetterRun(text, start - 1 - digits.size(), true) + digits;
}

}  // namespace

std::u32string LetterRun(std::u32string_view text, std::size_t pos, bool backward) {
    return run(text, pos, backward, common::IsLetterChar);
}

std::u32string DigitRun(std::u32string_view text, std::size_t pos, bool backward) {
    return run(text, pos, backward, common::IsDigitChar);
}

std::u32string LeftOperand(std::u32string_view text, std::size_t end) {
    if (end == 0) return {};
    std::size_t last = end - 1;
    if (!isClosingBracket(text[last])) return std::u32string(1, text[last]);
    std::u32string group = *bracketGroupAt(text, last);
    if (group.front() != U'{') return group;
    return placeholderBefore(text, end - group.size()) + group;
}

std::u32string RightOperand(std::u32string_view text, std::size_t pos) {
    if (pos >= text.size()) return {};
    if (isOpeningBracket(text[pos])) return *bracketGroupAt(text, pos);
    return std::u32string(1, text[pos]);
}

std::u32string StripParens(std::u32string_view t) {
    if (t.size() >= 2 && t.front() == U'(' && t.back() == U')') return innerOf(t);
    return std::u32string(t);
}

}  // namespace formula
