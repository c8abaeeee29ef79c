#pragma once
#include <cstdint>

namespace common {

// Colours are RGB values red + 256 * green + 65536 * blue.
using Rgb = std::uint32_t;

constexpr Rgb rgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr unsigned redOf(Rgb c) {
    return c & 0xFFu;
}
constexpr unsigned greenOf(Rgb c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned blueOf(Rgb c) {
    return (c >> 16) & 0xFFu;
}

constexpr Rgb kBlack = rgb(0, 0, 0);
constexpr Rgb kWhite = rgb(255, 255, 255);

}  // namespace common
