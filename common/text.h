#pragma once
// Text helpers. Every character count the system makes is a count of Unicode code
// points; text is kept as UTF-8 and turned into UTF-32 where characters are counted.
#include <string>
#include <string_view>

namespace common {

// Invalid UTF-8 bytes become U+FFFD, so any byte string converts.
std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);
std::string toUtf8(char32_t c);

std::size_t charCount(std::string_view utf8);

// The first n characters (code points) of the text.
std::string leftChars(std::string_view utf8, std::size_t n);

// Removes leading and trailing blanks (spaces only, as the system's Trim does).
std::string trimBlanks(std::string_view text);
std::u32string trimBlanks(std::u32string_view text);

// ASCII letters to lower case; other characters unchanged.
std::string lowerAscii(std::string_view text);

// Occurrences of part in text, one per start position (overlapping ones count);
// 0 for an empty part.
std::size_t CountOccurrences(std::u32string_view text, std::u32string_view part);

// Tests of the first character, a code point, so a Chinese character is never a letter
// or a digit; false for an empty text.
bool IsDigitChar(std::u32string_view text);   // 0-9
bool IsLetterChar(std::u32string_view text);  // A-Z, a-z

}  // namespace common
