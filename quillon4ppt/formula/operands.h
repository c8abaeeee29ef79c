#pragma once
// The two operands of a fraction and the runs of letters and digits they are built from.
#include <cstddef>
#include <string>
#include <string_view>

namespace formula {

// The numerator that ends just before `end` (the position of the "/"): empty at the
// start of the text, the bracket group that ends there, or a single character. A
// brace group after a placeholder name (letters, digits) takes the name along, so
// x^(2)/3 keeps x and its superscript together.
std::u32string LeftOperand(std::u32string_view text, std::size_t end);

// The denominator starting at pos: the bracket group opening there, or a single
// character (empty at the end of the text).
std::u32string RightOperand(std::u32string_view text, std::size_t pos);

// One outer pair of round brackets removed; other brackets stay.
std::u32string StripParens(std::u32string_view t);

// The run of letters (digits) at pos: backward it ends at pos, forward it starts
// there. Empty when pos holds none or lies outside the text.
std::u32string LetterRun(std::u32string_view text, std::size_t pos, bool backward);
std::u32string DigitRun(std::u32string_view text, std::size_t pos, bool backward);

}  // namespace formula
