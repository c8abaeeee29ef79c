#pragma once
#include <string>
#include <string_view>

namespace formula {

// The column addition of "A+B" (the text of an ss group) as TeX: the addends
// right-aligned above a rule, the sum below. Without a "+" the text is the first
// addend and the second is empty. Addends are read as whole numbers in the 32-bit
// range, halves to even; beyond it the sum row stays empty.
std::u32string verticalAddition(std::u32string_view terms);

}  // namespace formula
