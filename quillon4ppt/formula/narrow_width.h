#pragma once
// Full-width forms typed with a Chinese input method, turned into the ASCII the
// formula language is written in.
#include <string>
#include <string_view>

namespace formula {

// U+FF01..U+FF5E become U+0021..U+007E and the ideographic space a blank; every
// other character stays.
char32_t narrowChar(char32_t c);
std::u32string NarrowWidth(std::u32string_view text);

}  // namespace formula
