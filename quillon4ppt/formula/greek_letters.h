#pragma once
#include <string>
#include <string_view>

namespace formula {

// "@" and the letter after it become the Greek letter's TeX with a blank on each
// side (@a gives " \alpha "); "@" before anything else, or at the end, becomes a
// grave accent and takes that character along.
std::u32string ReplaceGreekLetters(std::u32string_view text);

}  // namespace formula
