#pragma once
#include <string>
#include <string_view>

namespace formula {

// Replaces every occurrence of `from`, left to right without overlaps; an empty
// `from` changes nothing.
void replaceAll(std::u32string& text, std::u32string_view from, std::u32string_view to);

}  // namespace formula
