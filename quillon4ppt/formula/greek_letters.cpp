#include "quillon4ppt/formula/greek_letters.h"

#include <array>

namespace formula {
namespace {

constexpr std::array<std::u32string_view, 26> kLower = {
    U" \\alpha ", U" \\beta ",  U" \\chi ",   U" \\delta ", U" \\varepsilon ", U" \\varphi ", U" \\gamma ",
    U" \\eta ",   U" \\iota ",  U" \\phi ",   U" \\kappa ", U" \\lambda ",     U" \\mu ",     U" \\nu ",
    U" o ",       U" \\pi ",    U" \\theta ", U" \\rho ",   U" \\sigma ",      U" \\tau ",    U" \\upsilon ",
    U" \\varpi ", U" \\omega ", U" \\xi ",    U" \\psi ",   U" \\zeta "};

constexpr std::array<std::u32string_view, 26> kUpper = {
    U" \\Alpha ", U" \\Beta ", U" \\Chi ",        U" \\Delta ",    U" \\Epsilon ", U" \\vartheta ",
    U" \\Gamma ", U" \\Eta ",  U" \\Iota ",       U" \\Phi ",      U" \\Kappa ",   U" \\Lambda ",
    U" \\Mu ",    U" \\Nu ",   U" {\\mathrm O} ", U" \\Pi ",       U" \\Theta ",   U" \\Rho ",
    U" \\Sigma ", U" \\Tau ",  U" \\Upsilon ",    U" \\varsigma ", U" \\Omega ",   U" \\Xi ",
    U" \\Psi ",   U" \\Zeta "};

std::u32string_view greekTex(char32_t letter) {
    if (letter >= U'a' && letter <= U'z') return kLower[letter - U'a'];
    if (letter >= U'A' && letter <= U'Z') return kUpper[letter - U'A'];
    return U"`";
}

}  // namespace

std::u32string ReplaceGreekLetters(std::u32string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'@') {
            out += text[i];
        } else if (i + 1 < text.size()) {
            out += greekTex(text[++i]);
        } else {
            out += U'`';
        }
    }
    return out;
}

}  // namespace formula
