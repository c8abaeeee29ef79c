#pragma once
#include <string>
#include <string_view>

namespace formula {

// The column addition of "A+B" (the text of an ss group) as TeX: the addends
// right-aligned above a rule, the sum below. Each addend is shown as the whole
// number it reads as (leading number, halves to even, 32-bit range), so the rows
// always add up and the layout keeps the size of the numbers; an empty addend
// (no "+", nothing before or after it) leaves its row empty, and an addend beyond
// the range leaves its row and the sum row empty.
std::u32string verticalAddition(std::u32string_view terms);

}  // namespace formula
