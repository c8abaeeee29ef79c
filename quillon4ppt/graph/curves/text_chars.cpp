#include "quillon4ppt/graph/curves/text_chars.h"

namespace curves {

std::size_t CountOccurrences(std::u32string_view text, std::u32string_view part) {
    if (part.empty()) return 0;
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::u32string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool IsDigitChar(std::u32string_view text) {
    return !text.empty() && text[0] >= U'0' && text[0] <= U'9';
}

bool IsLetterChar(std::u32string_view text) {
    if (text.empty()) return false;
    char32_t c = text[0];
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

}  // namespace curves
