#include "common/text.h"

namespace common {

std::u32string toUtf32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= s.size()) {
                ok = false;
                break;
            }
            unsigned char cb = static_cast<unsigned char>(s[i + k]);
            if ((cb & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) ok = false;
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += c;
        i += extra + 1;
    }
    return out;
}

std::string toUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) out += toUtf8(c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? U'\uFFFD' : c);
    return out;
}

std::size_t charCount(std::string_view utf8) {
    return toUtf32(utf8).size();
}

std::string leftChars(std::string_view utf8, std::size_t n) {
    std::u32string chars = toUtf32(utf8);
    if (chars.size() <= n) return std::string(utf8);
    chars.resize(n);
    return toUtf8(chars);
}

std::string trimBlanks(std::string_view text) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::u32string trimBlanks(std::u32string_view text) {
    std::size_t b = text.find_first_not_of(U' ');
    if (b == std::u32string_view::npos) return {};
    std::size_t e = text.find_last_not_of(U' ');
    return std::u32string(text.substr(b, e - b + 1));
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::size_t CountOccurrences(std::u32string_view text, std::u32string_view part) {
    if (part.empty()) return 0;
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::u32string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool IsDigitChar(std::u32string_view text) {
    return !text.empty() && text[0] >= U'0' && text[0] <= U'9';
}

bool IsLetterChar(std::u32string_view text) {
    if (text.empty()) return false;
    char32_t c = text[0];
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

}  // namespace common
