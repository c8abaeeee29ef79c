#pragma once
#include <string>
#include <string_view>

namespace formula {

// The column addition of "A+B" (the text of an ss group) as TeX: the addends as
// typed, right-aligned above a rule, one character a column (what an earlier rule made
// of an addend stays one column), and the sum below. The sum
// adds the whole numbers the addends read as (leading number, halves to even); an
// empty addend (no "+", nothing before or after it) leaves its row empty, and an
// addend beyond the 32-bit range leaves the sum row empty.
std::u32string verticalAddition(std::u32string_view terms);

}  // namespace formula
