#pragma once
// The texts of a run of point labels.
#include <array>
#include <string>

namespace utilities {

// The label types of the option buttons.
enum DotType { kIndexVaries = 0, kLetterVaries = 1, kLettersOnly = 2, kNumbersOnly = 3, kPrimedLetters = 4 };

// The start values, as the boxes txtDotInfo(0..7) hold them.
using DotInfo = std::array<std::string, 8>;

// The text of label k (1, 2, ...) of a run. Letters count on by code point, past "Z"
// to "[" and on.
std::string DotLabelText(int type, const DotInfo& info, int k);

// Whether the type has the letter its labels begin with (numbers need none).
bool HasStartLetter(int type, const DotInfo& info);

// Types whose second character is set apart as an index or a superscript.
inline bool HasIndex(int type) {
    return type == kIndexVaries || type == kLetterVaries || type == kPrimedLetters;
}

}  // namespace utilities
