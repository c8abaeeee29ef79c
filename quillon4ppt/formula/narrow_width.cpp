#include "quillon4ppt/formula/narrow_width.h"

namespace formula {

char32_t narrowChar(char32_t c) {
    if (c >= U'\uFF01' && c <= U'\uFF5E') return c - 0xFEE0;
    if (c == U'\u3000') return U' ';
    return c;
}

std::u32string NarrowWidth(std::u32string_view text) {
    std::u32string out(text);
    for (char32_t& c : out) c = narrowChar(c);
    return out;
}

}  // namespace formula
