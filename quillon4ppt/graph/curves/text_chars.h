#pragma once
// Character tests shared by the formula translator and the expression normaliser.
// Both work on code points, so a Chinese character is one character and never a
// letter or a digit.
#include <cstddef>
#include <string_view>

namespace curves {

// Occurrences of part in text, one per start position (overlapping ones count);
// 0 for an empty part.
std::size_t CountOccurrences(std::u32string_view text, std::u32string_view part);

// Tests of the first character; false for an empty text.
bool IsDigitChar(std::u32string_view text);   // 0-9
bool IsLetterChar(std::u32string_view text);  // A-Z, a-z

}  // namespace curves
