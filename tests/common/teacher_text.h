#pragma once
// What a teacher may read in a message: Chinese, with ASCII words only where they name
// a program, a file type or a setting the teacher has to type.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace teachertext {

// Names that have no Chinese form the teacher would recognise.
inline constexpr std::array<std::string_view, 19> kNames{
    "LibreOffice", "Impress",      "PowerPoint",    "MathJax",      "Node.js",    "nodejs", "QuillonSetup",
    "Quillon",     "Quillonppt",   "quillon4ppt",   "soffice",      "config.mdb", ".pptx",  "pptx",
    "impress",     "QUILLON_PLAY", "QUILLON_SLIDE", "QUILLON_HOST", "PPT"};

inline bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

inline bool hasThreeLetters(std::string_view word) {
    int run = 0;
    for (char c : word) {
        run = ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) ? run + 1 : 0;
        if (run >= 3) return true;
    }
    return false;
}

// The ASCII words of three or more letters that are not names of kNames; a word is a run
// of letters, digits, "_" and "." (so "config.mdb" and "QUILLON_HOST" are one word).
inline std::vector<std::string> englishWords(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!isWordChar(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isWordChar(text[end])) ++end;
        std::string_view word = text.substr(i, end - i);
        while (word.ends_with('.') && std::find(kNames.begin(), kNames.end(), word) == kNames.end())
            word.remove_suffix(1);
        if (hasThreeLetters(word) && std::find(kNames.begin(), kNames.end(), word) == kNames.end())
            words.emplace_back(word);
        i = end;
    }
    return words;
}

inline bool hasChinese(std::string_view text) {
    // UTF-8 lead bytes of U+4E00..U+9FFF are 0xE4..0xE9.
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0xE4 && b <= 0xE9;
    });
}

}  // namespace teachertext
